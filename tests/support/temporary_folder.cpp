#include "temporary_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

namespace dalvorn::test_support {

namespace fs = std::filesystem;

namespace {
fs::path FreshFolder(const fs::path& parent)
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        fs::path candidate = parent /
                             ("dalvorn-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate))
            return candidate;
    }
}
}  // namespace

TemporaryFolder::TemporaryFolder() : root_(FreshFolder(fs::temp_directory_path())) {}

TemporaryFolder::TemporaryFolder(const fs::path& parent) : root_(FreshFolder(parent)) {}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path TemporaryFolder::HostPath(const std::string& relativePath) const
{
    return relativePath.empty() ? root_ : root_ / fs::path(relativePath).make_preferred();
}

std::string TemporaryFolder::Root() const
{
    return root_.string();
}

std::string TemporaryFolder::PathOf(const std::string& relativePath) const
{
    return HostPath(relativePath).string();
}

void TemporaryFolder::WriteFile(const std::string& relativePath, const std::string& content) const
{
    const fs::path path = HostPath(relativePath);
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

void TemporaryFolder::MakeFolder(const std::string& relativePath) const
{
    fs::create_directories(HostPath(relativePath));
}

void TemporaryFolder::MakeLink(const std::string& relativePath, const std::string& target) const
{
    fs::create_symlink(target, HostPath(relativePath));
}

std::string TemporaryFolder::ReadFile(const std::string& relativePath) const
{
    std::ifstream input(HostPath(relativePath), std::ios::binary);
    std::ostringstream content;
    content << input.rdbuf();
    return content.str();
}

bool TemporaryFolder::Has(const std::string& relativePath) const
{
    return fs::exists(fs::symlink_status(HostPath(relativePath)));
}

}  // namespace dalvorn::test_support
