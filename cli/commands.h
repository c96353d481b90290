#pragma once

#include <cstdio>

#include "command_line.h"

namespace dalvorn {

class FileSystem;
class GaugeList;

struct Console {
    std::FILE* input;
    std::FILE* output;
    std::FILE* errors;
};

// Each returns the process exit status: 0 done, 1 an error was reported,
// 2 a usage error, and for check 3 when something is missing.
int RunScan(FileSystem& fileSystem, const std::string& folder, const Console& console);
int RunMove(FileSystem& fileSystem, const CommandLine& line, const std::string& folder, const Console& console);
int RunCheck(FileSystem& fileSystem, const std::string& folder, const Console& console);
// Ticks or unticks the listed gauge `key`, matched in any letter case as
// the file system matches names; throws UsageError when it is not listed.
void TickListed(const FileSystem& fileSystem, GaugeList& list, const std::string& key, bool checked);

int RunRestore(FileSystem& fileSystem, const CommandLine& line, const std::string& folder, const Console& console);

}  // namespace dalvorn
