#include "server/console_parser.h"

#include <algorithm>

#include "base/gbk_text.h"

namespace cw {

namespace {

constexpr std::string_view kDefaultGameType = " Default game type";
constexpr std::string_view kDefaultGameTypeShown = "默认的游戏类型：";

// True when `phrase` occurs in `joint` beginning before `seam` and ending after it.
bool crosses(std::string_view joint, std::size_t seam, std::string_view phrase) {
    for (std::size_t at = gbk_find(joint, phrase); at != npos && at < seam;
         at = gbk_find(joint, phrase, at + gbk_char_len(joint, at))) {
        if (at + phrase.size() > seam) return true;
    }
    return false;
}

}  // namespace

std::string ConsoleParser::rewrite(std::string_view chunk) {
    std::string text = gbk_replace_all(chunk, ">", ">\r\n");
    text = gbk_replace_all(text, kDefaultGameType, kDefaultGameTypeShown);
    return gbk_replace_all(text, kDonePhrase, kDoneShown);
}

ConsoleChunk ConsoleParser::feed(std::string_view chunk) {
    ConsoleChunk out;
    if (chunk.empty()) return out;  // nothing arrived: the stream goes on where it was

    out.display = rewrite(chunk);
    out.started = gbk_contains(out.display, kStartedPhrase);
    out.port_taken = gbk_contains(chunk, kPortTakenPhrase);

    const std::size_t seam = tail_.size();
    std::string joint = std::move(tail_);
    joint.append(chunk);
    if (seam > 0) {
        // Only the first bytes after the seam can finish a phrase that began before it.
        const std::string_view near(joint.data(), std::min(joint.size(), seam + kKeepBytes));
        out.started =
            out.started || crosses(near, seam, kDonePhrase) || crosses(near, seam, kStartedPhrase);
        out.port_taken = out.port_taken || crosses(near, seam, kPortTakenPhrase);
    }

    // Keep the end of the stream from the first character boundary within the last kKeepBytes.
    std::size_t from = 0;
    const std::size_t keep_from = joint.size() > kKeepBytes ? joint.size() - kKeepBytes : 0;
    while (from < keep_from) from += gbk_char_len(joint, from);
    tail_.assign(joint, from);
    return out;
}

}  // namespace cw
