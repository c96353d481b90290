#pragma once
// The owner window of the command line: messages on standard error, the
// question answered from standard input, the report on standard output.

#include <cstdio>

#include "core/owner_window.h"

namespace dalvorn {

class ConsoleOwnerWindow : public OwnerWindow {
public:
    ConsoleOwnerWindow(std::FILE* input, std::FILE* output, std::FILE* errors, bool assumeYes);

    void ShowError(const std::string& text, const std::string& caption) override;
    void ShowInformation(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    // Printed before the question that follows it, which decides.
    bool AskWarningYesNo(const std::string& text, const std::string& caption) override;
    void BeginBusy() override {}
    void EndBusy() override {}
    void ShowMoveReport(const std::string& total, const std::string& left, const std::string& moved,
                        const std::string& destination) override;
    void ShowRestoreReport(const std::string& total, const std::string& left, const std::string& restored,
                           const std::string& destination) override;

    bool ErrorShown() const { return errorShown_; }
    bool ReportShown() const { return reportShown_; }

private:
    std::FILE* input_;
    std::FILE* output_;
    std::FILE* errors_;
    bool assumeYes_;
    bool errorShown_ = false;
    bool reportShown_ = false;
};

}  // namespace dalvorn
