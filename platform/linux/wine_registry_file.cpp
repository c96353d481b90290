#include "wine_registry_file.h"

#include <algorithm>

#include "core/text_case.h"
#include "core/text_encoding.h"

namespace dalvorn {

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return AsciiLower(c) - 'a' + 10;
}

bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// The character a backslash and a letter stand for, or 0 when the letter is
// not one of the named escapes.
char16_t NamedEscape(char letter)
{
    switch (letter) {
    case 'a': return u'\a';
    case 'b': return u'\b';
    case 'e': return u'\x1b';
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    case 'v': return u'\v';
    default: return 0;
    }
}

// Reads one escape sequence; `position` is just past its backslash and must
// be inside `text`.
char16_t ReadEscape(std::string_view text, std::size_t& position)
{
    const char letter = text[position++];
    if (const char16_t named = NamedEscape(letter))
        return named;
    if (letter == 'x') {
        if (position >= text.size() || !IsHexDigit(text[position]))
            return u'x';
        unsigned value = 0;
        for (int digits = 0; digits < 4 && position < text.size() && IsHexDigit(text[position]); ++digits)
            value = value * 16 + HexValue(text[position++]);
        return static_cast<char16_t>(value);
    }
    if (IsOctalDigit(letter)) {
        unsigned value = static_cast<unsigned>(letter - '0');
        for (int digits = 1; digits < 3 && position < text.size() && IsOctalDigit(text[position]); ++digits)
            value = value * 8 + static_cast<unsigned>(text[position++] - '0');
        return static_cast<char16_t>(value);
    }
    // Any other escaped character stands for itself: \\ \" \[ \].
    return static_cast<char16_t>(static_cast<unsigned char>(letter));
}

// Reads an escaped string from `position` up to the unescaped `closing`
// character and moves `position` past it. Nothing when the closing character
// is missing or a raw byte is not ASCII (the registry writes those escaped).
std::optional<std::u16string> ReadEscapedString(std::string_view text, std::size_t& position, char closing)
{
    std::u16string result;
    while (position < text.size()) {
        const char c = text[position++];
        if (c == closing)
            return result;
        if (static_cast<unsigned char>(c) >= 0x80)
            return std::nullopt;
        if (c != '\\') {
            result += static_cast<char16_t>(c);
            continue;
        }
        if (position >= text.size())
            return std::nullopt;
        result += ReadEscape(text, position);
    }
    return std::nullopt;
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-16 text up to its first NUL as UTF-8; nothing for a lone surrogate,
// which no host file name can hold.
std::optional<std::string> Utf8FromUtf16(const std::u16string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size() && text[i] != 0; ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            const char32_t code = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            AppendUtf8(code, out);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            return std::nullopt;
        } else {
            AppendUtf8(unit, out);
        }
    }
    return out;
}

bool NameMatches(const std::optional<std::u16string>& name, std::string_view wanted)
{
    if (!name || name->find(u'\0') != std::u16string::npos)
        return false;
    const std::optional<std::string> utf8 = Utf8FromUtf16(*name);
    return utf8 && EqualsIgnoringAsciiCase(*utf8, wanted);
}

void SkipBlanks(std::string_view text, std::size_t& position)
{
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t'))
        ++position;
}

bool StartsWith(std::string_view text, std::size_t position, std::string_view prefix)
{
    return text.substr(position, prefix.size()) == prefix;
}

// The string held by the data part of a value line ("..." for REG_SZ,
// str:"..." likewise, str(2):"..." for REG_EXPAND_SZ); nothing for any other
// type.
std::optional<std::string> ReadStringData(std::string_view line, std::size_t position)
{
    static constexpr std::string_view kStringForms[] = {"\"", "str:\"", "str(2):\""};
    for (const std::string_view form : kStringForms) {
        if (!StartsWith(line, position, form))
            continue;
        position += form.size();
        const std::optional<std::u16string> text = ReadEscapedString(line, position, '"');
        if (!text)
            return std::nullopt;
        return Utf8FromUtf16(*text);
    }
    return std::nullopt;
}

// The name of the value a line defines, with `position` moved to the start
// of its data; nothing when the line is not a well-formed value line.
std::optional<std::u16string> ReadValueName(std::string_view line, std::size_t& position)
{
    const bool isDefault = line[position++] == '@';
    std::optional<std::u16string> name = isDefault ? std::u16string() : ReadEscapedString(line, position, '"');
    if (!name)
        return std::nullopt;
    SkipBlanks(line, position);
    if (position >= line.size() || line[position] != '=')
        return std::nullopt;
    ++position;
    SkipBlanks(line, position);
    return name;
}

}  // namespace

std::optional<std::string> FindWineRegistryString(std::string_view fileText, std::string_view keyPath,
                                                  std::string_view valueName)
{
    bool inWantedKey = false;
    // Binary data may go on over several lines, each but the last ending
    // with a backslash; those lines are not values of their own.
    bool continuation = false;
    for (std::size_t start = 0; start < fileText.size();) {
        const std::size_t end = std::min(fileText.find('\n', start), fileText.size());
        std::string_view line = fileText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool continues = !line.empty() && line.back() == '\\';
        if (continuation) {
            continuation = continues;
            continue;
        }
        std::size_t position = 0;
        SkipBlanks(line, position);
        if (position >= line.size())
            continue;
        if (line[position] == '[') {
            ++position;
            inWantedKey = NameMatches(ReadEscapedString(line, position, ']'), keyPath);
            continue;
        }
        if (line[position] != '"' && line[position] != '@')
            continue;
        continuation = continues;
        if (!inWantedKey)
            continue;
        if (NameMatches(ReadValueName(line, position), valueName))
            return ReadStringData(line, position);
    }
    return std::nullopt;
}

}  // namespace dalvorn
