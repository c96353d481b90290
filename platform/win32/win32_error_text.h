#pragma once

#include <string>

namespace dalvorn {

// The system's description of a Win32 error code, without the trailing line end.
std::string Win32ErrorText(unsigned long errorCode);

}  // namespace dalvorn
