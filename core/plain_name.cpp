#include "plain_name.h"

#include "file_system.h"
#include "text_case.h"

namespace dalvorn {

namespace {

bool IsForbiddenCharacter(char c)
{
    static const std::string_view kForbidden = "\\/:*?\"<>|";
    return static_cast<unsigned char>(c) < 0x20 || kForbidden.find(c) != std::string_view::npos;
}

// The second byte of a double-byte character may be any byte, a backslash
// included, and is part of the character.
bool HasCharacter(const FileSystem& fileSystem, std::string_view name, bool (*isSought)(char))
{
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (fileSystem.Names().IsLeadByte(name[i]) && i + 1 < name.size())
            ++i;
        else if (isSought(name[i]))
            return true;
    }
    return false;
}

// Windows takes "aux", "Aux.gau" and "aux .tar.gau" alike for the device.
bool IsDeviceName(std::string_view name)
{
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL"})
        if (EqualsIgnoringAsciiCase(base, device))
            return true;
    if (base.size() != 4 || base[3] < '1' || base[3] > '9')
        return false;
    return EqualsIgnoringAsciiCase(base.substr(0, 3), "COM") || EqualsIgnoringAsciiCase(base.substr(0, 3), "LPT");
}

}  // namespace

bool IsPlainName(const FileSystem& fileSystem, std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ')
        return false;
    return !HasCharacter(fileSystem, name, IsForbiddenCharacter) && !IsDeviceName(name);
}

bool HasPlainName(const FileSystem& fileSystem, const DirectoryEntry& entry)
{
    return entry.nameIsExact && IsPlainName(fileSystem, entry.name);
}

bool StaysInItsFolder(const FileSystem& fileSystem, const DirectoryEntry& entry)
{
    const std::string& name = entry.name;
    return entry.nameIsExact && !name.empty() && name != "." && name != ".." &&
           !HasCharacter(fileSystem, name, [](char c) { return c == '\\' || c == '/'; });
}

}  // namespace dalvorn
