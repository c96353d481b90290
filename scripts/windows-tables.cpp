// Asks Windows (or Wine) how it spells and compares names, and prints the two
// tables the native build keeps as data:
//   best-fit  every UTF-16 character that WideCharToMultiByte turns into a
//             Windows-1252 byte standing for another character;
//   name-case every character that the file lookup's upper-casing
//             (RtlUpcaseUnicodeChar) puts with a character of Windows-1252,
//             and the spelling CharLowerBuffA gives that class.
// Built and run by scripts/make-windows-tables.

#include <windows.h>

#include <cstdio>
#include <map>
#include <string_view>

namespace {

using Upcase = WCHAR(WINAPI*)(WCHAR);

const UINT kCodePage = 1252;

bool IsSurrogate(unsigned unit)
{
    return unit >= 0xD800 && unit <= 0xDFFF;
}

WCHAR Decode(unsigned char byte)
{
    WCHAR wide = 0;
    const char narrow = static_cast<char>(byte);
    MultiByteToWideChar(kCodePage, 0, &narrow, 1, &wide, 1);
    return wide;
}

void PrintBestFit()
{
    for (unsigned unit = 0x80; unit <= 0xFFFF; ++unit) {
        if (IsSurrogate(unit))
            continue;
        const WCHAR wide = static_cast<WCHAR>(unit);
        char narrow[4] = {};
        BOOL usedDefault = FALSE;
        const int length = WideCharToMultiByte(kCodePage, 0, &wide, 1, narrow, sizeof narrow, nullptr, &usedDefault);
        const auto byte = static_cast<unsigned char>(narrow[0]);
        if (length == 1 && !usedDefault && Decode(byte) != wide)
            std::printf("{0x%04X, 0x%02X},\n", unit, byte);
    }
}

void PrintNameCase(Upcase upcase)
{
    // Upper-case form -> the spelling of its class in the Windows build's keys.
    std::map<WCHAR, WCHAR> classes;
    for (unsigned value = 0x20; value <= 0xFF; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        char lowered = static_cast<char>(byte);
        CharLowerBuffA(&lowered, 1);
        const WCHAR spelling = Decode(static_cast<unsigned char>(lowered));
        const auto inserted = classes.emplace(upcase(Decode(byte)), spelling);
        if (!inserted.second && inserted.first->second != spelling)
            std::fprintf(stderr, "two spellings for one class: U+%04X U+%04X\n", inserted.first->second, spelling);
    }
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        if (IsSurrogate(unit))
            continue;
        const auto found = classes.find(upcase(static_cast<WCHAR>(unit)));
        if (found != classes.end() && found->second != unit)
            std::printf("{0x%04X, 0x%04X},\n", unit, found->second);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const auto upcase =
        reinterpret_cast<Upcase>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlUpcaseUnicodeChar")));
    if (argc != 2 || upcase == nullptr) {
        std::fprintf(stderr, "usage: windows-tables best-fit|name-case\n");
        return 2;
    }
    if (std::string_view(argv[1]) == "best-fit")
        PrintBestFit();
    else
        PrintNameCase(upcase);
    return 0;
}
