#pragma once
// A chain of nested folders that may reach beyond the longest path the
// system accepts (PATH_MAX), built and removed one level at a time through
// folder descriptors, since no path can name its deep end.

#include <string>

namespace dalvorn::test_support {

class DeepFolderChain {
public:
    // Creates `depth` folders named `name`, each inside the one before,
    // inside the existing folder `base`.
    DeepFolderChain(const std::string& base, const std::string& name, int depth);
    ~DeepFolderChain();
    DeepFolderChain(const DeepFolderChain&) = delete;
    DeepFolderChain& operator=(const DeepFolderChain&) = delete;

    // Writes a file into the folder at `level` (1 is the outermost).
    void WriteFile(int level, const std::string& fileName, const std::string& content) const;

    // The path of the folder at `level`, whether or not the system can use it.
    std::string PathAt(int level) const;

private:
    std::string base_;
    std::string name_;
};

}  // namespace dalvorn::test_support
