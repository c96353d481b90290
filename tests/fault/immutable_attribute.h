#pragma once
// Sets the Linux "immutable" attribute on a file or folder for the lifetime
// of the object. Not even root may rename, replace or delete an immutable
// file, nor add or remove entries in an immutable folder, so it produces
// real permission faults where the tests run as root.

#include <string>

namespace dalvorn::test_support {

class ImmutableAttribute {
public:
    explicit ImmutableAttribute(const std::string& path);
    ~ImmutableAttribute();
    ImmutableAttribute(const ImmutableAttribute&) = delete;
    ImmutableAttribute& operator=(const ImmutableAttribute&) = delete;

    // False where the file system or the process's rights do not allow it.
    bool IsSet() const { return set_; }

private:
    bool Change(bool immutable) const;

    std::string path_;
    bool set_ = false;
};

}  // namespace dalvorn::test_support
