#include "panel_definitions.h"

#include "gauge_line.h"
#include "text_case.h"

namespace dalvorn {

namespace {

// A string's name and its value, each as long as a gauge's name can be,
// with room for the blanks between.
constexpr std::size_t kLongestHeldLine = 3 * kLongestGaugeName + 64;

bool FitsAName(std::string_view text)
{
    return !text.empty() && text.size() <= kLongestGaugeName;
}

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string AsciiLowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = AsciiLower(c);
    return lower;
}

}  // namespace

void PanelDefinitions::Start()
{
    decided_ = held_ = ended_ = textBeyondHead_ = false;
    head_.clear();
}

void PanelDefinitions::Feed(std::string_view part)
{
    if (ended_ || (decided_ && !held_))
        return;
    if (!decided_) {
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t'))
            part.remove_prefix(1);
        if (part.empty())
            return;
        decided_ = true;
        held_ = part.front() == '[' || section_ != Section::Other;
        if (!held_)
            return;
    }
    if (const std::size_t nul = part.find('\0'); nul != std::string_view::npos) {
        part = part.substr(0, nul);  // the line's text ends there, as a C string's
        ended_ = true;
    }
    const std::size_t room = kLongestHeldLine - head_.size();
    head_.append(part.substr(0, room));
    if (part.size() > room && part.find_first_not_of(kBlanks, room) != std::string_view::npos)
        textBeyondHead_ = true;
}

void PanelDefinitions::Finish()
{
    if (!held_ || head_.empty())
        return;
    const std::string_view text = head_;
    if (text.front() == '[')
        TakeSectionName(text.substr(1));
    else if (section_ == Section::Strings)
        TakeString(text);
    else
        TakeAlias(text);
}

void PanelDefinitions::TakeSectionName(std::string_view text)
{
    const std::string name = AsciiLowerCase(Trimmed(text.substr(0, text.find(']'))));
    section_ = name == "strings" ? Section::Strings : name == "fltsim" ? Section::Simulation : Section::Other;
}

void PanelDefinitions::TakeString(std::string_view text)
{
    std::string_view name;
    if (text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        if (close == std::string_view::npos)
            return;
        name = text.substr(1, close - 1);
        text = Trimmed(text.substr(close + 1));
        if (text.empty() || text.front() != '=')
            return;
        text.remove_prefix(1);
    } else {
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos)
            return;
        name = Trimmed(text.substr(0, equals));
        text.remove_prefix(equals + 1);
    }
    std::string_view value = Trimmed(text);
    // A name ends at the value's first ',' or '!', wherever the value is
    // put: what follows is not kept.
    const std::size_t cut = value.find_first_of(",!");
    if (cut == std::string_view::npos && textBeyondHead_)
        return;
    value = value.substr(0, cut);
    if (FitsAName(name) && value.size() <= kLongestGaugeName)
        strings_.emplace(AsciiLowerCase(name), std::string(value) + (cut == std::string_view::npos ? "" : ","));
}

void PanelDefinitions::TakeAlias(std::string_view text)
{
    const std::size_t equals = text.find('=');
    if (!alias_.empty() || textBeyondHead_ || equals == std::string_view::npos ||
        AsciiLowerCase(Trimmed(text.substr(0, equals))) != "alias")
        return;
    if (const std::string_view alias = Trimmed(text.substr(equals + 1)); FitsAName(alias))
        alias_ = alias;
}

std::string PanelDefinitions::WithStrings(const std::string& name) const
{
    std::string text;
    std::size_t at = 0;
    while (at < name.size()) {
        const std::size_t open = name.find('%', at);
        const std::size_t close = open == std::string::npos ? open : name.find('%', open + 1);
        if (close == std::string::npos) {
            text.append(name, at);
            break;
        }
        text.append(name, at, open - at);
        const auto found = strings_.find(AsciiLowerCase(std::string_view(name).substr(open + 1, close - open - 1)));
        if (found != strings_.end())
            text += found->second;
        else
            text.append(name, open, close + 1 - open);
        at = close + 1;
    }
    return std::string(Trimmed(std::string_view(text).substr(0, text.find_first_of(",!"))));
}

}  // namespace dalvorn
