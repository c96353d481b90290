#include "nt_file_calls.h"

#include <vector>

namespace dalvorn {

namespace {

struct CountedString {
    USHORT length;
    USHORT capacity;
    PWSTR buffer;
};

struct StatusBlock {
    ULONG_PTR status;
    ULONG_PTR information;
};

struct RenameInformation {
    BOOLEAN replaceIfExists;
    HANDLE rootDirectory;
    ULONG nameLength;
    WCHAR name[1];
};

struct BasicInformation {
    LARGE_INTEGER creationTime;
    LARGE_INTEGER lastAccessTime;
    LARGE_INTEGER lastWriteTime;
    LARGE_INTEGER changeTime;
    ULONG fileAttributes;
};

struct StandardInformation {
    LARGE_INTEGER allocationSize;
    LARGE_INTEGER endOfFile;
    ULONG numberOfLinks;
    BOOLEAN deletePending;
    BOOLEAN directory;
};

struct DispositionInformation {
    BOOLEAN deleteFile;
};

const int kObjectNameInformation = 1;
const int kFileBasicInformation = 4;
const int kFileStandardInformation = 5;
const int kFileRenameInformation = 10;
const int kFileDispositionInformation = 13;

using QueryObject = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
using QueryInformationFile = LONG(WINAPI*)(HANDLE, StatusBlock*, void*, ULONG, int);
using SetInformationFile = LONG(WINAPI*)(HANDLE, StatusBlock*, void*, ULONG, int);
using DosPathToNtPath = BOOLEAN(WINAPI*)(PCWSTR, CountedString*, PWSTR*, void*);
using FreeCountedString = void(WINAPI*)(CountedString*);
using StatusToError = ULONG(WINAPI*)(LONG);

template <typename Function>
Function NtdllFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

DWORD ErrorOfStatus(LONG status)
{
    static const auto toError = NtdllFunction<StatusToError>("RtlNtStatusToDosError");
    if (status >= 0)
        return 0;
    return toError ? toError(status) : ERROR_GEN_FAILURE;
}

DWORD SetInformation(HANDLE file, void* information, ULONG size, int informationClass)
{
    static const auto set = NtdllFunction<SetInformationFile>("NtSetInformationFile");
    if (!set)
        return ERROR_CALL_NOT_IMPLEMENTED;
    StatusBlock block{};
    return ErrorOfStatus(set(file, &block, information, size, informationClass));
}

// The path in the system's own notation, as the rename takes it.
std::wstring NtPathOf(const std::wstring& path)
{
    static const auto convert = NtdllFunction<DosPathToNtPath>("RtlDosPathNameToNtPathName_U");
    static const auto release = NtdllFunction<FreeCountedString>("RtlFreeUnicodeString");
    CountedString converted{};
    if (!convert || !release || !convert(path.c_str(), &converted, nullptr, nullptr))
        return std::wstring();
    std::wstring result(converted.buffer, converted.length / sizeof(WCHAR));
    release(&converted);
    return result;
}

bool QueryInformation(HANDLE file, void* information, ULONG size, int informationClass)
{
    static const auto query = NtdllFunction<QueryInformationFile>("NtQueryInformationFile");
    StatusBlock block{};
    return query && query(file, &block, information, size, informationClass) >= 0;
}

}  // namespace

std::wstring ObjectNameOf(HANDLE file)
{
    static const auto query = NtdllFunction<QueryObject>("NtQueryObject");
    std::vector<ULONG_PTR> buffer(4096);
    const ULONG size = static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR));
    ULONG needed = 0;
    if (!query || query(file, kObjectNameInformation, buffer.data(), size, &needed) < 0)
        return std::wstring();
    const auto* name = reinterpret_cast<const CountedString*>(buffer.data());
    return std::wstring(name->buffer, name->length / sizeof(WCHAR));
}

std::optional<DWORD> AttributesOfOpenFile(HANDLE file)
{
    BasicInformation information{};
    if (!QueryInformation(file, &information, sizeof(information), kFileBasicInformation))
        return std::nullopt;
    return information.fileAttributes;
}

ULONG LinkCountOfOpenFile(HANDLE file)
{
    StandardInformation information{};
    if (!QueryInformation(file, &information, sizeof(information), kFileStandardInformation))
        return 0;
    return information.numberOfLinks;
}

DWORD RenameOpenFile(HANDLE file, const std::wstring& target)
{
    const std::wstring ntTarget = NtPathOf(target);
    if (ntTarget.empty())
        return ERROR_INVALID_NAME;
    const std::size_t nameBytes = ntTarget.size() * sizeof(WCHAR);
    std::vector<ULONG_PTR> buffer((sizeof(RenameInformation) + nameBytes) / sizeof(ULONG_PTR) + 1);
    auto* information = reinterpret_cast<RenameInformation*>(buffer.data());
    information->replaceIfExists = FALSE;
    information->rootDirectory = nullptr;
    information->nameLength = static_cast<ULONG>(nameBytes);
    ntTarget.copy(information->name, ntTarget.size());
    return SetInformation(file, information, static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR)),
                          kFileRenameInformation);
}

DWORD DeleteOpenFile(HANDLE file)
{
    DispositionInformation disposition{TRUE};
    return SetInformation(file, &disposition, sizeof(disposition), kFileDispositionInformation);
}

}  // namespace dalvorn
