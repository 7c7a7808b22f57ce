#pragma once

#include <filesystem>

#include "design/design.h"

namespace tolvane::design {

// A design file on disk (POSIX), read and written as design_json.h has it. Messages name the path
// and the system's reason, e.g.
//   /home/me/design.json/x.json: cannot be written: Not a directory

// Reads the design file at path. Anything but a regular file (a folder, a device, a pipe, a
// socket) is refused without being opened, or, when one takes the file's place meanwhile,
// without being read or waited on; a file larger than 64 MiB is refused.
Design ReadDesign(const std::filesystem::path& path);

// Writes the design to path all at once, through a new file beside it that then replaces it: on
// failure the file keeps its old content and no new file is left behind. The file path finally
// names (through links) must be a regular file or nothing; a folder, a device or a pipe is
// refused and left as it is. A replaced file keeps its permissions.
void WriteDesign(const Design& design, const std::filesystem::path& path);

}  // namespace tolvane::design
