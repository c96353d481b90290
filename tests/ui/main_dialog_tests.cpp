// The main dialog driven through its controls: the registry proposal, the
// enabling of Scan and Move Selected, scanning, moving and the messages.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "framework/win_app.h"
#include "program_test.h"
#include "registry_value_scope.h"
#include "resource.h"

namespace dalvorn::test_support {
namespace {

class MainDialogTest : public ProgramTest {};

TEST_F(MainDialogTest, StartsWithTheRegisteredFolderAndScanEnabled)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        EXPECT_EQ(WindowDriver::Text(Field(dialog)), simulator.Root());
        driver.WaitForIdleUpdate(dialog);
        EXPECT_TRUE(WindowDriver::IsEnabled(dialog, IDC_SCAN));
        EXPECT_FALSE(WindowDriver::IsEnabled(dialog, IDC_MOVE_SELECTED));
        EXPECT_EQ(driver.Focus(), ::GetDlgItem(dialog, IDC_SCAN));
    });
}

TEST_F(MainDialogTest, StartsEmptyWithoutTheRegisteredFolder)
{
    const RegistryValueScope none;
    RunProgram([](WindowDriver& driver, HWND dialog) {
        EXPECT_EQ(WindowDriver::Text(Field(dialog)), "");
        driver.WaitForIdleUpdate(dialog);
        EXPECT_FALSE(WindowDriver::IsEnabled(dialog, IDC_SCAN));
        EXPECT_FALSE(WindowDriver::IsEnabled(dialog, IDC_MOVE_SELECTED));
    });
}

TEST_F(MainDialogTest, StartsEmptyWhenTheRegisteredValueIsNoString)
{
    const RegistryValueScope number(REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    RunProgram([](WindowDriver&, HWND dialog) { EXPECT_EQ(WindowDriver::Text(Field(dialog)), ""); });
}

TEST_F(MainDialogTest, ScanFollowsTheFieldText)
{
    const RegistryValueScope none;
    RunProgram([](WindowDriver& driver, HWND dialog) {
        HWND field = Field(dialog);
        driver.WaitForIdleUpdate(dialog);
        ASSERT_FALSE(WindowDriver::IsEnabled(dialog, IDC_SCAN));

        WindowDriver::Type(field, "C");
        driver.WaitForIdleUpdate(dialog);
        EXPECT_TRUE(WindowDriver::IsEnabled(dialog, IDC_SCAN));

        // A selected text still counts as text.
        ::PostMessageA(field, EM_SETSEL, 0, -1);
        driver.WaitForIdleUpdate(dialog);
        EXPECT_TRUE(WindowDriver::IsEnabled(dialog, IDC_SCAN));

        WindowDriver::Type(field, "\b");
        driver.WaitForIdleUpdate(dialog);
        EXPECT_FALSE(WindowDriver::IsEnabled(dialog, IDC_SCAN));
        EXPECT_EQ(WindowDriver::Text(field), "");
    });
}

TEST_F(MainDialogTest, ScanListsEveryGaugeSortedWithTheUnusedTicked)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        driver.WaitForIdleUpdate(dialog);
        EXPECT_FALSE(WindowDriver::IsEnabled(dialog, IDC_MOVE_SELECTED));
        Scan(dialog);
        driver.WaitForIdleUpdate(dialog);
        EXPECT_TRUE(WindowDriver::IsEnabled(dialog, IDC_MOVE_SELECTED));

        // A second scan gives the same list and resets the ticks.
        WindowDriver::ToggleTick(Tree(dialog), "zeta.gau");
        ASSERT_TRUE(WindowDriver::WaitUntil(
            [&] { return WindowDriver::TreeLines(Tree(dialog)).back() == "[ ] zeta.gau (Used By: )"; }));
        Scan(dialog);
    });
}

