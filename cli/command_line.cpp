#include "command_line.h"

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
    if (word == "scan")
        return Command::Scan;
    if (word == "move")
        return Command::Move;
    if (word == "restore")
        return Command::Restore;
    if (word == "check")
        return Command::Check;
    if (word == "--help" || word == "-h" || word == "help")
        return Command::Help;
    if (word == "--version")
        return Command::Version;
    throw UsageError("unknown command '" + word + "'");
}

// Reads the words after the command. The first "--" ends the options: it is
// skipped, and every word after it is taken as it stands.
class WordReader {
public:
    explicit WordReader(const std::vector<std::string>& words) : words_(words) {}
    bool Done()
    {
        if (!optionsEnded_ && next_ < words_.size() && words_[next_] == "--") {
            optionsEnded_ = true;
            ++next_;
        }
        return next_ >= words_.size();
    }
    const std::string& Take() { return words_[next_++]; }
    const std::string& TakeValueOf(const std::string& option)
    {
        if (next_ >= words_.size())
            throw UsageError(option + " needs a gauge key");
        return Take();
    }
    bool IsOption(const std::string& word) const { return !optionsEnded_ && word.size() > 1 && word[0] == '-'; }

private:
    const std::vector<std::string>& words_;
    std::size_t next_ = 1;
    bool optionsEnded_ = false;
};

// Names both words, so that a word taken as a folder after "--" shows.
UsageError SecondFolder(const std::string& first, const std::string& second)
{
    return UsageError("more than one folder given: '" + first + "' and '" + second + "'");
}

void ParseMoveOptions(WordReader& reader, CommandLine& line)
{
    while (!reader.Done()) {
        const std::string& word = reader.Take();
        const bool option = reader.IsOption(word);
        if (option && (word == "--yes" || word == "-y"))
            line.assumeYes = true;
        else if (option && word == "--keep")
            line.keep.push_back(reader.TakeValueOf(word));
        else if (option && word == "--select")
            line.select.push_back(reader.TakeValueOf(word));
        else if (option)
            throw UsageError("unknown option '" + word + "'");
        else if (!line.folder)
            line.folder = word;
        else
            throw SecondFolder(*line.folder, word);
    }
}

void ParseScanOptions(WordReader& reader, CommandLine& line)
{
    while (!reader.Done()) {
        const std::string& word = reader.Take();
        if (reader.IsOption(word))
            throw UsageError("unknown option '" + word + "'");
        if (line.folder)
            throw SecondFolder(*line.folder, word);
        line.folder = word;
    }
}

void ParseRestoreWords(WordReader& reader, CommandLine& line, bool (*looksLikeFolder)(const std::string&))
{
    bool first = true;
    while (!reader.Done()) {
        const std::string& word = reader.Take();
        if (reader.IsOption(word))
            throw UsageError("unknown option '" + word + "'");
        if (first && (!HasGaugeExtension(word) || looksLikeFolder(word)))
            line.folder = word;
        else
            line.keys.push_back(word);
        first = false;
    }
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& words, bool (*looksLikeFolder)(const std::string&))
{
    if (words.empty())
        throw UsageError("no command given");
    CommandLine line;
    line.command = ParseCommandName(words[0]);
    WordReader reader(words);
    switch (line.command) {
    case Command::Help:
    case Command::Version:
        break;
    case Command::Scan:
    case Command::Check:
        ParseScanOptions(reader, line);
        break;
    case Command::Move:
        ParseMoveOptions(reader, line);
        break;
    case Command::Restore:
        ParseRestoreWords(reader, line, looksLikeFolder);
        break;
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
