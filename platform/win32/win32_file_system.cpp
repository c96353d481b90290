#include "win32_file_system.h"

#include <windows.h>

#include <mbctype.h>
#include <mbstring.h>

#include "core/text_case.h"
#include "leftover_copies.h"
#include "platform/native_file_system.h"
#include "wide_folder_listing.h"
#include "wide_text.h"
#include "win32_error_text.h"
#include "win32_handle.h"
#include "win32_move.h"
#include "win32_readable_file.h"

namespace dalvorn {

Win32FileSystem::Win32FileSystem()
{
    // Names are in the system's ANSI code page; let the multibyte functions
    // know its lead bytes.
    _setmbcp(_MB_CP_ANSI);
}

bool Win32FileSystem::Exists(const std::string& path) const
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32FileSystem::Enumerate(const std::string& folder, const std::string& pattern,
                                const EntryVisitor& visit) const
{
    ListWideFolder(folder, pattern, visit);
}

bool Win32FileSystem::IsLeadByte(char byte) const
{
    // No code page leads a double-byte character with an ASCII byte.
    const auto value = static_cast<BYTE>(byte);
    return value >= 0x80 && IsDBCSLeadByte(value) != FALSE;
}

void Win32FileSystem::CreateFolder(const std::string& path)
{
    CreateDirectoryA(path.c_str(), nullptr);
}

namespace {

// Each move goes through the system's own lookup of both paths.
class Win32MovePass : public MovePass {
public:
    Win32MovePass(const std::string& source, const std::string& destination)
        : sourcePrefix_(source + '\\'), destinationPrefix_(destination + '\\')
    {
    }
    MoveOutcome Move(const std::string& name) override
    {
        return MoveFileWithoutLoss(sourcePrefix_ + name, destinationPrefix_ + name);
    }

private:
    std::string sourcePrefix_;
    std::string destinationPrefix_;
};

}  // namespace

namespace {

// Tells, folder by folder, which partial copies the pass removed.
void TellRemovedLeftovers(const std::vector<std::string>& paths, const std::string& source,
                          const std::string& destination, const MoveNotice& notice)
{
    for (const std::string& folder : {source, destination}) {
        const std::string prefix = folder + '\\';
        std::vector<std::string> names;
        for (const std::string& path : paths)
            if (path.compare(0, prefix.size(), prefix) == 0 && path.find('\\', prefix.size()) == std::string::npos)
                names.push_back(path.substr(prefix.size()));
        if (!names.empty())
            notice(RemovedLeftoversNotice(folder, names));
    }
}

}  // namespace

std::unique_ptr<MovePass> Win32FileSystem::OpenMovePass(const std::string& source, const std::string& destination,
                                                        const MoveNotice& notice)
{
    TellRemovedLeftovers(RemoveLeftoverCopies(source, destination), source, destination, notice);
    return std::make_unique<Win32MovePass>(source, destination);
}

std::unique_ptr<ReadableFile> Win32FileSystem::OpenForReading(const std::string& path) const
{
    return std::make_unique<Win32ReadableFile>(path);
}

namespace {

bool RunsUnderWine()
{
    static const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return underWine;
}

}  // namespace

std::optional<FolderIdentity> Win32FileSystem::IdentifyFolder(const std::string& path) const
{
    FileHandle folder(OpenForQuery(path.c_str()));
    BY_HANDLE_FILE_INFORMATION information;
    if (!folder.IsValid() || !GetFileInformationByHandle(folder.Get(), &information))
        return std::nullopt;
    FolderIdentity identity;
    identity.volume = information.dwVolumeSerialNumber;
    identity.index = (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    identity.includesVolume = !RunsUnderWine();
    return identity;
}

void Win32FileSystem::LowerCaseInPlace(std::string& text) const
{
    // The code page's own case mapping, whole characters at a time; spared
    // for ASCII, which it lowers the same in every code page.
    if (!text.empty() && !LowerCaseIfAscii(text))
        CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
}

std::string Win32FileSystem::NameTextFromPanelText(PanelTextEncoding encoding, const std::string& text) const
{
    if (encoding == PanelTextEncoding::CodePage || text.empty())
        return text;
    // As the A-functions spell file names: the ANSI code page, with its
    // best-fit characters.
    return CodePageFromWide(CP_ACP, WideFromCodePage(CP_UTF8, text));
}

bool Win32FileSystem::EndsWithSeparator(const std::string& text) const
{
    if (text.empty())
        return false;
    const auto* begin = reinterpret_cast<const unsigned char*>(text.c_str());
    const unsigned char* last = _mbsdec(begin, begin + text.size());
    return last == begin + text.size() - 1 && *last == '\\';
}

bool Win32FileSystem::NamePrecedes(const std::string& left, const std::string& right) const
{
    // ASCII is in that order byte by byte; other text is compared as its
    // UTF-16 units, whose order is that of the characters the code page
    // can spell.
    if (IsAscii(left) && IsAscii(right))
        return left < right;
    return WideFromCodePage(CP_ACP, left) < WideFromCodePage(CP_ACP, right);
}

std::unique_ptr<FileSystem> CreateNativeFileSystem()
{
    return std::make_unique<Win32FileSystem>();
}

}  // namespace dalvorn
