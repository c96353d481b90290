#include "immutable_attribute.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace dalvorn::test_support {

ImmutableAttribute::ImmutableAttribute(const std::string& path) : path_(path), set_(Change(true)) {}

ImmutableAttribute::~ImmutableAttribute()
{
    if (set_)
        Change(false);
}

bool ImmutableAttribute::Change(bool immutable) const
{
    const int descriptor = open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    int flags = 0;
    bool done = ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(descriptor);
    return done;
}

}  // namespace dalvorn::test_support
