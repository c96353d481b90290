#include "donation_link.h"

#include <shellapi.h>

#include "donation_address.h"

namespace {

ShellExecuteFunction shellExecute = &::ShellExecuteA;

}  // namespace

void OpenDonationPage(HWND owner)
{
    const std::string address = DonationPageAddress();
    shellExecute(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

ShellExecuteFunction ReplaceShellExecute(ShellExecuteFunction execute)
{
    const ShellExecuteFunction replaced = shellExecute;
    shellExecute = execute;
    return replaced;
}
