// dalvorn-move-floor FROM TO: the least work a Windows move pass of the
// gauges in FROM can do through the same system calls: list FROM\*.gau once
// with FindFirstFileA/FindNextFileA, then one MoveFileA per gauge, from and
// to its lower-cased name (the gauge key, which the move names the file by).
// Prints the count. Under Wine this is the floor for dalvorn-cli.exe move and
// restore.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ListGauges(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE find = FindFirstFileA((folder + "\\*.gau").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

std::string Lowered(std::string name)
{
    CharLowerBuffA(&name[0], static_cast<DWORD>(name.size()));
    return name;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: dalvorn-move-floor FROM TO\n");
        return 2;
    }
    const std::string from = argv[1];
    const std::string to = argv[2];
    unsigned long moved = 0;
    for (const std::string& name : ListGauges(from)) {
        const std::string key = Lowered(name);
        if (MoveFileA((from + '\\' + key).c_str(), (to + '\\' + key).c_str()))
            ++moved;
    }
    std::printf("moved %lu\n", moved);
    return 0;
}
