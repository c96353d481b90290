#pragma once
// What a panel defines beside its gauge lines, for the gauge lines to use:
// - in a [Strings] section, lines "name"=value or name=value define strings
//   (name without its quotes, value without blanks at either end; names in
//   any ASCII letter case; the first definition of a name counts), which a
//   gauge line uses as %name%;
// - in an [fltsim] section, alias=PATH makes the aircraft use the panel of
//   another aircraft's folder (the first such line counts).
// A name, a value up to its first ',' or '!', or a PATH longer than any
// gauge's name (kLongestGaugeName) defines nothing.
// Section names are matched in any letter case, and a file may hold several
// sections of a name, anywhere. Lines come in parts, as GaugeLine takes
// them; only the start of a line is held, as much as a definition that can
// matter to a gauge's name needs.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace dalvorn {

class PanelDefinitions {
public:
    // Forgets the line before: the next part starts a new line.
    void Start();
    void Feed(std::string_view part);
    // Takes in what the line defines.
    void Finish();

    // The name a gauge line gives (GaugeLine's), with each %name% of a
    // defined string replaced by its value, then cut at the first ',' or
    // '!' and trimmed of blanks as the gauge rule cuts a line; an undefined
    // %name% stays as written.
    std::string WithStrings(const std::string& name) const;

    // The alias as the panel writes it, blanks trimmed; empty when none.
    const std::string& Alias() const { return alias_; }

private:
    enum class Section { Other, Strings, Simulation };

    void TakeSectionName(std::string_view text);
    void TakeString(std::string_view text);
    void TakeAlias(std::string_view text);

    Section section_ = Section::Other;
    bool decided_ = false;  // past the line's leading blanks
    bool held_ = false;     // the line's start is kept
    bool ended_ = false;    // a NUL ended the line's text
    bool textBeyondHead_ = false;
    std::string head_;
    std::map<std::string, std::string> strings_;  // lower-case name -> value
    std::string alias_;
};

}  // namespace dalvorn
