// The donation page: its address, and the donation image of the About box
// and of the move report, clicked with the mouse.

#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>
#include <regex>

#include "donation_address.h"
#include "program_test.h"
#include "registry_value_scope.h"
#include "resource.h"
#include "shell_execute_recorder.h"

namespace dalvorn::test_support {
namespace {

TEST(DonationAddress, IsThePaymentFormOfTheHostForTheAccount)
{
    EXPECT_EQ(DonationAddress("www.paypal.com", "donations@dalvorn.example"),
              "https://www.paypal.com/xclick/business=donations%40dalvorn.example"
              "&item_name=Support+Freeware+Dalvorn&no_shipping=1");
}

TEST(DonationAddress, EscapesWhatWouldEndTheAccountField)
{
    EXPECT_EQ(DonationAddress("pay.example", "a+b&c=d e@f.example"),
              "https://pay.example/xclick/business=a%2Bb%26c%3Dd%20e%40f.example"
              "&item_name=Support+Freeware+Dalvorn&no_shipping=1");
}

TEST(DonationAddress, TheProgramsPageIsAnHttpsPaymentFormWithAnEscapedAccount)
{
    const std::regex form(
        "https://[a-z0-9.-]+/xclick/business=[A-Za-z0-9._~-]+%40[A-Za-z0-9._~-]+"
        "&item_name=Support\\+Freeware\\+Dalvorn&no_shipping=1");
    EXPECT_TRUE(std::regex_match(DonationPageAddress(), form)) << DonationPageAddress();
}

// Where the donation image is found.
enum class DonationDialog { AboutFromButton, AboutFromSystemMenu, MoveReport };

const char* NameOf(DonationDialog dialog)
{
    switch (dialog) {
    case DonationDialog::AboutFromButton:
        return "AboutBoxFromItsButton";
    case DonationDialog::AboutFromSystemMenu:
        return "AboutBoxFromTheSystemMenu";
    case DonationDialog::MoveReport:
        return "MoveReport";
    }
    return "";
}

void PrintTo(DonationDialog dialog, std::ostream* out)
{
    *out << NameOf(dialog);
}

class DonationImageTest : public ProgramTest, public testing::WithParamInterface<DonationDialog> {
protected:
    // Runs the program, opens the dialog under test and hands it to
    // `script`.
    void RunDialog(const std::function<void(WindowDriver&, HWND)>& script)
    {
        const RegistryValueScope registered(simulator.Root());
        RunProgram([&](WindowDriver& driver, HWND main) {
            HWND dialog = Open(driver, main);
            ASSERT_NE(dialog, nullptr) << "the dialog did not open";
            script(driver, dialog);
        });
    }

    // The requests once the dialog has handled everything sent to it.
    static std::vector<ShellRequest> RequestsOnceHandled(const WindowDriver& driver, HWND dialog)
    {
        driver.WaitForIdleUpdate(dialog);
        return ShellExecuteRecorder::Requests();
    }

    static void ExpectThePageOpenedOnce(const std::vector<ShellRequest>& requests, HWND dialog)
    {
        ASSERT_EQ(requests.size(), 1u);
        const ShellRequest& request = requests.front();
        EXPECT_EQ(request.owner, dialog);
        EXPECT_EQ(request.verb, std::nullopt);
        EXPECT_EQ(request.file, DonationPageAddress());
        EXPECT_EQ(request.parameters, std::nullopt);
        EXPECT_EQ(request.directory, std::nullopt);
        EXPECT_EQ(request.show, SW_SHOWNORMAL);
    }

    const ShellExecuteRecorder shell;

private:
    HWND Open(WindowDriver& driver, HWND main)
    {
        switch (GetParam()) {
        case DonationDialog::AboutFromButton:
            WindowDriver::Click(main, ID_APP_ABOUT);
            return driver.WaitForWindow("About Dalvorn");
        case DonationDialog::AboutFromSystemMenu:
            ::PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            return driver.WaitForWindow("About Dalvorn");
        case DonationDialog::MoveReport:
            Scan(main);
            MoveConfirmed(driver, main);
            return WaitForMoveReport(driver).window;
        }
        return nullptr;
    }
};

TEST_P(DonationImageTest, AClickOnTheImageOpensTheDonationPage)
{
    RunDialog([](WindowDriver& driver, HWND dialog) {
        ASSERT_TRUE(WindowDriver::MouseClick(::GetDlgItem(dialog, IDC_DONATE)));
        ExpectThePageOpenedOnce(RequestsOnceHandled(driver, dialog), dialog);
        EXPECT_TRUE(::IsWindowVisible(dialog)) << "the dialog stays open";
    });
}

TEST_P(DonationImageTest, ADoubleClickOpensItOnce)
{
    RunDialog([](WindowDriver& driver, HWND dialog) {
        ASSERT_TRUE(WindowDriver::MouseClick(::GetDlgItem(dialog, IDC_DONATE), 2));
        ExpectThePageOpenedOnce(RequestsOnceHandled(driver, dialog), dialog);
    });
}

TEST_P(DonationImageTest, ClicksElsewhereOpenNothing)
{
    RunDialog([](WindowDriver& driver, HWND dialog) {
        HWND image = ::GetDlgItem(dialog, IDC_DONATE);
        RECT around;
        ::GetWindowRect(image, &around);
        ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&around), 2);
        RECT client;
        ::GetClientRect(dialog, &client);
        const POINT elsewhere[] = {
            {around.left - 2, (around.top + around.bottom) / 2},   // left of the image
            {around.right + 1, (around.top + around.bottom) / 2},  // right of it
            {(around.left + around.right) / 2, around.top - 2},    // on the line above it
            {client.right - 3, client.bottom - 3},                 // the dialog's corner
        };
        for (const POINT& point : elsewhere)
            ASSERT_TRUE(WindowDriver::MouseClickAt(dialog, point));
        driver.WaitForIdleUpdate(dialog);
        EXPECT_TRUE(ShellExecuteRecorder::Requests().empty());
        // The image right beside those points still opens the page.
        ASSERT_TRUE(WindowDriver::MouseClick(image));
        ExpectThePageOpenedOnce(RequestsOnceHandled(driver, dialog), dialog);
    });
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, DonationImageTest,
                         testing::Values(DonationDialog::AboutFromButton, DonationDialog::AboutFromSystemMenu,
                                           DonationDialog::MoveReport),
                         [](const testing::TestParamInfo<DonationDialog>& info) { return NameOf(info.param); });

}  // namespace
}  // namespace dalvorn::test_support
