// Feeds arbitrary bytes to the reader of Wine's registry files.
//
// Input: byte 0 chooses how the rest is used. Even: the rest is a registry
// file, searched for the simulator's folder and for a key and value named by
// its own first two lines; whatever is found must be well-formed UTF-8 text
// without NUL, and a registered folder never empty nor longer than 254
// characters. Odd: the rest is UTF-16 text, written into a registry file as
// Wine escapes it and read back; it must come back whole (up to a NUL) as
// UTF-8, or not at all when it holds a lone surrogate. glibc's iconv is the
// independent judge of both encodings.

#include <iconv.h>

#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/linux/wine_registered_simulator_folder.h"
#include "platform/linux/wine_registry_file.h"

namespace dalvorn::fuzz {
namespace {

const char kSimulatorKey[] = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
const char kFolderValue[] = "EXE Path";

// glibc's converters between UTF-8 and UTF-16LE, opened before the first
// input runs (so the fuzzer does not take them for leaks) and reset before
// each use.
class Converters {
public:
    Converters() : toUtf16_(iconv_open("UTF-16LE", "UTF-8")), toUtf8_(iconv_open("UTF-8", "UTF-16LE")) {}
    ~Converters()
    {
        iconv_close(toUtf16_);
        iconv_close(toUtf8_);
    }
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;

    std::optional<std::string> Utf16FromUtf8(const std::string& text) const { return Convert(toUtf16_, text); }
    std::optional<std::string> Utf8FromUtf16(const std::string& text) const { return Convert(toUtf8_, text); }

private:
    // Nothing when the input is not valid in the converter's source encoding.
    static std::optional<std::string> Convert(iconv_t converter, const std::string& input)
    {
        Check(converter != reinterpret_cast<iconv_t>(-1), "iconv knows UTF-8 and UTF-16LE");
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 2 + 16, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        if (result == static_cast<std::size_t>(-1) || inLeft != 0)
            return std::nullopt;
        output.resize(output.size() - outLeft);
        return output;
    }

    iconv_t toUtf16_;
    iconv_t toUtf8_;
};

const Converters kConverters;

void CheckIsText(const std::optional<std::string>& found)
{
    if (!found)
        return;
    Check(found->find('\0') == std::string::npos, "found text holds no NUL");
    Check(kConverters.Utf16FromUtf8(*found).has_value(), "found text is well-formed UTF-8");
}

std::size_t CharacterCount(const std::string& utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string_view NextLine(std::string_view& text)
{
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

void SearchDamagedFile(std::string_view text)
{
    const std::optional<std::string> folder = RegisteredSimulatorPathInWineRegistry(text);
    CheckIsText(folder);
    if (folder)
        Check(!folder->empty() && CharacterCount(*folder) <= kMaxRegisteredFolderLength,
              "a registered folder has 1 to 254 characters");
    CheckIsText(FindWineRegistryString(text, kSimulatorKey, kFolderValue));

    std::string_view rest = text;
    const std::string_view key = NextLine(rest);
    const std::string_view value = NextLine(rest);
    CheckIsText(FindWineRegistryString(rest, key, value));
}

// The text as Wine writes a string: printable ASCII as is, backslash and
// quote escaped, everything else as four hex digits.
std::string Escaped(const std::u16string& text)
{
    static const char kHex[] = "0123456789abcdef";
    std::string escaped;
    for (const char16_t unit : text) {
        if (unit == u'\\' || unit == u'"') {
            escaped += '\\';
            escaped += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            escaped += static_cast<char>(unit);
        } else {
            escaped += "\\x";
            for (int shift = 12; shift >= 0; shift -= 4)
                escaped += kHex[(unit >> shift) & 0xF];
        }
    }
    return escaped;
}

void RoundTrip(std::uint8_t form, std::string_view bytes)
{
    static const char* const kForms[] = {"\"", "str:\"", "str(2):\""};
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                      (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    const std::string file = "WINE REGISTRY Version 2\n\n"
                             "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\8.0] 1700000000\n"
                             "\"EXE Path\"=" + std::string(kForms[form % 3]) + Escaped(text) + "\"\n";

    const std::u16string beforeNul = text.substr(0, text.find(u'\0'));
    std::string utf16le;
    for (const char16_t unit : beforeNul) {
        utf16le += static_cast<char>(unit & 0xFF);
        utf16le += static_cast<char>(unit >> 8);
    }
    const std::optional<std::string> expected = kConverters.Utf8FromUtf16(utf16le);
    Check(FindWineRegistryString(file, kSimulatorKey, kFolderValue) == expected,
          "a string Wine wrote reads back as its UTF-8 text");
}

}  // namespace
}  // namespace dalvorn::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace dalvorn::fuzz;
    if (size < 1)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        SearchDamagedFile(rest);
    else
        RoundTrip(data[0] / 2, rest);
    return 0;
}
