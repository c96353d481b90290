#include "folder_change_watch.h"

#include <limits.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace dalvorn {

namespace {

constexpr std::uint32_t kWatchedChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
constexpr std::size_t kLongestChange = sizeof(inotify_event) + NAME_MAX + 1;
constexpr std::uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;

FolderChangeWatch::Change ChangeOf(const inotify_event& event)
{
    using Kind = FolderChangeWatch::Change::Kind;
    if (event.mask & IN_Q_OVERFLOW)
        return {Kind::ChangesLost, event.wd, {}};
    if (event.mask & kFolderGone)
        return {Kind::FolderGone, event.wd, {}};
    const std::string_view name(event.name, event.len == 0 ? 0 : strnlen(event.name, event.len));
    const bool added = event.mask & (IN_CREATE | IN_MOVED_TO);
    return {added ? Kind::NameAdded : Kind::NameRemoved, event.wd, name};
}

}  // namespace

FolderChangeWatch::~FolderChangeWatch()
{
    if (descriptor_ >= 0)
        close(descriptor_);
}

bool FolderChangeWatch::Open()
{
    if (descriptor_ < 0)
        descriptor_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    return descriptor_ >= 0;
}

std::optional<int> FolderChangeWatch::Watch(const std::string& folder)
{
    if (!Open())
        return std::nullopt;
    const int watch = inotify_add_watch(descriptor_, folder.empty() ? "." : folder.c_str(), kWatchedChanges);
    if (watch < 0)
        return std::nullopt;
    return watch;
}

void FolderChangeWatch::ReadPending(const std::function<void(const Change&)>& apply)
{
    if (descriptor_ < 0)
        return;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = read(descriptor_, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length < 0 && errno == EAGAIN)
            return;
        if (length <= 0) {
            // Unreadable changes are lost changes.
            apply({Change::Kind::ChangesLost, -1, {}});
            return;
        }
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            apply(ChangeOf(*event));
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
        // A read stops early only when the next change would not fit; with
        // room for the longest one left over, nothing more was pending.
        if (sizeof buffer - static_cast<std::size_t>(length) >= kLongestChange)
            return;
    }
}

}  // namespace dalvorn
