#include "storage/text_encoding.h"

#include <array>
#include <cstdint>

namespace drz {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0xFFFD where the code page defines none.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Length of the sequence a lead byte starts, with the allowed range of its second byte; 0 for a bad lead.
struct Lead {
    int length;
    std::uint8_t low, high;
};

Lead LeadOf(std::uint8_t byte) {
    if (byte < 0x80) return {1, 0, 0};
    if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
    if (byte == 0xE0) return {3, 0xA0, 0xBF};  // no overlong forms
    if (byte == 0xED) return {3, 0x80, 0x9F};  // no surrogates
    if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
    if (byte == 0xF0) return {4, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
    if (byte == 0xF4) return {4, 0x80, 0x8F};  // nothing above U+10FFFF
    return {0, 0, 0};
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const Lead lead = LeadOf(static_cast<std::uint8_t>(text[i]));
        if (lead.length == 0 || i + lead.length > text.size()) return false;
        for (int k = 1; k < lead.length; ++k) {
            const auto byte = static_cast<std::uint8_t>(text[i + k]);
            const std::uint8_t low = k == 1 ? lead.low : 0x80;
            const std::uint8_t high = k == 1 ? lead.high : 0xBF;
            if (byte < low || byte > high) return false;
        }
        i += static_cast<std::size_t>(lead.length);
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte});
    }
    return out;
}

std::string TextAsUtf8(std::string_view text) {
    return IsValidUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
}

}  // namespace drz
