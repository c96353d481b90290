#pragma once
// The command line of dalvorn-cli, parsed.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dalvorn {

enum class Command { Help, Version, Scan, Move, Restore, Check };

struct CommandLine {
    Command command = Command::Help;
    std::optional<std::string> folder;
    bool assumeYes = false;
    std::vector<std::string> keep;
    std::vector<std::string> select;
    std::vector<std::string> keys;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `looksLikeFolder` tells whether a word names an existing folder; it decides
// whether restore's first word is the folder or a gauge key.
CommandLine ParseCommandLine(const std::vector<std::string>& words, bool (*looksLikeFolder)(const std::string&));

extern const char kUsageText[];

// "dalvorn-cli (Dalvorn) VERSION" and a line end.
std::string VersionText();

// What a usage error prints: the problem, the synopsis and where to read more.
std::string UsageErrorText(const UsageError& error);

}  // namespace dalvorn
