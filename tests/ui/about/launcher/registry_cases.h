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

} // namespace orbel::testing