TEST_F(MainDialogTest, ScanOfAMissingFolderSaysFolderNotFoundAndKeepsTheList)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        SetField(dialog, simulator.PathOf("no such folder"));
        WindowDriver::Click(dialog, IDC_SCAN);

        const MessageBoxSeen box = driver.WaitForMessageBox("Scan");
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.text, "Folder not found");
        EXPECT_EQ(box.icon, BoxIcon::Stop);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_EQ(::GetWindow(box.window, GW_OWNER), dialog);
        WindowDriver::Answer(box, IDOK);
        EXPECT_TRUE(driver.WaitUntilGone("Scan"));
        EXPECT_EQ(WindowDriver::TreeLines(Tree(dialog)), kScannedLines);
    });
}

TEST_F(MainDialogTest, AnUnreadablePanelFileIsReportedByNameAndTheListStays)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        simulator.MakeFolder("Aircraft/Broken/panel.cfg");
        WindowDriver::Click(dialog, IDC_SCAN);

        const MessageBoxSeen box = driver.WaitForMessageBox("Scan");
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.text.rfind("Cannot read " + simulator.PathOf("Aircraft/Broken/panel.cfg") + ": ", 0), 0u)
            << box.text;
        EXPECT_EQ(box.icon, BoxIcon::Stop);
        WindowDriver::Answer(box, IDOK);
        EXPECT_TRUE(driver.WaitUntilGone("Scan"));

        EXPECT_EQ(WindowDriver::TreeLines(Tree(dialog)), kScannedLines);
        EXPECT_TRUE(::IsWindowVisible(dialog));
        EXPECT_TRUE(::IsWindowEnabled(dialog));
    });
}

TEST_F(MainDialogTest, MoveSelectedAsksFirstAndNoChangesNothing)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        WindowDriver::Click(dialog, IDC_MOVE_SELECTED);

        const MessageBoxSeen question = driver.WaitForMessageBox("Remove");
        ASSERT_NE(question.window, nullptr);
        EXPECT_EQ(question.text, "All selected gauges will be moved to diffrent folder, continue?");
        EXPECT_EQ(question.icon, BoxIcon::Question);
        EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(question.defaultButton, IDYES);
        WindowDriver::Answer(question, IDNO);
        EXPECT_TRUE(driver.WaitUntilGone("Remove"));

        EXPECT_EQ(WindowDriver::TreeLines(Tree(dialog)), kScannedLines);
        EXPECT_TRUE(simulator.NamesIn("Gauges/unused").empty());
    });
}

TEST_F(MainDialogTest, MoveSelectedMovesWhatIsTickedAndLeavesTheRest)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        WindowDriver::ToggleTick(Tree(dialog), "zeta.gau");
        WindowDriver::ToggleTick(Tree(dialog), "radio.gau");
        ASSERT_TRUE(WaitForLines(dialog, {"[ ] cessna.gau (Used By: c172)", "[ ] magnetic_compass.gau (Used By: c172)",
                                          "[x] my gauge.gau (Used By: )", "[x] radio.gau (Used By: Learjet 45)",
                                          "[x] unused_one.gau (Used By: )", "[ ] zeta.gau (Used By: )"}));

        MoveConfirmed(driver, dialog);

        const MoveReportSeen report = WaitForMoveReport(driver);
        ASSERT_NE(report.window, nullptr);
        EXPECT_EQ(report.total, "6");
        EXPECT_EQ(report.moved, "3");
        EXPECT_EQ(report.left, "3");
        EXPECT_EQ(report.destination, simulator.Root() + "\\Gauges\\unused\\");
        WindowDriver::Click(report.window, IDOK);

        EXPECT_TRUE(WaitForLines(dialog, {"[ ] cessna.gau (Used By: c172)", "[ ] magnetic_compass.gau (Used By: c172)",
                                          "[ ] zeta.gau (Used By: )"}));
        EXPECT_EQ(simulator.NamesIn("Gauges/unused"), (Lines{"my gauge.gau", "radio.gau", "unused_one.gau"}));
        EXPECT_EQ(simulator.NamesIn("Gauges"), (Lines{"Cessna.GAU", "magnetic_compass.gau", "unused", "zeta.gau"}));
        driver.WaitForIdleUpdate(dialog);
        EXPECT_TRUE(WindowDriver::IsEnabled(dialog, IDC_MOVE_SELECTED));
    });
}

