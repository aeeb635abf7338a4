// The PATH's entries, found, put in and taken out.
#include "path_list.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orbel {
namespace {

std::wstring_view bare(std::wstring_view entry) {
    if (entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"')
        entry = entry.substr(1, entry.size() - 2);
    while (entry.size() > 1 && (entry.back() == L'\\' || entry.back() == L'/'))
        entry.remove_suffix(1);
    return entry;
}

wchar_t folded(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Where the last entry that names the folder starts and ends.
std::optional<std::pair<std::size_t, std::size_t>> lastEntry(std::wstring_view list,
                                                             std::wstring_view folder) {
    std::optional<std::pair<std::size_t, std::size_t>> found;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(L';', start), list.size());
        if (std::ranges::equal(bare(list.substr(start, end - start)), bare(folder), {}, folded,
                               folded))
            found = {start, end};
        start = end + 1;
    }
    return found;
}

} // namespace

std::optional<std::wstring> withFolder(std::wstring_view list, std::wstring_view folder) {
    if (lastEntry(list, folder))
        return std::nullopt;
    return list.empty() ? std::wstring(folder) : std::wstring(list) + L';' + std::wstring(folder);
}

std::optional<std::wstring> withoutFolder(std::wstring_view list, std::wstring_view folder) {
    const auto entry = lastEntry(list, folder);
    if (!entry)
        return std::nullopt;
    auto [start, end] = *entry;
    // The ';' before it, or for the first entry the one after it.
    if (start > 0)
        --start;
    else if (end < list.size())
        ++end;
    return std::wstring(list.substr(0, start)) + std::wstring(list.substr(end));
}

} // namespace orbel
