#include "win32_move.h"

#include <windows.h>

#include <optional>
#include <string>

#include "win32_error_text.h"
#include "wide_text.h"
#include "win32_handle.h"

namespace dalvorn {

namespace {

const wchar_t kCopySuffix[] = L".moving";
const int kPartialNameAttempts = 100;

// A drive path the system takes unchanged after the long-path prefix: no
// forward slashes, no doubled separators, no "." or ".." components.
bool TakesLongPathPrefix(const std::wstring& path)
{
    return path.size() > 3 && path[1] == L':' && path[2] == L'\\' && path.find(L'/') == std::wstring::npos &&
           path.find(L"\\\\") == std::wstring::npos && path.find(L"\\.") == std::wstring::npos;
}

// The wide form of a path; one of MAX_PATH or more characters gets the
// long-path prefix, as the ANSI functions refuse such paths (some only as
// their first argument), and move and restore must reach the same files.
std::wstring SystemPath(const std::string& path)
{
    std::wstring wide = WideFromCodePage(CP_ACP, path);
    if (wide.size() >= MAX_PATH && TakesLongPathPrefix(wide))
        return L"\\\\?\\" + wide;
    return wide;
}

// The entry itself, not what a link leads to: only two names of one file
// may count as the same file.
std::optional<BY_HANDLE_FILE_INFORMATION> InformationOf(const std::wstring& path)
{
    FileHandle file(OpenForQuery(path.c_str(), FILE_FLAG_OPEN_REPARSE_POINT));
    BY_HANDLE_FILE_INFORMATION information;
    if (!file.IsValid() || !GetFileInformationByHandle(file.Get(), &information))
        return std::nullopt;
    return information;
}

// The number of names the file has, or 0 when it cannot be told. Asked of
// the file itself, which is cheaper on some systems than the full
// information with its volume serial number.
ULONG LinkCountOf(const std::wstring& path)
{
    struct StandardInformation {
        LARGE_INTEGER allocationSize;
        LARGE_INTEGER endOfFile;
        ULONG numberOfLinks;
        BOOLEAN deletePending;
        BOOLEAN directory;
    };
    struct StatusBlock {
        ULONG_PTR status;
        ULONG_PTR information;
    };
    using QueryInformationFile = LONG(WINAPI*)(HANDLE, StatusBlock*, void*, ULONG, int);
    const int kFileStandardInformation = 5;
    static const auto query = reinterpret_cast<QueryInformationFile>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    FileHandle file(OpenForQuery(path.c_str()));
    StandardInformation information{};
    StatusBlock block{};
    if (!query || !file.IsValid() ||
        query(file.Get(), &block, &information, sizeof(information), kFileStandardInformation) < 0)
        return 0;
    return information.numberOfLinks;
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& left, const BY_HANDLE_FILE_INFORMATION& right)
{
    return left.dwVolumeSerialNumber == right.dwVolumeSerialNumber && left.nFileIndexHigh == right.nFileIndexHigh &&
           left.nFileIndexLow == right.nFileIndexLow;
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

// Both names lead to one file, as an interrupted move by linking leaves
// them: the move ends by removing the source's name. The name is first set
// aside, so that a destination that only led to it through a link (no
// second name of the file at all) shows as such and the name goes back.
MoveOutcome FinishLinkedMove(const std::wstring& source, const std::wstring& target)
{
    const std::wstring aside = source + kCopySuffix;
    if (!MoveFileExW(source.c_str(), aside.c_str(), 0))
        return OutcomeOfError(GetLastError());
    const auto targetInformation = InformationOf(target);
    const auto asideInformation = InformationOf(aside);
    if (!targetInformation || !asideInformation || !SameFile(*targetInformation, *asideInformation)) {
        MoveFileExW(aside.c_str(), source.c_str(), 0);
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    }
    if (!DeleteFileW(aside.c_str())) {
        const DWORD error = GetLastError();
        MoveFileExW(aside.c_str(), source.c_str(), 0);
        return OutcomeOfError(error);
    }
    return MoveOutcome::Done();
}

bool AreLinksOfOneFile(const std::wstring& source, const std::wstring& target)
{
    const auto sourceInformation = InformationOf(source);
    const auto targetInformation = InformationOf(target);
    return sourceInformation && targetInformation && sourceInformation->nNumberOfLinks > 1 &&
           SameFile(*sourceInformation, *targetInformation);
}

// After the system reported success: the file must be at the destination,
// and a second name of it must not be left at the source.
MoveOutcome ConfirmMoved(const std::wstring& source, const std::wstring& target)
{
    const ULONG links = LinkCountOf(target);
    if (links == 0)
        return MoveOutcome::FailedBecause("the file did not arrive in the destination folder");
    // Only a file with several names can still be at the source; checking
    // the source is costly on some systems, so it is done only then.
    if (links > 1 && AreLinksOfOneFile(source, target))
        return FinishLinkedMove(source, target);
    return MoveOutcome::Done();
}

// Copies the source into a new file beside the target, never into one that
// exists already (a name in the destination folder may be anybody's); on
// success `partial` names the copy. A failed copy is removed.
MoveOutcome CopyToPartial(const std::wstring& source, const std::wstring& target, std::wstring& partial)
{
    for (int attempt = 0; attempt < kPartialNameAttempts; ++attempt) {
        partial = target + kCopySuffix + (attempt == 0 ? std::wstring() : std::to_wstring(attempt));
        if (CopyFileW(source.c_str(), partial.c_str(), TRUE))
            return MoveOutcome::Done();
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            // The copy got as far as its own new name: the remains are ours.
            DeleteFileW(partial.c_str());
            return OutcomeOfError(error);
        }
    }
    return OutcomeOfError(ERROR_FILE_EXISTS);
}

// The copy takes the gauge's name only once it is whole; the source goes
// only once the copy has its name. Whatever fails undoes what came before.
MoveOutcome MoveAcrossVolumes(const std::wstring& source, const std::wstring& target)
{
    std::wstring partial;
    MoveOutcome copied = CopyToPartial(source, target, partial);
    if (!copied.Succeeded())
        return copied;
    if (!MoveFileExW(partial.c_str(), target.c_str(), 0)) {
        const DWORD error = GetLastError();
        DeleteFileW(partial.c_str());
        return OutcomeOfError(error);
    }
    if (!DeleteFileW(source.c_str())) {
        const DWORD error = GetLastError();
        DeleteFileW(target.c_str());
        return OutcomeOfError(error);
    }
    return MoveOutcome::Done();
}

}  // namespace

MoveOutcome MoveFileWithoutLoss(const std::string& from, const std::string& to)
{
    const std::wstring source = SystemPath(from);
    const std::wstring target = SystemPath(to);
    // Without MOVEFILE_COPY_ALLOWED: a copy between volumes is made here,
    // where a failure can be cleaned up.
    if (MoveFileExW(source.c_str(), target.c_str(), 0))
        return ConfirmMoved(source, target);
    const DWORD error = GetLastError();
    if (error == ERROR_NOT_SAME_DEVICE)
        return MoveAcrossVolumes(source, target);
    if ((error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) && AreLinksOfOneFile(source, target))
        return FinishLinkedMove(source, target);
    return OutcomeOfError(error);
}

}  // namespace dalvorn
