#include "console_owner_window.h"

#include <string>

#include "console_streams.h"
#include "core/messages.h"

namespace dalvorn {

namespace {
bool IsYes(const std::string& answer)
{
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

// One line of input without its line end; empty at the end of input.
std::string ReadAnswer(std::FILE* input)
{
    std::string answer;
    for (int c = std::fgetc(input); c != EOF && c != '\n'; c = std::fgetc(input))
        if (c != '\r')
            answer += static_cast<char>(c);
    return answer;
}
}  // namespace

ConsoleOwnerWindow::ConsoleOwnerWindow(std::FILE* input, std::FILE* output, std::FILE* errors, bool assumeYes)
    : input_(input), output_(output), errors_(errors), assumeYes_(assumeYes)
{
}

void ConsoleOwnerWindow::ShowError(const std::string& text, const std::string& caption)
{
    errorShown_ = true;
    std::fprintf(errors_, "%s: %s\n", caption.c_str(), ConsoleText(text).c_str());
}

void ConsoleOwnerWindow::ShowInformation(const std::string& text, const std::string& caption)
{
    std::fprintf(errors_, "%s: %s\n", caption.c_str(), ConsoleText(text).c_str());
}

bool ConsoleOwnerWindow::AskYesNo(const std::string& text, const std::string& caption)
{
    if (assumeYes_)
        return true;
    std::fprintf(errors_, "%s: %s [y/N] ", caption.c_str(), ConsoleText(text).c_str());
    std::fflush(errors_);
    const bool yes = IsYes(ReadAnswer(input_));
    std::fputc('\n', errors_);
    return yes;
}

bool ConsoleOwnerWindow::AskWarningYesNo(const std::string& text, const std::string& caption)
{
    std::fprintf(errors_, "%s: %s\n", caption.c_str(), ConsoleText(text).c_str());
    return true;
}

void ConsoleOwnerWindow::ShowMoveReport(const std::string& total, const std::string& left, const std::string& moved,
                                        const std::string& destination)
{
    reportShown_ = true;
    std::fprintf(output_,
                 "Moving Completed\n"
                 "Total Gauges Found: %s\n"
                 "%s %s\n"
                 "Used Gauges Left: %s\n"
                 "Unused gauges were moved to: %s\n",
                 total.c_str(), kMovedCountLabel, moved.c_str(), left.c_str(), ConsoleText(destination).c_str());
}

void ConsoleOwnerWindow::ShowRestoreReport(const std::string& total, const std::string& left,
                                           const std::string& restored, const std::string& destination)
{
    reportShown_ = true;
    std::fprintf(output_,
                 "Restoring Completed\n"
                 "Total Gauges Found: %s\n"
                 "%s %s\n"
                 "Gauges Left: %s\n"
                 "Gauges were restored to: %s\n",
                 total.c_str(), kRestoredCountLabel, restored.c_str(), left.c_str(), ConsoleText(destination).c_str());
}

}  // namespace dalvorn
