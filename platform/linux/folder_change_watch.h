#pragma once
// The names that arrive in and leave watched folders, as the kernel reports
// them (inotify): every change, by this program or any other, however soon
// after the last look. A folder's change time cannot tell that much: many
// kernels stamp it only once a clock tick, so a name made just after a look
// can leave it unchanged.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dalvorn {

class FolderChangeWatch {
public:
    FolderChangeWatch() = default;
    ~FolderChangeWatch();
    FolderChangeWatch(const FolderChangeWatch&) = delete;
    FolderChangeWatch& operator=(const FolderChangeWatch&) = delete;

    // The watch on the folder the path leads to now; the same number again
    // while it leads to the same folder. Nothing when it cannot be watched.
    std::optional<int> Watch(const std::string& folder);

    struct Change {
        enum class Kind {
            NameAdded,
            NameRemoved,
            FolderGone,  // removed, moved, unmounted or no longer watched
            ChangesLost,  // too many at once: nothing watched can be trusted
        };
        Kind kind;
        int watch;
        std::string_view name;
    };

    // Hands every change reported since the last call to `apply`, in the
    // order they were made. One system call when nothing changed.
    void ReadPending(const std::function<void(const Change&)>& apply);

private:
    bool Open();

    int descriptor_ = -1;
};

}  // namespace dalvorn
