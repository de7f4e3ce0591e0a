#pragma once
// The game server's console output, chunk by chunk as the pipe delivers it: the text shown for
// each chunk, and the two moments the manager reacts to (start-up completed, port taken).
#include <cstddef>
#include <string>
#include <string_view>

namespace cw {

// The server's warning when it cannot bind its port.
inline constexpr std::string_view kPortTakenPhrase =
    "Perhaps a server is already running on that port?";
// The server's start-up completion line begins with this word, followed by the duration.
inline constexpr std::string_view kDonePhrase = "Done";
// What "Done" becomes on screen, and the part of it that marks the completion.
inline constexpr std::string_view kDoneShown = "已开服。用时：";
inline constexpr std::string_view kStartedPhrase = "已开服。用时";

struct ConsoleChunk {
    std::string display;      // the chunk rewritten for the console box; empty for no output
    bool started = false;     // the start-up completion phrase
    bool port_taken = false;  // the port-conflict warning
};

class ConsoleParser {
  public:
    // The chunk as shown, on its own: ">" gets a line break after it, " Default game type" and
    // "Done" become Chinese. Each rewrite is one left-to-right pass over the previous result.
    static std::string rewrite(std::string_view chunk);

    // Handles the next raw chunk of the stream. A phrase counts when the chunk holds it (the
    // completion as "Done" or "已开服。用时", that is when the rewritten chunk holds
    // "已开服。用时"), and also when it begins in the output before this chunk and ends in
    // this one; characters are then counted continuously across the joint, so a double-byte
    // character cut by the pipe never yields a false match. The display is never joined.
    ConsoleChunk feed(std::string_view chunk);

    // The longest phrase less one byte: all a phrase split by the pipe can leave behind.
    static constexpr std::size_t kKeepBytes =
        (kPortTakenPhrase.size() > kStartedPhrase.size() ? kPortTakenPhrase.size()
                                                         : kStartedPhrase.size()) -
        1;

  private:
    // The last raw bytes before the next chunk, beginning on a character boundary of the stream.
    std::string tail_;
};

}  // namespace cw
