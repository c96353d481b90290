#include "no_replace_rename.h"

#include "copying_move.h"

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
int RenameNoReplace(const char* from, const char* to)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28))
    return renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#elif defined(SYS_renameat2)
    return static_cast<int>(syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE));
#else
    (void)from;
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

bool RenameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (RenameNoReplace(from.c_str(), to.c_str()) == 0)
        return true;
    if (errno == EXDEV)
        return MoveByCopying(from, to);
    if (!RenameRefusalUnsupported(errno))
        return false;
    return MoveByLinking(from, to);
}

bool MoveByLinking(const std::string& from, const std::string& to)
{
    if (link(from.c_str(), to.c_str()) != 0)
        return false;
    if (unlink(from.c_str()) == 0)
        return true;
    const int error = errno;
    unlink(to.c_str());
    errno = error;
    return false;
}

}  // namespace dalvorn
