#pragma once
// Bytes as hex text ("57 04 90"), so failures read in the remote's terms. No wx: core tests use it too.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline std::string Hex(const std::uint8_t* bytes, std::size_t size) {
    std::string text;
    char digits[4];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(digits, sizeof digits, i == 0 ? "%02X" : " %02X", static_cast<unsigned>(bytes[i]));
        text += digits;
    }
    return text;
}

// count bytes from first (all to the end by default).
inline std::string Hex(const std::vector<std::uint8_t>& bytes, std::size_t first = 0,
                       std::size_t count = std::string::npos) {
    if (first >= bytes.size()) return {};
    const std::size_t size = count < bytes.size() - first ? count : bytes.size() - first;
    return Hex(bytes.data() + first, size);
}
