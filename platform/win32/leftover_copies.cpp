#include "leftover_copies.h"

#include <windows.h>

#include "entry_at_name.h"
#include "nt_file_calls.h"
#include "partial_copy_name.h"
#include "wide_text.h"
#include "win32_handle.h"

namespace dalvorn {

namespace {

const DWORD kCompareBufferSize = 1 << 16;

// Reads exactly `size` bytes, or fewer at the end of the file.
DWORD ReadUpTo(HANDLE file, std::string& buffer, DWORD size)
{
    buffer.resize(size);
    DWORD total = 0;
    while (total < size) {
        DWORD got = 0;
        if (!ReadFile(file, &buffer[total], size - total, &got, nullptr) || got == 0)
            break;
        total += got;
    }
    buffer.resize(total);
    return total;
}

// Every byte of `copy` is the byte at the same place in `gauge`.
bool IsPrefixOf(HANDLE copy, HANDLE gauge)
{
    std::string copyBytes;
    std::string gaugeBytes;
    while (ReadUpTo(copy, copyBytes, kCompareBufferSize) > 0) {
        ReadUpTo(gauge, gaugeBytes, static_cast<DWORD>(copyBytes.size()));
        if (copyBytes != gaugeBytes)
            return false;
    }
    return true;
}

bool IsPartialCopyOf(const EntryAtName& copy, const std::wstring& gaugePath)
{
    const EntryAtName gauge(gaugePath);
    return copy.IsOpen() && gauge.IsOpen() && copy.WhyNotRegularFile().empty() &&
           gauge.WhyNotRegularFile().empty() && IsPrefixOf(copy.Handle(), gauge.Handle());
}

void RemoveCopiesOfGaugesElsewhere(const std::wstring& copyFolder, const std::wstring& gaugeFolder,
                                   std::vector<std::string>& removed)
{
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW((copyFolder + L"\\*.moving*").c_str(), &found));
    if (!find.IsValid())
        return;
    do {
        const auto gaugeName = GaugeNameOfPartialCopy(found.cFileName);
        if (!gaugeName)
            continue;
        const std::wstring copyPath = copyFolder + L'\\' + found.cFileName;
        const EntryAtName copy(copyPath);
        if (IsPartialCopyOf(copy, gaugeFolder + L'\\' + *gaugeName) && DeleteOpenFile(copy.Handle()) == 0)
            removed.push_back(CodePageFromWide(CP_ACP, copyPath));
    } while (FindNextFileW(find.Get(), &found));
}

}  // namespace

std::vector<std::string> RemoveLeftoverCopies(const std::string& sourceFolder, const std::string& destinationFolder)
{
    const std::wstring source = WideFromCodePage(CP_ACP, sourceFolder);
    const std::wstring destination = WideFromCodePage(CP_ACP, destinationFolder);
    std::vector<std::string> removed;
    RemoveCopiesOfGaugesElsewhere(destination, source, removed);
    RemoveCopiesOfGaugesElsewhere(source, destination, removed);
    return removed;
}

}  // namespace dalvorn
