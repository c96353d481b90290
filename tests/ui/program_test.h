#pragma once
// The whole program run on a small simulator folder of real files, its
// main dialog driven as a user would.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/simulator_tree.h"
#include "window_driver.h"

namespace dalvorn::test_support {

using Lines = std::vector<std::string>;

// Six gauges; c172 uses two, Learjet 45 one.
extern const Lines kScannedLines;

// The move report as the user sees it.
struct MoveReportSeen {
    HWND window = nullptr;
    std::string total;
    std::string moved;
    std::string left;
    std::string destination;
};

class ProgramTest : public testing::Test {
protected:
    ProgramTest();

    // Runs the program's start-up, which shows the main dialog modally,
    // while `script` drives the dialog.
    static void RunProgram(const std::function<void(WindowDriver&, HWND)>& script);

    static HWND Tree(HWND dialog);
    static HWND Field(HWND dialog);
    static void SetField(HWND dialog, const std::string& text);
    static bool WaitForLines(HWND dialog, const Lines& expected);
    // Presses Scan and expects the list of the whole folder.
    static void Scan(HWND dialog);
    // Presses Move Selected and answers the question, and the warning
    // before it when used gauges are ticked, with Yes.
    static void MoveConfirmed(WindowDriver& driver, HWND dialog);
    // The report that opens; window is nullptr when none opens in time.
    static MoveReportSeen WaitForMoveReport(const WindowDriver& driver);

    SimulatorTree simulator;
};

}  // namespace dalvorn::test_support
