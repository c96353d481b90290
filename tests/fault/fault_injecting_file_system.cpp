#include "fault_injecting_file_system.h"

#include <algorithm>

namespace dalvorn::test_support {

namespace {

// Hands out the real file's bytes until the limit, then fails as a disk
// that went away would.
class FailingFile : public ReadableFile {
public:
    FailingFile(std::unique_ptr<ReadableFile> real, std::string path, std::size_t limit)
        : real_(std::move(real)), path_(std::move(path)), left_(limit)
    {
    }

    std::size_t Read(char* buffer, std::size_t capacity) override
    {
        if (left_ == 0)
            throw FileException(path_, "read error injected by the test");
        const std::size_t count = real_->Read(buffer, std::min(capacity, left_));
        left_ -= count;
        return count;
    }

private:
    std::unique_ptr<ReadableFile> real_;
    std::string path_;
    std::size_t left_;
};

}  // namespace

bool FaultInjectingFileSystem::WriteRefused(const std::string& path) const
{
    const std::size_t separator = path.rfind(real_.Separator());
    const std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator);
    return refusedFolders_.count(real_.Names().LowerCase(folder)) != 0;
}

void FaultInjectingFileSystem::Enumerate(const std::string& folder, const EntryVisitor& visit) const
{
    if (real_.Names().LowerCase(folder) == unlistableFolder_)
        throw FileException(folder, "listing error injected by the test");
    real_.Enumerate(folder, visit);
}

void FaultInjectingFileSystem::CreateFolder(const std::string& path)
{
    if (!WriteRefused(path))
        real_.CreateFolder(path);
}

MoveOutcome FaultInjectingFileSystem::MoveRegularFile(const std::string& from, const std::string& to)
{
    ++movesTried_;
    if (beforeMove_.second && real_.Names().LowerCase(beforeMove_.first) == real_.Names().LowerCase(from))
        beforeMove_.second();
    if (WriteRefused(to))
        return MoveOutcome::FailedBecause("access is denied");
    return real_.MoveRegularFile(from, to);
}

std::unique_ptr<ReadableFile> FaultInjectingFileSystem::OpenForReading(const std::string& path) const
{
    std::unique_ptr<ReadableFile> file = real_.OpenForReading(path);
    if (failReadsAfter_ == static_cast<std::size_t>(-1))
        return file;
    return std::make_unique<FailingFile>(std::move(file), path, failReadsAfter_);
}

}  // namespace dalvorn::test_support
