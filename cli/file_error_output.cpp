#include "file_error_output.h"

#include "core/file_system.h"

namespace dalvorn {

int ReportUnreadableFile(const char* caption, const FileException& error, std::FILE* errors)
{
    std::fprintf(errors, "%s: Cannot read %s: %s\n", caption, error.Path().c_str(), error.Cause().c_str());
    return 1;
}

}  // namespace dalvorn
