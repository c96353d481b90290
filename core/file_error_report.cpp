#include "file_error_report.h"

#include "file_system.h"
#include "owner_window.h"

namespace dalvorn {

void ShowFileError(OwnerWindow& owner, const FileException& error, const std::string& caption)
{
    owner.ShowError("Cannot read " + error.Path() + ": " + error.Cause(), caption);
}

}  // namespace dalvorn