TEST_F(MainDialogTest, MoveSelectedIsDisabledOnceEverythingHasMoved)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        for (const char* used : {"cessna.gau", "magnetic_compass.gau", "radio.gau"})
            WindowDriver::ToggleTick(Tree(dialog), used);
        MoveConfirmed(driver, dialog);
        const MoveReportSeen report = WaitForMoveReport(driver);
        ASSERT_NE(report.window, nullptr);
        EXPECT_EQ(report.total, "6");
        EXPECT_EQ(report.moved, "6");
        EXPECT_EQ(report.left, "0");
        WindowDriver::Click(report.window, IDOK);

        EXPECT_TRUE(WindowDriver::WaitUntil([&] { return WindowDriver::TreeLines(Tree(dialog)).empty(); }));
        driver.WaitForIdleUpdate(dialog);
        EXPECT_FALSE(WindowDriver::IsEnabled(dialog, IDC_MOVE_SELECTED));
        EXPECT_EQ(simulator.NamesIn("Gauges"), Lines{"unused"});
    });
}

TEST_F(MainDialogTest, AFailedMoveSaysMoveFailedAndShowsNoReport)
{
    simulator.WriteFile("Gauges/unused/unused_one.gau", "already here");
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        WindowDriver::Click(dialog, IDC_MOVE_SELECTED);
        const MessageBoxSeen question = driver.WaitForMessageBox("Remove");
        ASSERT_NE(question.window, nullptr);
        WindowDriver::Answer(question, IDYES);

        const MessageBoxSeen failure = driver.WaitForMessageBox("Remove", question.window);
        ASSERT_NE(failure.window, nullptr);
        EXPECT_EQ(failure.text.substr(0, failure.text.find("\n\n")), "Move Failed");
        EXPECT_EQ(failure.icon, BoxIcon::Stop);
        WindowDriver::Answer(failure, IDOK);
        EXPECT_TRUE(driver.WaitUntilGone("Remove"));
        EXPECT_EQ(driver.FindWindowByCaption("Moving Completed"), nullptr);

        EXPECT_EQ(WindowDriver::TreeLines(Tree(dialog)),
                  (Lines{"[ ] cessna.gau (Used By: c172)", "[ ] magnetic_compass.gau (Used By: c172)",
                         "[ ] radio.gau (Used By: Learjet 45)", "[x] unused_one.gau (Used By: )",
                         "[x] zeta.gau (Used By: )"}));
        EXPECT_EQ(simulator.ReadFile("Gauges/unused/unused_one.gau"), "already here");
        EXPECT_TRUE(simulator.ExistsExactly("Gauges/Unused_One.gau"));
    });
}

// The tree of the open folder browser, its top item selected; nullptr when
// no browser opens.
HWND OpenFolderBrowser(HWND dialog, HWND& browser)
{
    WindowDriver::Click(dialog, IDC_BROWSE);
    browser = nullptr;
    HWND tree = nullptr;
    WindowDriver::WaitUntil([&] {
        browser = ::GetLastActivePopup(dialog);
        if (!browser || browser == dialog || !::IsWindowVisible(browser))
            return false;
        tree = ::FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
        return tree && ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0) != 0;
    });
    return tree;
}

std::string ItemText(HWND tree, HTREEITEM item)
{
    char text[MAX_PATH] = {};
    TVITEMA query = {};
    query.mask = TVIF_HANDLE | TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = sizeof(text);
    ::SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
    return text;
}

void ChooseInBrowser(HWND browser, HWND tree, HTREEITEM item)
{
    ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    ::PostMessageA(browser, WM_COMMAND, IDOK, 0);
}

