#include "data_exchange.h"

#include <stdexcept>
#include <vector>

#include "wnd.h"

HWND CDataExchange::PrepareCtrl(int id) const
{
    HWND control = m_pDlgWnd->GetDlgItem(id);
    if (!control)
        throw std::logic_error("The dialog has no control " + std::to_string(id) + ".");
    return control;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (control.m_hWnd != hwnd)
        control.Attach(hwnd);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    HWND control = pDX->PrepareCtrl(id);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = ::GetWindowTextLengthA(control);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
    value.assign(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}
