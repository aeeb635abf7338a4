#pragma once

#include "ui/about/launcher/registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orbel::testing {

inline std::vector<unsigned char> bytesOf(const std::string& text, bool withNul = true) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    if (withNul)
        bytes.push_back(0);
    return bytes;
}

// One registry value as a test writes it, and what reading it must give.
struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::vector<unsigned char> bytes;
    bool found;       // GetKeyValue's result
    std::string text; // KeyVal after it
    bool invalidCall; // a run-time error instead of a result
};

// The same table runs against every registry layer.
inline std::vector<ValueCase> valueCases() {
    const std::string longText(1023, 'x');
    return {
        {"string with its NUL", Registry::kString, bytesOf("C:\\Tools\\msinfo32.exe"), true,
         "C:\\Tools\\msinfo32.exe", false},
        {"string without a NUL", Registry::kString, bytesOf("abc", false), true, "abc", false},
        {"empty string", Registry::kString, bytesOf(""), true, "", false},
        {"expandable string leaves the text", Registry::kExpandString, bytesOf("%windir%"), true,
         "", false},
        {"exactly 1024 bytes", Registry::kString, bytesOf(longText), true, longText, false},
        {"1024 bytes, no NUL, is too large", Registry::kString, bytesOf(longText + "y", false),
         false, "", false},
        {"1025 bytes", Registry::kString, bytesOf(longText + "y"), false, "", false},
        {"zero bytes", Registry::kString, {}, false, "", true},
        {"number", Registry::kNumber, {0x1A, 0x00, 0x00, 0x00}, true, "26", false},
        {"number with every byte",
         Registry::kNumber,
         {0x78, 0x56, 0x34, 0x12},
         true,
         "305419896",
         false},
    };
}

// What a registry layer itself answers one query with, before the launcher
// looks at it. The system's answer stands beside the in-memory one: where
// they differ (Wine hands a string stored without its NUL back with one),
// the launcher still has to read both the same way.
struct QueryCase {
    const char* name;
    std::uint32_t type;
    std::vector<unsigned char> bytes;
    std::uint32_t offered; // the buffer's size
    long status, size;     // the in-memory layer's answer
    long systemStatus, systemSize;
};

inline std::vector<QueryCase> queryCases() {
    constexpr long ok = Registry::kSuccess;
    constexpr long more = Registry::kMoreData;
    const std::string text1023(1023, 'x');
    // clang-format off
    return {
        {"string with its NUL",       Registry::kString,       bytesOf("abc"),                      1024, ok,   4,    ok,   4},
        {"string without its NUL",    Registry::kString,       bytesOf("abc", false),               1024, ok,   3,    ok,   4},
        {"1024 bytes with a NUL",     Registry::kString,       bytesOf(text1023),                   1024, ok,   1024, ok,   1024},
        {"1024 bytes without a NUL",  Registry::kString,       bytesOf(text1023 + "y", false),      1024, ok,   1024, more, 1025},
        {"1025 bytes",                Registry::kString,       bytesOf(text1023 + "y"),             1024, more, 1025, more, 1025},
        {"a buffer too small",        Registry::kString,       bytesOf("abc"),                      2,    more, 4,    more, 4},
        {"zero bytes",                Registry::kString,       {},                                  1024, ok,   0,    ok,   0},
        {"expandable without a NUL",  Registry::kExpandString, bytesOf("ab", false),                1024, ok,   2,    ok,   2},
        {"number",                    Registry::kNumber,       {0x1A, 0, 0, 0},                     1024, ok,   4,    ok,   4},
        {"1024 bytes of binary",      3,                       std::vector<unsigned char>(1024, 7), 1024, ok,   1024, ok,   1024},
    };
    // clang-format on
}

} // namespace orbel::testing
