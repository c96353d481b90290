#include "gauge_pass.h"

#include <algorithm>

#include "gauge_list.h"
#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

GaugePass::GaugePass(FileSystem& fileSystem, const std::string& source, const std::string& destination)
    : fileSystem_(fileSystem), source_(source), destination_(destination)
{
    fileSystem.Enumerate(source, [&](const DirectoryEntry& entry) {
        if (!entry.nameIsExact)
            return;
        std::string key = fileSystem.Names().LowerCase(entry.name);
        // The exact spelling wins, as the platform's own lookup would choose.
        if (key == entry.name)
            sourceNames_[std::move(key)] = entry.name;
        else
            sourceNames_.emplace(std::move(key), entry.name);
    });
    // "." and "..", where listed, are in both and never a gauge's key.
    fileSystem.Enumerate(destination, [&](const DirectoryEntry& entry) {
        destinationKeys_.insert(fileSystem.Names().LowerCase(entry.name));
    });
    // Where identities may repeat across volumes, only a folder that also
    // lists the same names is taken for the source itself.
    const auto sourceIdentity = fileSystem.IdentifyFolder(source);
    const auto destinationIdentity = fileSystem.IdentifyFolder(destination);
    destinationIsSource_ = sourceIdentity && destinationIdentity && *sourceIdentity == *destinationIdentity &&
                           (sourceIdentity->includesVolume || ListTheSameNames());
}

bool GaugePass::ListTheSameNames() const
{
    return sourceNames_.size() == destinationKeys_.size() &&
           std::all_of(sourceNames_.begin(), sourceNames_.end(),
                       [this](const auto& name) { return destinationKeys_.count(name.first) != 0; });
}

MoveOutcome GaugePass::Move(const std::string& key)
{
    // A name that is no plain name could lead out of the gauge folder.
    if (!IsPlainName(fileSystem_, key))
        return MoveOutcome::FailedBecause("not a plain file name");
    if (destinationIsSource_)
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationIsSource);
    const auto found = sourceNames_.find(key);
    if (found == sourceNames_.end())
        return MoveOutcome::Refused(MoveOutcome::Status::SourceMissing);
    if (destinationKeys_.count(key) != 0)
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationTaken);
    MoveOutcome outcome =
        fileSystem_.MoveRegularFile(JoinPath(fileSystem_, source_, found->second), JoinPath(fileSystem_, destination_, key));
    if (outcome.Succeeded())
        destinationKeys_.insert(key);
    return outcome;
}

std::optional<FailedMove> MoveTickedEntries(GaugePass& pass, GaugeList& list,
                                            const std::function<void(const std::string& key)>& beforeMove)
{
    GaugeList::Entry entry = list.First();
    while (entry) {
        GaugeList::Entry next = list.Next(entry);
        if (list.IsChecked(entry)) {
            const std::string key = list.Record(entry).key;
            if (beforeMove)
                beforeMove(key);
            MoveOutcome outcome = pass.Move(key);
            if (!outcome.Succeeded())
                return FailedMove{key, std::move(outcome)};
            list.Delete(entry);
        }
        entry = next;
    }
    return std::nullopt;
}

std::string FailedPassText(const char* headline, const FailedMove& failure, const char* movedLabel,
                           std::size_t moved)
{
    return std::string(headline) + "\n\n" + failure.key + ": " + DescribeMoveFailure(failure.outcome) + "\n" +
           movedLabel + " " + std::to_string(moved);
}

}  // namespace dalvorn
