#include "win32_move.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "entry_at_name.h"
#include "nt_file_calls.h"
#include "partial_copy_name.h"
#include "wide_text.h"
#include "win32_error_text.h"
#include "win32_handle.h"

namespace dalvorn {

namespace {

const DWORD kCopyBufferSize = 1 << 16;
const char kNoFreePartialName[] = "every name for a partial copy beside the destination is taken";
const char kSourceNotRemoved[] = "the gauge could not be removed from its folder";

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

// The number of names the file has, or 0 when it cannot be told.
ULONG LinkCountOf(const std::wstring& path)
{
    FileHandle file(OpenForQuery(path.c_str()));
    return file.IsValid() ? LinkCountOfOpenFile(file.Get()) : 0;
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
// All through the handle of the source's checked entry.
MoveOutcome FinishLinkedMove(HANDLE entry, const std::wstring& source, const std::wstring& target)
{
    const std::wstring aside = PartialCopyName(source, 0);
    if (const DWORD error = RenameOpenFile(entry, aside))
        return OutcomeOfError(error);
    const auto targetInformation = InformationOf(target);
    const auto asideInformation = InformationOf(aside);
    if (!targetInformation || !asideInformation || !SameFile(*targetInformation, *asideInformation)) {
        RenameOpenFile(entry, source);
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    }
    if (const DWORD error = DeleteOpenFile(entry)) {
        RenameOpenFile(entry, source);
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
MoveOutcome ConfirmMoved(HANDLE entry, const std::wstring& source, const std::wstring& target)
{
    const ULONG links = LinkCountOf(target);
    if (links == 0)
        return MoveOutcome::FailedBecause("the file did not arrive in the destination folder");
    // Only a file with several names can still be at the source; checking
    // the source is costly on some systems, so it is done only then.
    if (links > 1 && AreLinksOfOneFile(source, target))
        return FinishLinkedMove(entry, source, target);
    return MoveOutcome::Done();
}

// The two files of a move between volumes.
struct CopiedFile {
    BY_HANDLE_FILE_INFORMATION source;
    BY_HANDLE_FILE_INFORMATION copy;
};

// A new file beside the target for the copy, never one that exists already
// (a name in the destination folder may be anybody's). Invalid with
// `error` 0 when every partial copy name is taken.
HANDLE CreatePartialCopy(const std::wstring& target, DWORD& error)
{
    for (int attempt = 0; attempt < kPartialCopyNames; ++attempt) {
        const HANDLE copy = CreateFileW(PartialCopyName(target, attempt).c_str(), GENERIC_WRITE | DELETE | SYNCHRONIZE,
                                        0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (copy != INVALID_HANDLE_VALUE)
            return copy;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return INVALID_HANDLE_VALUE;
    }
    error = 0;
    return INVALID_HANDLE_VALUE;
}

// The content and the modification time. Returns 0 or the error.
DWORD CopyContent(HANDLE source, HANDLE copy)
{
    std::vector<char> buffer(kCopyBufferSize);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(source, buffer.data(), kCopyBufferSize, &got, nullptr))
            return GetLastError();
        if (got == 0)
            break;
        DWORD written = 0;
        if (!WriteFile(copy, buffer.data(), got, &written, nullptr))
            return GetLastError();
        if (written != got)
            return ERROR_DISK_FULL;
    }
    FILETIME created;
    FILETIME accessed;
    FILETIME written;
    if (!GetFileTime(source, &created, &accessed, &written) || !SetFileTime(copy, nullptr, nullptr, &written))
        return GetLastError();
    return 0;
}

// The copy takes the gauge's name only once it is whole; the source goes
// only once the copy has its name. Whatever fails undoes what came before.
// Everything is done through handles to the files checked and made, so no
// name can be swapped for another file on the way. The source is removed
// when its handle closes; `files` describes both.
MoveOutcome MoveAcrossVolumes(const EntryAtName& source, const std::wstring& target, CopiedFile& files)
{
    DWORD error = GetFileInformationByHandle(source.Handle(), &files.source) ? 0 : GetLastError();
    if (error)
        return OutcomeOfError(error);
    FileHandle copy(CreatePartialCopy(target, error));
    if (!copy.IsValid())
        return error ? OutcomeOfError(error) : MoveOutcome::FailedBecause(kNoFreePartialName);
    error = CopyContent(source.Handle(), copy.Get());
    if (!error)
        error = RenameOpenFile(copy.Get(), target);
    if (!error && !GetFileInformationByHandle(copy.Get(), &files.copy))
        error = GetLastError();
    if (!error)
        error = DeleteOpenFile(source.Handle());
    if (error) {
        DeleteOpenFile(copy.Get());
        return OutcomeOfError(error);
    }
    return MoveOutcome::Done();
}

// Wine reports a removal it could not make (an immutable file) as done:
// once the source's handle is closed, its name must no longer lead to it.
// When it still does, the copy goes again.
MoveOutcome ConfirmRemoved(const CopiedFile& files, const std::wstring& source, const std::wstring& target)
{
    const auto remaining = InformationOf(source);
    if (!remaining || !SameFile(*remaining, files.source))
        return MoveOutcome::Done();
    const EntryAtName copy(target);
    const auto arrived = copy.Information();
    if (arrived && SameFile(*arrived, files.copy))
        DeleteOpenFile(copy.Handle());
    return MoveOutcome::FailedBecause(kSourceNotRemoved);
}

// The entry is a regular file reached by its own name; `copied` is set
// when the move copied it to another volume.
MoveOutcome MoveCheckedEntry(const EntryAtName& entry, const std::wstring& source, const std::wstring& target,
                             std::optional<CopiedFile>& copied)
{
    // Renamed through the handle checked: the system's own move would
    // follow a link that appeared at the name meanwhile.
    const DWORD error = RenameOpenFile(entry.Handle(), target);
    if (!error)
        return ConfirmMoved(entry.Handle(), source, target);
    if (error == ERROR_NOT_SAME_DEVICE) {
        copied.emplace();
        return MoveAcrossVolumes(entry, target, *copied);
    }
    if ((error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) && AreLinksOfOneFile(source, target))
        return FinishLinkedMove(entry.Handle(), source, target);
    return OutcomeOfError(error);
}

}  // namespace

MoveOutcome MoveFileWithoutLoss(const std::string& from, const std::string& to)
{
    const std::wstring source = SystemPath(from);
    const std::wstring target = SystemPath(to);
    std::optional<CopiedFile> copied;
    MoveOutcome outcome;
    {
        const EntryAtName entry(source);
        if (!entry.IsOpen())
            return OutcomeOfError(entry.OpenError());
        const std::string refusal = entry.WhyNotRegularFile();
        if (!refusal.empty())
            return MoveOutcome::FailedBecause(refusal);
        outcome = MoveCheckedEntry(entry, source, target, copied);
    }
    if (outcome.Succeeded() && copied)
        return ConfirmRemoved(*copied, source, target);
    return outcome;
}

}  // namespace dalvorn
