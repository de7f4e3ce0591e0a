#include "base/gbk_text.h"

#include <climits>

namespace cw {

namespace {

constexpr std::string_view kFullWidthBlank = "\xA1\xA1";

}  // namespace

std::size_t gbk_find(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty() || needle.size() > text.size()) return npos;
    const std::size_t last = text.size() - needle.size();
    // Fast path: memchr-style candidate search on the first byte, then a boundary check made
    // incrementally by walking characters from the last known boundary.
    std::size_t boundary = from;  // a position known to start a character
    std::size_t pos = from;
    while (pos <= last) {
        std::size_t hit = text.find(needle, pos);
        if (hit == std::string_view::npos || hit > last) return npos;
        while (boundary < hit) boundary += gbk_char_len(text, boundary);
        if (boundary == hit) return hit;
        // `hit` lies on the second byte of a character: look again from the next boundary.
        pos = boundary;
    }
    return npos;
}

std::string gbk_replace_all(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t start = 0;
    std::size_t hit = gbk_find(text, from, 0);
    if (hit == npos) return std::string(text);
    out.reserve(text.size() + to.size() * 4);
    while (hit != npos) {
        out.append(text.substr(start, hit - start));
        out.append(to);
        start = hit + from.size();
        hit = gbk_find(text, from, start);
    }
    out.append(text.substr(start));
    return out;
}

std::vector<std::string> gbk_split(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t hit = gbk_find(text, separator, 0); hit != npos;
         hit = gbk_find(text, separator, start)) {
        pieces.emplace_back(text.substr(start, hit - start));
        start = hit + separator.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

int gbk_to_int(std::string_view text) {
    // Fold full-width digits (GBK A3 B0 .. A3 B9) to ASCII, keeping everything else.
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xA3 && i + 1 < text.size()) {
            const auto d = static_cast<unsigned char>(text[i + 1]);
            if (d >= 0xB0 && d <= 0xB9) {
                folded.push_back(static_cast<char>('0' + (d - 0xB0)));
                i += 2;
                continue;
            }
        }
        const std::size_t n = gbk_char_len(text, i);
        folded.append(text.substr(i, n));
        i += n;
    }
    std::size_t i = 0;
    while (i < folded.size() && (folded[i] == ' ' || folded[i] == '\t')) ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
    long long value = 0;
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
        value = value * 10 + (folded[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string gbk_trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    for (;;) {
        if (begin < end && text[begin] == ' ') {
            ++begin;
        } else if (end - begin >= 2 && text.substr(begin, 2) == kFullWidthBlank) {
            begin += 2;
        } else {
            break;
        }
    }
    for (;;) {
        if (end > begin && text[end - 1] == ' ') {
            --end;
        } else if (end - begin >= 2 && text.substr(end - 2, 2) == kFullWidthBlank) {
            // Only a real full-width blank: the pair must start on a character boundary.
            std::size_t b = begin;
            while (b < end - 2) b += gbk_char_len(text, b);
            if (b != end - 2) break;
            end -= 2;
        } else {
            break;
        }
    }
    return std::string(text.substr(begin, end - begin));
}

std::string_view cut_at_zero(std::string_view bytes) {
    const std::size_t zero = bytes.find('\0');
    return zero == std::string_view::npos ? bytes : bytes.substr(0, zero);
}

}  // namespace cw
