#pragma once

#include <string>

namespace orbel {

// True only when an ordinary file has this path: a folder, a missing path or
// one that cannot be examined is not one.
bool isOrdinaryFile(const std::string& path);

// True only for a path that names its file from the root, so that no current
// folder or search path takes part in finding it: on Windows a drive letter's
// (C:\...) or a share's (\\server\share\...), elsewhere one from /.
bool isFullPath(const std::string& path);

} // namespace orbel
