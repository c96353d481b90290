#pragma once
// How the scan and the move talk to the user: implemented by the main dialog
// and by the console.

#include <string>

#include "file_system.h"

namespace dalvorn {

class OwnerWindow {
public:
    virtual ~OwnerWindow() = default;
    virtual void ShowError(const std::string& text, const std::string& caption) = 0;
    // Something the user should know that stops nothing.
    virtual void ShowInformation(const std::string& text, const std::string& caption) = 0;
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // A question whose Yes does harm: warning icon, No proposed.
    virtual bool AskWarningYesNo(const std::string& text, const std::string& caption) = 0;
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
    virtual void ShowMoveReport(const std::string& total, const std::string& left,
                                const std::string& moved, const std::string& destination) = 0;
    virtual void ShowRestoreReport(const std::string& total, const std::string& left,
                                   const std::string& restored, const std::string& destination) = 0;
};

// Shows the busy cursor for the lifetime of the scope, also when it is left
// through an exception.
class BusyScope {
public:
    explicit BusyScope(OwnerWindow& owner) : owner_(owner) { owner_.BeginBusy(); }
    ~BusyScope() { owner_.EndBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    OwnerWindow& owner_;
};

// Shows "Cannot read PATH: CAUSE" under the caption of the command the
// error ended, the same whichever front end runs it.
inline void ShowFileError(OwnerWindow& owner, const FileException& error, const std::string& caption)
{
    owner.ShowError("Cannot read " + error.Path() + ": " + error.Cause(), caption);
}

}  // namespace dalvorn
