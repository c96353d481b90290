#include "command_line.h"

#include <utility>

#include "core/simulator_folder.h"
#include "version.h"

namespace dalvorn {

const char kUsageText[] =
    "Usage: dalvorn-cli scan [FOLDER]\n"
    "       dalvorn-cli move [FOLDER] [--yes] [--keep KEY]... [--select KEY]...\n"
    "       dalvorn-cli restore [FOLDER] [KEY]...\n"
    "       dalvorn-cli check [FOLDER]\n"
    "       dalvorn-cli --help | --version\n"
    "\n"
    "Finds the gauges in FOLDER\\Gauges that no aircraft panel uses.\n"
    "  scan      lists every gauge with the aircraft that use it; [x] marks an unused gauge\n"
    "  move      moves the marked gauges into Gauges\\unused after asking (--yes: without asking);\n"
    "            --keep KEY unmarks a gauge, --select KEY marks one\n"
    "  restore   moves the named gauges (all when none is named) from Gauges\\unused back\n"
    "  check     lists the gauges panels name that the simulator cannot find: moved (in\n"
    "            Gauges\\unused), local (only beside the panel) or missing\n"
    "Without FOLDER the simulator folder registered by its installer is used.\n"
    "A word after -- is never an option, e.g. a folder whose name begins with -.\n"
    "Exit status: 0 done, 1 an error was reported, 2 a usage error, 3 check found a gauge missing.\n";

namespace {

Command ParseCommandName(const std::string& word)
{
    static const std::pair<const char*, Command> kCommands[] = {
        {"scan", Command::Scan}, {"move", Command::Move}, {"restore", Command::Restore}, {"check", Command::Check},
        {"--help", Command::Help}, {"-h", Command::Help}, {"help", Command::Help}, {"--version", Command::Version},
    };
    for (const auto& [name, command] : kCommands)
        if (word == name)
            return command;
    throw UsageError("unknown command '" + word + "'");
}

}  // namespace

// The first "--" ends the options: it is skipped, and every word after it is
// taken as it stands.
CommandLine ParseCommandLine(const std::vector<std::string>& words, bool (*looksLikeFolder)(const std::string&))
{
    if (words.empty())
        throw UsageError("no command given");
    CommandLine line;
    line.command = ParseCommandName(words[0]);
    if (line.command == Command::Help || line.command == Command::Version)
        return line;
    const bool isMove = line.command == Command::Move;
    bool optionsEnded = false;
    for (std::size_t next = 1; next < words.size(); ++next) {
        const std::string& word = words[next];
        if (word == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        const bool option = !optionsEnded && word.size() > 1 && word[0] == '-';
        if (option && isMove && (word == "--yes" || word == "-y")) {
            line.assumeYes = true;
        } else if (option && isMove && (word == "--keep" || word == "--select")) {
            if (++next == words.size())
                throw UsageError(word + " needs a gauge key");
            (word == "--keep" ? line.keep : line.select).push_back(words[next]);
        } else if (option) {
            throw UsageError("unknown option '" + word + "'");
        } else if (line.command == Command::Restore &&
                   (line.folder || !line.keys.empty() || (HasGaugeExtension(word) && !looksLikeFolder(word)))) {
            // Restore takes its first word for the folder unless it looks like a gauge key and names no
            // folder; every later word is a key.
            line.keys.push_back(word);
        } else if (line.folder) {
            // Names both words, so that a word taken as a folder after "--" shows.
            throw UsageError("more than one folder given: '" + *line.folder + "' and '" + word + "'");
        } else {
            line.folder = word;
        }
    }
    return line;
}

std::string VersionText()
{
    return "dalvorn-cli (Dalvorn) " DALVORN_VERSION_TEXT "\n";
}

std::string UsageErrorText(const UsageError& error)
{
    const std::string usage = kUsageText;
    const std::string synopsis = usage.substr(0, usage.find("\n\n") + 1);
    return "dalvorn-cli: " + std::string(error.what()) + "\n\n" + synopsis +
           "\nRun 'dalvorn-cli --help' to read what each command does.\n";
}

}  // namespace dalvorn
