#pragma once

#include <cstdio>

namespace dalvorn {

class FileException;

// Prints "Caption: Cannot read PATH: CAUSE" and returns the exit status of
// a reported error.
int ReportUnreadableFile(const char* caption, const FileException& error, std::FILE* errors);

}  // namespace dalvorn
