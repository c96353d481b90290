#pragma once
// The gauge file a panel line names, found as the simulator finds it:
//   1. leading spaces and tabs are skipped;
//   2. a gauge line begins with "gauge" in any letter case;
//   3. the name is what follows the first '=' (the whole line without one),
//   4. up to the first ',' and then up to the first '!',
//   5. without spaces and tabs at either end;
// a NUL ends the line's text, as it ends the C string the simulator reads.
// "gauge00= Cessna!Airspeed, 10, 20" names "Cessna".
//
// The line may come in parts of any size. Only as much of it is held as a
// file name can be long: a longer name matches no gauge file.

#include <cstddef>
#include <string>
#include <string_view>

namespace dalvorn {

// A file name has at most 255 characters, none longer than three bytes in
// UTF-8 or two in a code page, and the conversion of panel text into the
// text of names keeps at least one byte of every four. A name of more bytes
// than this therefore names no gauge file, whatever the encoding.
inline constexpr std::size_t kLongestGaugeName = 4096;

class GaugeLine {
public:
    // Forgets the line before: the next part starts a new line.
    void Start();
    void Feed(std::string_view part);
    // The name the line gives, when it is a gauge line whose name can be
    // that of a file.
    bool Finish(std::string& name) const;

private:
    enum class Stage { Indent, Prefix, Name, NotAGaugeLine, Decided };

    void FeedName(char c);
    void TakeNameText(std::string_view text);
    void StartName();

    Stage stage_ = Stage::Indent;
    std::size_t prefixMatched_ = 0;
    bool equalsSeen_ = false;
    bool nameCut_ = false;  // a ',' or '!' ended the name
    bool nameTooLong_ = false;
    std::string name_;
    std::string blanks_;  // blanks after the name so far: inner ones unless it ends here
};

}  // namespace dalvorn
