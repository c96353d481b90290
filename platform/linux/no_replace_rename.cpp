#include "no_replace_rename.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace dalvorn {

namespace {

// 0 on success, else -1 with errno set; ENOSYS where the kernel lacks it.
int RenameNoReplace(int fromFolder, const char* from, int toFolder, const char* to)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    return renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE);
#elif defined(SYS_renameat2)
    return static_cast<int>(syscall(SYS_renameat2, fromFolder, from, toFolder, to, RENAME_NOREPLACE));
#else
    (void)fromFolder;
    (void)from;
    (void)toFolder;
    (void)to;
    errno = ENOSYS;
    return -1;
#endif
}

bool RenameRefusalUnsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

}  // namespace

bool RenameWithoutReplacing(int fromFolder, const std::string& from, int toFolder, const std::string& to)
{
    if (RenameNoReplace(fromFolder, from.c_str(), toFolder, to.c_str()) == 0)
        return true;
    if (!RenameRefusalUnsupported(errno))
        return false;
    return MoveByLinking(fromFolder, from, toFolder, to);
}

bool MoveByLinking(int fromFolder, const std::string& from, int toFolder, const std::string& to)
{
    if (linkat(fromFolder, from.c_str(), toFolder, to.c_str(), 0) != 0)
        return false;
    if (unlinkat(fromFolder, from.c_str(), 0) == 0)
        return true;
    const int error = errno;
    unlinkat(toFolder, to.c_str(), 0);
    errno = error;
    return false;
}

}  // namespace dalvorn
