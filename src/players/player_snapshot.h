#pragma once
// The player snapshot the companion plugin writes on "showplayerinfo": one run of text, records
// closed by "|", fields separated by ",". Record 1 is the header (API version, players online,
// slots); every further record is one player (name, operator flag, game mode).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// One row of the player list as shown: name, "是"/"否", "生存"/"创造"/"冒险".
struct PlayerRow {
    std::string name;
    std::string operator_text;
    std::string mode_text;
    bool operator==(const PlayerRow&) const = default;
};

// The rows of a snapshot text (bytes up to the first zero byte), in file order. The header is
// skipped; a record with fewer than three fields (adjacent separators, a cut) is skipped.
std::vector<PlayerRow> parse_player_snapshot(std::string_view text);

// True when the text is a whole snapshot: not empty, closed by "|" (a separator of its own,
// not the second byte of a double-byte character), and holding as many player records as its
// header counts. A file read while the plugin rewrites it is missing, empty or cut short.
bool snapshot_complete(std::string_view text);

// "生存" for SURVIVAL, "冒险" for ADVENTURE, "创造" otherwise.
std::string_view mode_caption(std::string_view game_mode);
// "是" for "true", "否" otherwise.
std::string_view operator_caption(std::string_view flag);

}  // namespace cw
