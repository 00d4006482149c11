#pragma once
#include <string>
#include <string_view>

namespace nk {

// The game keeps its text in Windows-1251 bytes; UTF-8 exists only at the edges (SDL text
// input, the file system, the snapshot).

// UTF-8 to Windows-1251; characters the code page lacks become '?'. Malformed UTF-8 bytes too.
std::string utf8ToCp1251(std::string_view utf8);
std::string cp1251ToUtf8(std::string_view text);

// One byte's Unicode code point; 0 for the one unassigned byte (0x98).
char32_t cp1251ToCodePoint(unsigned char byte);
// The byte of a code point; '?' when the code page lacks it.
char cp1251FromCodePoint(char32_t codePoint);

}  // namespace nk
