#include "gauge_pass.h"

#include "plain_name.h"
#include "simulator_folder.h"

namespace dalvorn {

GaugePass::GaugePass(FileSystem& fileSystem, const std::string& source, const std::string& destination,
                     const MoveNotice& notice)
    : fileSystem_(fileSystem),
      destinationIsSource_(LeadToTheSameFolder(fileSystem, source, destination)),
      pass_(fileSystem.OpenMovePass(source, destination, notice))
{
}

MoveOutcome GaugePass::Move(const std::string& name)
{
    // A name that is no plain name could lead out of the gauge folder.
    if (!IsPlainName(fileSystem_, name))
        return MoveOutcome::FailedBecause("not a plain file name");
    if (destinationIsSource_)
        return MoveOutcome::Refused(MoveOutcome::Status::DestinationIsSource);
    return pass_->Move(name);
}

}  // namespace dalvorn