TEST_F(MainDialogTest, TheFolderBrowserPutsTheChosenFolderIntoTheField)
{
    const RegistryValueScope none;
    RunProgram([&](WindowDriver&, HWND dialog) {
        HWND browser = nullptr;
        HWND tree = OpenFolderBrowser(dialog, browser);
        ASSERT_NE(tree, nullptr);
        EXPECT_FALSE(::IsWindowEnabled(dialog));
        bool titled = false;
        for (HWND child = ::GetWindow(browser, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            titled = titled || WindowDriver::Text(child) == "Look for FS2002 Main Folder:";
        EXPECT_TRUE(titled);

        // The top of the browser is the desktop, a folder with a path.
        const auto desktop = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        ChooseInBrowser(browser, tree, desktop);
        ASSERT_TRUE(WindowDriver::WaitUntil([&] { return ::IsWindowEnabled(dialog) != FALSE; }));
        const std::string chosen = WindowDriver::Text(Field(dialog));
        EXPECT_NE(::GetFileAttributesA(chosen.c_str()), INVALID_FILE_ATTRIBUTES) << chosen;
    });
}

TEST_F(MainDialogTest, AChoiceWithoutAFolderPathLeavesTheField)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver&, HWND dialog) {
        HWND browser = nullptr;
        HWND tree = OpenFolderBrowser(dialog, browser);
        ASSERT_NE(tree, nullptr);
        const auto desktop = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        ::SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(desktop));
        HTREEITEM computer = nullptr;
        ASSERT_TRUE(WindowDriver::WaitUntil([&] {
            auto item = reinterpret_cast<HTREEITEM>(
                ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(desktop)));
            for (; item; item = reinterpret_cast<HTREEITEM>(
                             ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
                if (ItemText(tree, item) == "My Computer" || ItemText(tree, item) == "This PC")
                    computer = item;
            }
            return computer != nullptr;
        }));
        ChooseInBrowser(browser, tree, computer);
        ASSERT_TRUE(WindowDriver::WaitUntil([&] { return ::IsWindowEnabled(dialog) != FALSE; }));
        EXPECT_EQ(WindowDriver::Text(Field(dialog)), simulator.Root());
    });
}

TEST_F(MainDialogTest, CancellingTheFolderBrowserLeavesTheField)
{
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver&, HWND dialog) {
        HWND browser = nullptr;
        ASSERT_NE(OpenFolderBrowser(dialog, browser), nullptr);
        ::PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WindowDriver::WaitUntil([&] { return ::IsWindowEnabled(dialog) != FALSE; }));
        EXPECT_EQ(WindowDriver::Text(Field(dialog)), simulator.Root());
    });
}

// A ticked gauge that a panel uses brings a warning first: No keeps
// everything, ticks included; Yes goes on to the usual question.
TEST_F(MainDialogTest, MovingAUsedGaugeWarnsFirst)
{
    const RegistryValueScope registered(simulator.Root());
    const Lines ticked = {"[ ] cessna.gau (Used By: c172)", "[ ] magnetic_compass.gau (Used By: c172)",
                          "[x] my gauge.gau (Used By: )",   "[x] radio.gau (Used By: Learjet 45)",
                          "[x] unused_one.gau (Used By: )", "[x] zeta.gau (Used By: )"};
    for (const int answer : {IDNO, IDYES}) {
        RunProgram([&](WindowDriver& driver, HWND dialog) {
            Scan(dialog);
            WindowDriver::ToggleTick(Tree(dialog), "radio.gau");
            ASSERT_TRUE(WaitForLines(dialog, ticked));
            WindowDriver::Click(dialog, IDC_MOVE_SELECTED);

            const MessageBoxSeen warning = driver.WaitForMessageBox("Remove");
            ASSERT_NE(warning.window, nullptr);
            EXPECT_EQ(warning.text,
                      "Some ticked gauges are used by aircraft panels. Moving them breaks those aircraft:\n\n"
                      "radio.gau (Used By: Learjet 45)\n\nMove them anyway?");
            EXPECT_EQ(warning.icon, BoxIcon::Warning);
            EXPECT_EQ(warning.buttons, (std::vector<int>{IDYES, IDNO}));
            EXPECT_EQ(warning.defaultButton, IDNO);
            WindowDriver::Answer(warning, answer);
            if (answer == IDNO) {
                EXPECT_TRUE(driver.WaitUntilGone("Remove"));
                EXPECT_EQ(WindowDriver::TreeLines(Tree(dialog)), ticked);
                EXPECT_FALSE(simulator.Has("Gauges/unused"));
                return;
            }
            const MessageBoxSeen question = driver.WaitForMessageBox("Remove", warning.window);
            ASSERT_NE(question.window, nullptr);
            EXPECT_EQ(question.text, "All selected gauges will be moved to diffrent folder, continue?");
            WindowDriver::Answer(question, IDYES);
            const MoveReportSeen report = WaitForMoveReport(driver);
            ASSERT_NE(report.window, nullptr);
            EXPECT_EQ(report.moved, "4");
            WindowDriver::Click(report.window, IDOK);
            EXPECT_TRUE(simulator.ExistsExactly("Gauges/unused/radio.gau"));
        });
    }
}

