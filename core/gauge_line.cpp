#include "gauge_line.h"

#include "text_case.h"

namespace dalvorn {

namespace {

constexpr std::string_view kGaugeLinePrefix = "gauge";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The simulator reads a line as a C string: nothing after a NUL counts.
const char kEndOfText = '\0';

// A character that is part of a name whatever comes before it.
bool IsPlainNameCharacter(char c)
{
    return c != '=' && c != ',' && c != '!' && c != kEndOfText && !IsBlank(c);
}

}  // namespace

void GaugeLine::Start()
{
    stage_ = Stage::Indent;
    prefixMatched_ = 0;
    equalsSeen_ = false;
    StartName();
}

void GaugeLine::StartName()
{
    nameCut_ = false;
    nameTooLong_ = false;
    name_.clear();
    blanks_.clear();
}

void GaugeLine::Feed(std::string_view part)
{
    for (std::size_t i = 0; i < part.size(); ++i) {
        const char c = part[i];
        switch (stage_) {
        case Stage::Indent:
            if (IsBlank(c))
                break;
            stage_ = Stage::Prefix;
            [[fallthrough]];
        case Stage::Prefix:
            if (AsciiLower(c) != kGaugeLinePrefix[prefixMatched_]) {
                stage_ = Stage::NotAGaugeLine;
                return;
            }
            // Without an '=' the whole line is the name, prefix included.
            TakeNameText(part.substr(i, 1));
            if (++prefixMatched_ == kGaugeLinePrefix.size())
                stage_ = Stage::Name;
            break;
        case Stage::Name:
            if (nameCut_ && !equalsSeen_) {
                // Only an '=' can still change the name, or a NUL end it.
                i = part.find_first_of(std::string_view("=\0", 2), i);
                if (i == std::string_view::npos)
                    return;
            }
            if (IsPlainNameCharacter(part[i])) {
                std::size_t end = i + 1;
                while (end < part.size() && IsPlainNameCharacter(part[end]))
                    ++end;
                TakeNameText(part.substr(i, end - i));
                i = end - 1;
            } else {
                FeedName(part[i]);
            }
            break;
        case Stage::NotAGaugeLine:
        case Stage::Decided:
            return;
        }
    }
}

void GaugeLine::FeedName(char c)
{
    if (c == kEndOfText) {
        stage_ = Stage::Decided;
    } else if (c == '=' && !equalsSeen_) {
        equalsSeen_ = true;
        StartName();
    } else if (c == ',' || c == '!') {
        nameCut_ = true;
        if (equalsSeen_)
            stage_ = Stage::Decided;
    } else if (IsBlank(c)) {
        // A run longer than any name is either trimmed or makes the name too
        // long; its length beyond that does not matter.
        if (!name_.empty() && blanks_.size() <= kLongestGaugeName)
            blanks_ += c;
    } else {
        TakeNameText(std::string_view(&c, 1));
    }
}

// Puts the blanks before the text into the name: they are inner ones now.
void GaugeLine::TakeNameText(std::string_view text)
{
    nameTooLong_ = nameTooLong_ || name_.size() + blanks_.size() + text.size() > kLongestGaugeName;
    if (nameTooLong_)
        name_.clear();
    else
        name_.append(blanks_).append(text);
    blanks_.clear();
}

bool GaugeLine::Finish(std::string& name) const
{
    if ((stage_ != Stage::Name && stage_ != Stage::Decided) || nameTooLong_)
        return false;
    name = name_;
    return true;
}

}  // namespace dalvorn
