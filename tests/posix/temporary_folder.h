#pragma once
// A scratch folder of real files for one test, removed with everything in it.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace dalvorn::testing {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dalvorn-posix-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // The absolute path of `relative` inside the folder.
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }
    const std::string& Path() const { return path_; }

    void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(*this / relative); }

    void WriteFile(const std::string& relative, const std::string& content) const
    {
        std::ofstream(*this / relative, std::ios::binary) << content;
    }

    // A symbolic link at `relative` whose target is written as given.
    void MakeLink(const std::string& relative, const std::string& target) const
    {
        std::filesystem::create_symlink(target, *this / relative);
    }

    std::string ReadFile(const std::string& relative) const
    {
        std::ifstream file(*this / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    bool Has(const std::string& relative) const
    {
        return std::filesystem::exists(std::filesystem::symlink_status(*this / relative));
    }

private:
    std::string path_;
};

}  // namespace dalvorn::testing
