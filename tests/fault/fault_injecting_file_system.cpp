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
    return refusedFolders_.count(real_.LowerCase(folder)) != 0;
}

void FaultInjectingFileSystem::Enumerate(const std::string& folder, const std::string& pattern,
                                         const EntryVisitor& visit) const
{
    if (real_.LowerCase(folder) == unlistableFolder_)
        throw FileException(folder, "listing error injected by the test");
    real_.Enumerate(folder, pattern, visit);
}

void FaultInjectingFileSystem::CreateFolder(const std::string& path)
{
    if (!WriteRefused(path))
        real_.CreateFolder(path);
}

// The real pass, with the faults of its file system switched in.
class FaultInjectingFileSystem::Pass : public MovePass {
public:
    Pass(FaultInjectingFileSystem& files, const std::string& source, const std::string& destination,
         const MoveNotice& notice)
        : files_(files), source_(source), destination_(destination),
          real_(files.real_.OpenMovePass(source, destination, notice))
    {
    }
    MoveOutcome Move(const std::string& name) override
    {
        ++files_.movesTried_;
        if (files_.beforeMove_.second && files_.beforeMove_.first == source_ + files_.Separator() + name)
            files_.beforeMove_.second();
        if (files_.WriteRefused(destination_ + files_.Separator() + name))
            return MoveOutcome::FailedBecause("access is denied");
        return real_->Move(name);
    }

private:
    FaultInjectingFileSystem& files_;
    std::string source_;
    std::string destination_;
    std::unique_ptr<MovePass> real_;
};

std::unique_ptr<MovePass> FaultInjectingFileSystem::OpenMovePass(const std::string& source,
                                                                 const std::string& destination,
                                                                 const MoveNotice& notice)
{
    return std::make_unique<Pass>(*this, source, destination, notice);
}

std::unique_ptr<ReadableFile> FaultInjectingFileSystem::OpenForReading(const std::string& path) const
{
    std::unique_ptr<ReadableFile> file = real_.OpenForReading(path);
    if (failReadsAfter_ == static_cast<std::size_t>(-1))
        return file;
    return std::make_unique<FailingFile>(std::move(file), path, failReadsAfter_);
}

}  // namespace dalvorn::test_support
