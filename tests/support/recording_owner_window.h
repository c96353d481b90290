#pragma once
// An owner window that remembers what it was asked to show.

#include <optional>
#include <string>
#include <vector>

#include "core/owner_window.h"

namespace dalvorn::test_support {

struct MoveReport {
    std::string total, left, moved, destination;
};

class RecordingOwnerWindow : public OwnerWindow {
public:
    bool answer = true;
    std::vector<std::string> errors;  // "caption: text"
    std::vector<std::string> notices;  // "caption: text"
    std::vector<std::string> questions;
    bool warningAnswer = true;
    std::vector<std::string> warnings;  // "caption: text"
    std::vector<MoveReport> reports;
    std::vector<MoveReport> restoreReports;  // `moved` holds the restored count
    int busyDepth = 0;
    int busyCalls = 0;

    void ShowError(const std::string& text, const std::string& caption) override
    {
        errors.push_back(caption + ": " + text);
    }
    void ShowInformation(const std::string& text, const std::string& caption) override
    {
        notices.push_back(caption + ": " + text);
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override
    {
        questions.push_back(caption + ": " + text);
        return answer;
    }
    bool AskWarningYesNo(const std::string& text, const std::string& caption) override
    {
        warnings.push_back(caption + ": " + text);
        return warningAnswer;
    }
    void BeginBusy() override
    {
        ++busyDepth;
        ++busyCalls;
    }
    void EndBusy() override { --busyDepth; }

    // The errors without the detail a message gives after a blank line.
    std::vector<std::string> ErrorHeadlines() const
    {
        std::vector<std::string> headlines;
        for (const std::string& error : errors)
            headlines.push_back(error.substr(0, error.find("\n\n")));
        return headlines;
    }
    // The cause given by the one error shown, when it is that a file at
    // `path` could not be read under `caption`.
    std::optional<std::string> FileErrorCause(const std::string& caption, const std::string& path) const
    {
        const std::string start = caption + ": Cannot read " + path + ": ";
        if (errors.size() != 1 || errors[0].rfind(start, 0) != 0)
            return std::nullopt;
        return errors[0].substr(start.size());
    }
    void ShowMoveReport(const std::string& total, const std::string& left, const std::string& moved,
                        const std::string& destination) override
    {
        reports.push_back({total, left, moved, destination});
    }
    void ShowRestoreReport(const std::string& total, const std::string& left, const std::string& restored,
                           const std::string& destination) override
    {
        restoreReports.push_back({total, left, restored, destination});
    }
};

}  // namespace dalvorn::test_support
