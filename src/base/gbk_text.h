#pragma once
// Text rules of the program: every std::string holds GBK bytes (the ANSI code page of the
// target systems). Lengths and positions count bytes. Searches step over a double-byte
// character whole, so a match never begins on its second byte.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

inline constexpr std::size_t npos = std::string_view::npos;

// A GBK lead byte starts a double-byte character.
constexpr bool is_gbk_lead(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// Length in bytes (1 or 2) of the character that starts at `pos`; a lead byte at the very end
// counts as one.
constexpr std::size_t gbk_char_len(std::string_view text, std::size_t pos) {
    return is_gbk_lead(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Byte position of the first occurrence of `needle` at or after `from` (which must lie on a
// character boundary); npos when absent or when `needle` is empty.
std::size_t gbk_find(std::string_view text, std::string_view needle, std::size_t from = 0);

inline bool gbk_contains(std::string_view text, std::string_view needle) {
    return gbk_find(text, needle) != npos;
}

// Replaces every non-overlapping occurrence, scanning once from left to right; inserted text is
// never scanned again.
std::string gbk_replace_all(std::string_view text, std::string_view from, std::string_view to);

// Splits at every separator (found as gbk_find does); adjacent separators give an empty piece.
std::vector<std::string> gbk_split(std::string_view text, std::string_view separator);

// Text to integer: full-width digits are folded to ASCII, leading ASCII blanks and one sign are
// taken, then the leading decimal digits; no digits give 0. Values beyond 32 bits saturate.
int gbk_to_int(std::string_view text);

// Removes ASCII blanks and full-width blanks (GBK A1 A1) at both ends.
std::string gbk_trim(std::string_view text);

// Bytes taken as text: everything before the first zero byte.
std::string_view cut_at_zero(std::string_view bytes);

}  // namespace cw
