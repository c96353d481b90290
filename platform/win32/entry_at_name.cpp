#include "entry_at_name.h"

#include "nt_file_calls.h"

namespace dalvorn {

namespace {

const char kFolder[] = "it is a folder, not a file";
const char kLink[] = "it is a link; the file it leads to stays where it is";
const char kPipeOrDevice[] = "it is a pipe or a device, not a file";
const char kUnknown[] = "what it is cannot be told";

HANDLE OpenEntry(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ | DELETE | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

std::wstring UpperCase(std::wstring text)
{
    if (!text.empty())
        CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The system's name of the folder at `path`. A pass moves many files out of
// one folder, and asking costs a round trip to the Wine server or two: the
// last folder's name is kept. A folder swapped meanwhile only makes the
// check refuse.
std::wstring FolderObjectName(const std::wstring& path)
{
    static std::wstring lastPath;
    static std::wstring lastName;
    if (path != lastPath || lastName.empty()) {
        FileHandle folder(OpenForQuery(path.c_str()));
        lastName = folder.IsValid() ? ObjectNameOf(folder.Get()) : std::wstring();
        lastPath = path;
    }
    return lastName;
}

// Wine opens a Unix link as the file it leads to and reports no reparse
// point: the system's name of the handle then is not the folder's followed
// by the entry's own name. The folder's part is compared exactly (its
// spelling comes from the system both times), the entry's without regard
// to letter case.
// Nothing when the names cannot be had.
std::optional<bool> IsReachedByItsOwnName(HANDLE file, const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return std::nullopt;
    const std::wstring leaf = path.substr(separator + 1);
    const std::wstring folderPath = separator == 0 || path[separator - 1] == L':' ? path.substr(0, separator + 1)
                                                                                   : path.substr(0, separator);
    std::wstring prefix = FolderObjectName(folderPath);
    const std::wstring name = ObjectNameOf(file);
    if (prefix.empty() || name.empty())
        return std::nullopt;
    if (prefix.back() != L'\\')
        prefix += L'\\';
    return name.size() == prefix.size() + leaf.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           UpperCase(name.substr(prefix.size())) == UpperCase(leaf);
}

}  // namespace

EntryAtName::EntryAtName(const std::wstring& path)
    : path_(path), handle_(OpenEntry(path)), openError_(handle_.IsValid() ? 0 : GetLastError())
{
}

std::optional<BY_HANDLE_FILE_INFORMATION> EntryAtName::Information() const
{
    BY_HANDLE_FILE_INFORMATION information;
    if (!IsOpen() || !GetFileInformationByHandle(handle_.Get(), &information))
        return std::nullopt;
    return information;
}

std::string EntryAtName::WhyNotRegularFile() const
{
    if (GetFileType(handle_.Get()) != FILE_TYPE_DISK)
        return kPipeOrDevice;
    const std::optional<DWORD> attributes = AttributesOfOpenFile(handle_.Get());
    if (!attributes)
        return kUnknown;
    if (*attributes & FILE_ATTRIBUTE_DIRECTORY)
        return kFolder;
    if (*attributes & FILE_ATTRIBUTE_DEVICE)
        return kPipeOrDevice;
    if (*attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return kLink;
    const std::optional<bool> ownName = IsReachedByItsOwnName(handle_.Get(), path_);
    if (!ownName)
        return kUnknown;
    return *ownName ? std::string() : kLink;
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& left, const BY_HANDLE_FILE_INFORMATION& right)
{
    return left.dwVolumeSerialNumber == right.dwVolumeSerialNumber && left.nFileIndexHigh == right.nFileIndexHigh &&
           left.nFileIndexLow == right.nFileIndexLow;
}

}  // namespace dalvorn
