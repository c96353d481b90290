#pragma once
// A scratch folder of real files for one test, removed with everything in it.

#include <filesystem>
#include <string>

namespace dalvorn::test_support {

class TemporaryFolder {
public:
    TemporaryFolder();
    // One made in `parent` (another volume, say) instead of the system's.
    explicit TemporaryFolder(const std::filesystem::path& parent);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Paths relative to the root are written with '/'.
    std::filesystem::path HostPath(const std::string& relativePath) const;
    // The root, or a path below it, in the platform's own notation.
    std::string Root() const;
    std::string PathOf(const std::string& relativePath) const;

    // Writes the file, making the folders above it.
    void WriteFile(const std::string& relativePath, const std::string& content) const;
    void MakeFolder(const std::string& relativePath) const;
    // A symbolic link at `relativePath` whose target is written as given.
    void MakeLink(const std::string& relativePath, const std::string& target) const;
    std::string ReadFile(const std::string& relativePath) const;
    // Whether anything, a dangling link included, stands at the path.
    bool Has(const std::string& relativePath) const;

private:
    std::filesystem::path root_;
};

}  // namespace dalvorn::test_support
