#pragma once
// The simulator folder as typed, and the paths built beneath it.

#include <string>
#include <string_view>

namespace dalvorn {

struct DirectoryEntry;
class FileSystem;

// The gauge folder's name as every command spells it: where the file system
// tells letter case apart and holds both "Gauges" and "gauges", the scan, the
// move and the restore all act on the one this spelling finds.
extern const char kGaugeFolderName[];
// The folder in the gauge folder that the move fills and the restore empties.
extern const char kUnusedFolderName[];

// The folder text with one trailing separator dropped, if it has one.
std::string SimulatorFolderFromText(const FileSystem& fileSystem, const std::string& folderText);

// `folder` + separator + `name`.
std::string JoinPath(const FileSystem& fileSystem, const std::string& folder, const std::string& name);

// The extensions of the files that hold gauges: compiled ones, and XML
// gauges packed in a cabinet. A gauge line's container loads NAME.gau, or
// NAME.cab where there is no NAME.gau.
inline constexpr std::string_view kGaugeExtensions[] = {".gau", ".cab"};

// True when a name ends in one of the gauge extensions, in any letter case.
bool HasGaugeExtension(const std::string& name);

// True when a listed entry is a gauge file: a regular file with a plain name
// with a gauge extension. Folders (unpacked XML gauges) never are.
bool IsGaugeFile(const FileSystem& fileSystem, const DirectoryEntry& entry);

}  // namespace dalvorn
