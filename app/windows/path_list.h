#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbel {

// A PATH as Windows keeps it: folders separated by ';'. Each change is to the
// one entry it is about; every other character stays as it was, however long
// the list, so that taking out what was put in gives the list back byte for
// byte. An entry names a folder whatever the case of its letters, and with or
// without quotes or a closing backslash.

// The list with the folder put at its end, or nothing when an entry names it
// already.
std::optional<std::wstring> withFolder(std::wstring_view list, std::wstring_view folder);

// The list without the last entry that names the folder, and one ';' beside
// it, or nothing when no entry names it.
std::optional<std::wstring> withoutFolder(std::wstring_view list, std::wstring_view folder);

} // namespace orbel
