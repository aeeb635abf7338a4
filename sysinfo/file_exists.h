#pragma once

#include <string>

namespace orbel {

// True only when an ordinary file has this path: a folder, a missing path or
// one that cannot be examined is not one.
bool isOrdinaryFile(const std::string& path);

} // namespace orbel
