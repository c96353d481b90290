#pragma once
// How a file that cannot be read reaches the user: the same caption and
// text whichever front end runs the command.

#include <string>

namespace dalvorn {

class FileException;
class OwnerWindow;

// Shows "Cannot read PATH: CAUSE" through the owner window under the
// caption of the command the error ended.
void ShowFileError(OwnerWindow& owner, const FileException& error, const std::string& caption);

}  // namespace dalvorn
