// Moving one file with kernel32: only a regular file reached by its own
// name, never replacing anything, and between volumes through a whole copy
// that is removed again when any step fails.

#include <windows.h>

#include <string>

#include "win32_text.h"
#include "win32_file_system.h"
#include "win32_handle.h"

namespace dalvorn {

namespace {

const int kCopyNames = 100;
const DWORD kLongestPath = 32768;

// A drive path the system takes unchanged after the long-path prefix: no
// forward slashes, no doubled separators, no "." or ".." components.
bool TakesLongPathPrefix(const std::wstring& path)
{
    return path.size() > 3 && path[1] == L':' && path[2] == L'\\' && path.find(L'/') == std::wstring::npos &&
           path.find(L"\\\\") == std::wstring::npos && path.find(L"\\.") == std::wstring::npos;
}

// The wide form of a path; one of MAX_PATH or more characters gets the
// long-path prefix, which the ANSI functions lack.
std::wstring SystemPath(const std::string& path)
{
    std::wstring wide = WideFromCodePage(CP_ACP, path);
    if (wide.size() >= MAX_PATH && TakesLongPathPrefix(wide))
        return L"\\\\?\\" + wide;
    return wide;
}

// The path the system resolved an open file or folder to, or empty. Only
// from Vista on, and only needed under Wine, whose Unix links show as files.
std::wstring ResolvedPath(const std::wstring& path)
{
    using Query = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    static const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleW")));
    FileHandle entry(OpenForQuery(path.c_str(), FILE_FLAG_OPEN_REPARSE_POINT));
    if (!query || !entry.IsValid() || GetFileType(entry.Get()) != FILE_TYPE_DISK)
        return std::wstring();
    std::wstring resolved(kLongestPath, L'\0');
    const DWORD length = query(entry.Get(), &resolved[0], kLongestPath, 0);
    resolved.resize(length < kLongestPath ? length : 0);
    return resolved;
}

std::wstring UpperCase(std::wstring text)
{
    if (!text.empty())
        CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The resolved path of a folder, without a separator at its end.
std::wstring ResolvedFolder(const std::wstring& folder)
{
    std::wstring resolved = ResolvedPath(folder);
    if (!resolved.empty() && resolved.back() == L'\\')
        resolved.pop_back();
    return resolved;
}

// Wine opens a Unix link (and a pipe) as what it leads to: the entry `name`
// of a folder is itself only when the system resolves it to the folder's
// resolved path followed by that name.
bool IsReachedByItsOwnName(const std::wstring& resolvedFolder, const std::wstring& path, const std::wstring& name)
{
    const std::wstring entry = ResolvedPath(path);
    const std::size_t folderLength = resolvedFolder.size();
    return folderLength != 0 && entry.size() == folderLength + 1 + name.size() &&
           entry.compare(0, folderLength, resolvedFolder) == 0 && entry[folderLength] == L'\\' &&
           UpperCase(entry.substr(folderLength + 1)) == UpperCase(name);
}

// Looks at the entry itself, never what a link leads to.
MoveOutcome::Status StatusOfEntry(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? MoveOutcome::Status::SourceMissing
                                                      : MoveOutcome::Status::NotRegularFile;
    if ((attributes & kNotRegularFileAttributes) != 0)
        return MoveOutcome::Status::NotRegularFile;
    const std::size_t separator = path.find_last_of(L"\\/");
    if (RunsUnderWine() && (separator == std::wstring::npos ||
                            !IsReachedByItsOwnName(ResolvedFolder(path.substr(0, separator + 1)), path,
                                                   path.substr(separator + 1))))
        return MoveOutcome::Status::NotRegularFile;
    return MoveOutcome::Status::Moved;
}

MoveOutcome OutcomeOfError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    default:
        return MoveOutcome::FailedBecause(Win32ErrorText(error));
    }
}

// A file this move made, removed whatever its attributes.
void RemoveOwnFile(const std::wstring& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

// True when what was written to the file is on the disk.
bool Flush(const std::wstring& path)
{
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.IsValid() && FlushFileBuffers(file.Get());
}

// A whole copy, with the source's modification time, beside the target under
// a name nothing has yet: `<target>.moving`, then `.moving1` and on. Returns
// 0 or the error, with no copy left on failure.
DWORD CopyBesideTarget(const std::wstring& source, const std::wstring& target, std::wstring& copy)
{
    for (int attempt = 0; attempt < kCopyNames; ++attempt) {
        copy = target + L".moving" + (attempt == 0 ? std::wstring() : std::to_wstring(attempt));
        if (CopyFileW(source.c_str(), copy.c_str(), TRUE) &&
            SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_NORMAL) && Flush(copy.c_str()))
            return 0;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            RemoveOwnFile(copy);
            return error;
        }
    }
    return ERROR_FILE_EXISTS;
}

// The copy takes the gauge's name only once it is whole, and the source goes
// only once the copy has its name. Whatever fails removes the copy. Wine
// reports a removal it could not make (an immutable file) as done, so the
// source's name is looked at again.
MoveOutcome MoveAcrossVolumes(const std::wstring& source, const std::wstring& target)
{
    const DWORD attributes = GetFileAttributesW(source.c_str());
    std::wstring copy;
    DWORD error = CopyBesideTarget(source, target, copy);
    if (error)
        return OutcomeOfError(error);
    if (!MoveFileExW(copy.c_str(), target.c_str(), 0)) {
        error = GetLastError();
        RemoveOwnFile(copy);
        return OutcomeOfError(error);
    }
    SetFileAttributesW(target.c_str(), attributes);
    SetFileAttributesW(source.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    const bool removed = DeleteFileW(source.c_str()) != FALSE;
    error = removed ? 0 : GetLastError();
    if (!removed || GetFileAttributesW(source.c_str()) != INVALID_FILE_ATTRIBUTES) {
        SetFileAttributesW(source.c_str(), attributes);
        RemoveOwnFile(target);
        return MoveOutcome::FailedBecause(error ? Win32ErrorText(error)
                                                : "the gauge could not be removed from its folder");
    }
    return MoveOutcome::Done();
}

}  // namespace

std::vector<std::string> Win32FileSystem::ConfirmedRegularFiles(const std::string& folder,
                                                                std::vector<std::string> names) const
{
    if (!RunsUnderWine())
        return names;
    const std::wstring resolvedFolder = ResolvedFolder(SystemPath(folder + '\\'));
    std::vector<std::string> confirmed;
    for (std::string& name : names) {
        const std::wstring wideName = WideFromCodePage(CP_ACP, name);
        if (IsReachedByItsOwnName(resolvedFolder, SystemPath(folder + '\\' + name), wideName))
            confirmed.push_back(std::move(name));
    }
    return confirmed;
}

MoveOutcome Win32FileSystem::MoveRegularFile(const std::string& from, const std::string& to)
{
    const std::wstring source = SystemPath(from);
    const std::wstring target = SystemPath(to);
    const MoveOutcome::Status status = StatusOfEntry(source);
    if (status != MoveOutcome::Status::Moved)
        return MoveOutcome::Refused(status);
    if (MoveFileExW(source.c_str(), target.c_str(), 0))
        return MoveOutcome::Done();
    const DWORD error = GetLastError();
    if (error == ERROR_NOT_SAME_DEVICE)
        return MoveAcrossVolumes(source, target);
    return OutcomeOfError(error);
}

}  // namespace dalvorn
