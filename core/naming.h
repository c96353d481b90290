#pragma once
// How this platform spells, compares and orders the names of files: the text
// rules the scan, the panel reader and the move share, apart from the files
// themselves.

#include <string>

namespace dalvorn {

// The encoding of text read from a panel: the Windows code page (ANSI), or
// UTF-8 (a file that began with a byte-order mark).
enum class PanelTextEncoding { CodePage, Utf8 };

class Naming {
public:
    virtual ~Naming() = default;

    // Lower-cases a name in place as this platform's file lookup folds letter
    // case, so that equal keys name the same file.
    virtual void LowerCaseInPlace(std::string& text) const = 0;

    std::string LowerCase(std::string text) const
    {
        LowerCaseInPlace(text);
        return text;
    }

    // Panel text (whole characters) in the 8-bit text in which this platform
    // spells file names.
    virtual std::string NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const = 0;

    // True when the byte starts a double-byte character of the code page
    // names are written in; the byte after it belongs to that character.
    virtual bool IsLeadByte(char) const { return false; }

    // True when the text's last character is the path separator (a trail
    // byte of a double-byte character does not count).
    virtual bool EndsWithSeparator(const std::string& text) const = 0;

    // True when one name comes before the other in the order of their
    // characters' Unicode numbers, which every platform shares whatever
    // bytes spell them. Names in UTF-8, as Linux spells them, are in that
    // order byte by byte.
    virtual bool NamePrecedes(const std::string& left, const std::string& right) const { return left < right; }
};

}  // namespace dalvorn
