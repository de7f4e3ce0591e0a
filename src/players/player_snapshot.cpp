#include "players/player_snapshot.h"

#include "base/gbk_text.h"

namespace cw {

namespace {

constexpr std::string_view kRecordEnd = "|";
constexpr std::string_view kFieldSeparator = ",";

// The records of a snapshot: split at every "|"; the empty piece after the final one is not a
// record.
std::vector<std::string> records_of(std::string_view text) {
    std::vector<std::string> records = gbk_split(cut_at_zero(text), kRecordEnd);
    if (!records.empty() && records.back().empty()) records.pop_back();
    return records;
}

bool all_digits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

std::string_view mode_caption(std::string_view game_mode) {
    if (game_mode == "SURVIVAL") return "生存";
    if (game_mode == "ADVENTURE") return "冒险";
    return "创造";
}

std::string_view operator_caption(std::string_view flag) {
    return flag == "true" ? "是" : "否";
}

std::vector<PlayerRow> parse_player_snapshot(std::string_view text) {
    std::vector<PlayerRow> rows;
    const std::vector<std::string> records = records_of(text);
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string> fields = gbk_split(records[i], kFieldSeparator);
        if (fields.size() < 3) continue;
        rows.push_back(PlayerRow{fields[0], std::string(operator_caption(fields[1])),
                                 std::string(mode_caption(fields[2]))});
    }
    return rows;
}

bool snapshot_complete(std::string_view text) {
    text = cut_at_zero(text);
    if (text.empty()) return false;
    const std::vector<std::string> pieces = gbk_split(text, kRecordEnd);
    // Closed by its own "|": the piece after the last separator is empty.
    if (pieces.size() < 2 || !pieces.back().empty()) return false;
    const std::vector<std::string> header = gbk_split(pieces.front(), kFieldSeparator);
    if (header.size() < 3) return false;
    // The header counts the players online: a cut right after a player's "|" leaves fewer.
    if (all_digits(header[1]) && header[1].size() <= 9) {
        return gbk_to_int(header[1]) == static_cast<int>(pieces.size() - 2);
    }
    return true;
}

}  // namespace cw
