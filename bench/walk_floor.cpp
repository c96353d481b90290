// dalvorn-walk-floor FOLDER: the least work a Windows scan of FOLDER can do
// through the same system calls: list every folder beneath it once with
// FindFirstFileA/FindNextFileA and read every panel.cfg once, whole. Prints
// the counts. Under Wine this is the floor for dalvorn-cli.exe scan, as
// grep -r is natively.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Counts {
    unsigned long folders = 0;
    unsigned long panels = 0;
    unsigned long long bytes = 0;
};

bool IsPanelFile(const char* name)
{
    return lstrcmpiA(name, "panel.cfg") == 0;
}

bool IsDotEntry(const char* name)
{
    return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0;
}

void ReadWhole(const std::string& path, Counts& counts)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    static char buffer[64 * 1024];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        counts.bytes += got;
    CloseHandle(file);
    ++counts.panels;
}

void Walk(const std::string& folder, Counts& counts)
{
    ++counts.folders;
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string path = folder + "\\" + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!IsDotEntry(found.cFileName))
                Walk(path, counts);
        } else if (IsPanelFile(found.cFileName)) {
            ReadWhole(path, counts);
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: dalvorn-walk-floor FOLDER\n");
        return 2;
    }
    Counts counts;
    Walk(argv[1], counts);
    std::printf("%lu folders, %lu panel.cfg files, %llu bytes\n", counts.folders, counts.panels, counts.bytes);
    return 0;
}
