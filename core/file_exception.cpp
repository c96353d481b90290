#include "file_system.h"

namespace dalvorn {

FileException::FileException(std::string path, std::string cause)
    : std::runtime_error(path + ": " + cause), path_(std::move(path)), cause_(std::move(cause))
{
}

}  // namespace dalvorn