// Move Selected acts on the folder the list shows: a field naming another
// folder moves nothing and says so; the same folder spelt otherwise, or a
// field changed and changed back, moves as usual.
TEST_F(MainDialogTest, MoveSelectedNeedsTheFieldToNameTheListedFolder)
{
    SimulatorTree other;
    other.AddGauge("zeta.gau");
    struct Case {
        std::string field;
        bool sameFolder;
    };
    std::string upper = simulator.Root();
    for (char& c : upper)
        c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    const Case cases[] = {
        {other.Root(), false},
        {upper, true},
        {simulator.Root() + "\\", true},
        {simulator.Root() + "\\\\", false},
    };
    const RegistryValueScope registered(simulator.Root());
    for (const Case& c : cases) {
        RunProgram([&](WindowDriver& driver, HWND dialog) {
            Scan(dialog);
            SetField(dialog, other.Root());
            SetField(dialog, c.field);
            WindowDriver::Click(dialog, IDC_MOVE_SELECTED);
            const MessageBoxSeen box = driver.WaitForMessageBox("Remove");
            ASSERT_NE(box.window, nullptr) << c.field;
            if (c.sameFolder) {
                EXPECT_EQ(box.icon, BoxIcon::Question) << c.field;
            } else {
                EXPECT_EQ(box.text, "The list shows the gauges of " + simulator.Root() + ". Press Scan to list " +
                                        c.field + " before moving.");
                EXPECT_EQ(box.icon, BoxIcon::Information);
                EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
            }
            WindowDriver::Answer(box, c.sameFolder ? IDNO : IDOK);
            EXPECT_TRUE(driver.WaitUntilGone("Remove"));
            EXPECT_EQ(WindowDriver::TreeLines(Tree(dialog)), kScannedLines);
        });
        EXPECT_TRUE(other.ExistsExactly("Gauges/zeta.gau"));
        EXPECT_FALSE(simulator.Has("Gauges/unused"));
    }
}

// Restore Gauges... follows the same rule.
TEST_F(MainDialogTest, RestoreNeedsTheFieldToNameTheListedFolder)
{
    SimulatorTree other;
    const RegistryValueScope registered(simulator.Root());
    RunProgram([&](WindowDriver& driver, HWND dialog) {
        Scan(dialog);
        SetField(dialog, other.Root());
        ::PostMessageA(dialog, WM_SYSCOMMAND, IDM_RESTORE, 0);
        const MessageBoxSeen box = driver.WaitForMessageBox("Restore");
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.text, "The list shows the gauges of " + simulator.Root() + ". Press Scan to list " +
                                other.Root() + " before restoring.");
        EXPECT_EQ(box.icon, BoxIcon::Information);
        WindowDriver::Answer(box, IDOK);
        EXPECT_TRUE(driver.WaitUntilGone("Restore"));
        EXPECT_EQ(driver.FindWindowByCaption("Restore Gauges"), nullptr);
    });
}

}  // namespace
}  // namespace dalvorn::test_support
