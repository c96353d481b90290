#include "deep_folder_chain.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace dalvorn::test_support {

namespace {

// Opens `name` inside the folder `parent` and closes `parent`.
int Descend(int parent, const std::string& name)
{
    const int child = openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(parent);
    if (child < 0)
        throw std::runtime_error("cannot open a level of the deep folder chain");
    return child;
}

// Removes everything inside the open folder, and closes it.
void EmptyFolder(int folder)
{
    DIR* listing = fdopendir(folder);
    if (listing == nullptr) {
        close(folder);
        return;
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (unlinkat(folder, name.c_str(), 0) == 0)
            continue;
        const int child = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0)
            EmptyFolder(child);
        unlinkat(folder, name.c_str(), AT_REMOVEDIR);
    }
    closedir(listing);
}

}  // namespace

DeepFolderChain::DeepFolderChain(const std::string& base, const std::string& name, int depth)
    : base_(base), name_(name)
{
    int folder = open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        throw std::runtime_error("cannot open " + base);
    for (int level = 1; level <= depth; ++level) {
        if (mkdirat(folder, name.c_str(), 0777) != 0) {
            close(folder);
            throw std::runtime_error("cannot create level " + std::to_string(level));
        }
        folder = Descend(folder, name);
    }
    close(folder);
}

// Climbs back out of the chain from its deep end, so no path and no more
// than two descriptors are ever needed, however deep it goes.
DeepFolderChain::~DeepFolderChain()
{
    int folder = open(base_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int levels = 0;
    while (folder >= 0) {
        const int child = openat(folder, name_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0)
            break;
        close(folder);
        folder = child;
        ++levels;
    }
    for (; levels > 0 && folder >= 0; --levels) {
        EmptyFolder(dup(folder));
        const int parent = openat(folder, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(folder);
        if (parent >= 0)
            unlinkat(parent, name_.c_str(), AT_REMOVEDIR);
        folder = parent;
    }
    if (folder >= 0)
        close(folder);
}

void DeepFolderChain::WriteFile(int level, const std::string& fileName, const std::string& content) const
{
    int folder = open(base_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 1; i <= level && folder >= 0; ++i)
        folder = Descend(folder, name_);
    const int file = openat(folder, fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    close(folder);
    if (file < 0 || write(file, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
        throw std::runtime_error("cannot write " + fileName);
    close(file);
}

std::string DeepFolderChain::PathAt(int level) const
{
    std::string path = base_;
    for (int i = 1; i <= level; ++i)
        path += "/" + name_;
    return path;
}

}  // namespace dalvorn::test_support
