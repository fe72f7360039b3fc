// text_encoding.h — telling UTF-8 text from the Windows-1252 text of older files, and converting the latter.
#pragma once

#include <string>
#include <string_view>

namespace drz {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Windows-1252 bytes as UTF-8; the five bytes the code page leaves undefined become U+FFFD.
std::string Windows1252ToUtf8(std::string_view text);

// UTF-8 as it is; anything else is taken as Windows-1252.
std::string TextAsUtf8(std::string_view text);

}  // namespace drz
