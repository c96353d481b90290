#include "command_line.h"

#include "core/simulator_folder.h"

namespace dalvorn {

const char kUsageText[] =
    "Usage: dalvorn-cli scan [FOLDER]\n"
    "       dalvorn-cli move [FOLDER] [--yes] [--keep KEY]... [--select KEY]...\n"
    "       dalvorn-cli restore [FOLDER] [KEY]...\n"
    "       dalvorn-cli --help\n"
    "\n"
    "Finds the gauges in FOLDER\\Gauges that no aircraft panel uses.\n"
    "  scan      lists every gauge with the aircraft that use it; [x] marks an unused gauge\n"
    "  move      moves the marked gauges into Gauges\\unused after asking (--yes: without asking);\n"
    "            --keep KEY unmarks a gauge, --select KEY marks one\n"
    "  restore   moves the named gauges (all when none is named) from Gauges\\unused back\n"
    "Without FOLDER the simulator folder registered by its installer is used.\n";

namespace {

Command ParseCommandName(const std::string& word)
{
    if (word == "scan")
        return Command::Scan;
    if (word == "move")
        return Command::Move;
    if (word == "restore")
        return Command::Restore;
    if (word == "--help" || word == "-h" || word == "help")
        return Command::Help;
    throw UsageError("unknown command '" + word + "'");
}

class WordReader {
public:
    explicit WordReader(const std::vector<std::string>& words) : words_(words) {}
    bool Done() const { return next_ >= words_.size(); }
    const std::string& Take() { return words_[next_++]; }
    const std::string& TakeValueOf(const std::string& option)
    {
        if (Done())
            throw UsageError(option + " needs a gauge key");
        return Take();
    }

private:
    const std::vector<std::string>& words_;
    std::size_t next_ = 1;
};

void ParseMoveOptions(WordReader& reader, CommandLine& line)
{
    while (!reader.Done()) {
        const std::string& word = reader.Take();
        if (word == "--yes" || word == "-y")
            line.assumeYes = true;
        else if (word == "--keep")
            line.keep.push_back(reader.TakeValueOf(word));
        else if (word == "--select")
            line.select.push_back(reader.TakeValueOf(word));
        else if (word.size() > 1 && word[0] == '-' && word != "--")
            throw UsageError("unknown option '" + word + "'");
        else if (!line.folder)
            line.folder = word;
        else
            throw UsageError("more than one folder given");
    }
}

void ParseScanOptions(WordReader& reader, CommandLine& line)
{
    while (!reader.Done()) {
        const std::string& word = reader.Take();
        if (word.size() > 1 && word[0] == '-')
            throw UsageError("unknown option '" + word + "'");
        if (line.folder)
            throw UsageError("more than one folder given");
        line.folder = word;
    }
}

void ParseRestoreWords(WordReader& reader, CommandLine& line, bool (*looksLikeFolder)(const std::string&))
{
    bool first = true;
    while (!reader.Done()) {
        const std::string& word = reader.Take();
        if (word.size() > 1 && word[0] == '-')
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
        break;
    case Command::Scan:
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

}  // namespace dalvorn
