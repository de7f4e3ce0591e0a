#include "config/launcher_settings.h"

#include <vector>

#include "base/gbk_text.h"
#include "config/properties.h"
#include "config/workspace.h"
#include "platform/files.h"
#include "ui/main_window_controls.h"

namespace cw {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kMemorySection = "Memory";
constexpr std::string_view kMaxKey = "Max";
constexpr std::string_view kDataFolder = "\\data";

std::string_view trim_blanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool same_ascii_case_blind(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

struct Line {
    std::size_t begin;  // first byte
    std::size_t end;    // one past the last byte before the line break
    std::size_t next;   // first byte of the next line
};

std::vector<Line> split_lines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t nl = text.find('\n', at);
        const std::size_t stop = nl == std::string_view::npos ? text.size() : nl;
        const std::size_t end = stop > at && text[stop - 1] == '\r' ? stop - 1 : stop;
        const std::size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
        lines.push_back({at, end, next});
        at = next;
    }
    return lines;
}

// The section a line opens ("[name]", blanks around allowed); nothing for other lines.
std::optional<std::string_view> section_of(std::string_view line) {
    line = trim_blanks(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim_blanks(line.substr(1, close - 1));
}

// The key of a "key=value" line; nothing for other lines.
std::optional<std::string_view> key_of(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim_blanks(line.substr(0, eq));
}

std::string launcher_settings_path(std::string_view program_dir) {
    return owned_path(program_dir, kLauncherSettingsPath);
}

}  // namespace

std::optional<std::string> ini_value(std::string_view text, std::string_view section,
                                     std::string_view key) {
    bool inside = false;
    for (const Line& l : split_lines(text)) {
        const std::string_view line = text.substr(l.begin, l.end - l.begin);
        if (const auto s = section_of(line)) {
            inside = same_ascii_case_blind(*s, section);
            continue;
        }
        if (!inside) continue;
        const auto k = key_of(line);
        if (!k || !same_ascii_case_blind(*k, key)) continue;
        std::string_view value = trim_blanks(line.substr(line.find('=') + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value);
    }
    return std::nullopt;
}

std::string ini_with_value(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    std::string entry(key);
    entry.push_back('=');
    entry.append(value);

    const std::vector<Line> lines = split_lines(text);
    bool inside = false;
    std::size_t section_end = std::string_view::npos;  // where a new key line of it goes
    for (const Line& l : lines) {
        const std::string_view line = text.substr(l.begin, l.end - l.begin);
        if (const auto s = section_of(line)) {
            if (inside) break;
            inside = same_ascii_case_blind(*s, section);
            if (inside) section_end = l.next;
            continue;
        }
        if (!inside) continue;
        if (!trim_blanks(line).empty()) section_end = l.next;
        const auto k = key_of(line);
        if (k && same_ascii_case_blind(*k, key)) {
            std::string out(text.substr(0, l.begin));
            out.append(entry);
            out.append(text.substr(l.end));
            return out;
        }
    }
    std::string out(text);
    if (section_end == std::string_view::npos) {
        if (!out.empty() && out.back() != '\n') out.append(kLineEnd);
        out.append("[").append(section).append("]").append(kLineEnd);
        out.append(entry).append(kLineEnd);
        return out;
    }
    std::string line = entry + std::string(kLineEnd);
    // The section's last line may be the text's last, without a line break.
    if (section_end > 0 && out[section_end - 1] != '\n') line.insert(0, kLineEnd);
    out.insert(section_end, line);
    return out;
}

bool write_saved_max_memory(std::string_view program_dir, std::string_view max_text) {
    fs::create_folder(owned_path(program_dir, kDataFolder));
    const std::string path = launcher_settings_path(program_dir);
    const std::optional<std::string> old = fs::read_file(path);
    if (!old && fs::file_exists(path)) return false;  // an unreadable file is not overwritten
    return fs::replace_file(path,
                            ini_with_value(old.value_or(""), kMemorySection, kMaxKey, max_text));
}

std::optional<std::string> read_saved_max_memory(std::string_view program_dir) {
    const std::optional<std::string> text = fs::read_file(launcher_settings_path(program_dir));
    if (!text) return std::nullopt;
    return ini_value(*text, kMemorySection, kMaxKey);
}

void restore_saved_max_memory(std::string_view program_dir, Controls& ui, std::int32_t& memory_mb) {
    const std::optional<std::string> saved = read_saved_max_memory(program_dir);
    if (!saved) return;
    const int value = gbk_to_int(*saved);
    if (value < 0) return;
    ui.set_text(main_window::kMaxMemoryBox, *saved);
    memory_mb = value;
}

bool save_settings(std::string_view program_dir, Controls& ui, Dialogs& dialogs,
                   std::int32_t& memory_mb, std::string& properties_text) {
    using namespace main_window;
    for (std::string_view box : {kMinMemoryBox, kMaxMemoryBox}) {
        if (gbk_to_int(ui.text(box)) < 0) {
            dialogs.message_box("内存设置不能为负数！", kDefaultMessageTitle, MessageButtons::Ok,
                                MessageIcon::Error);
            return false;
        }
    }
    const std::string max_text = ui.text(kMaxMemoryBox);
    memory_mb = gbk_to_int(max_text);
    if (!write_saved_max_memory(program_dir, max_text)) {
        // The value holds for this run all the same; only the next start would lose it.
        dialogs.message_box("最大内存设置无法保存到文件：" + launcher_settings_path(program_dir) +
                                "\r\n本次运行仍然有效，下次启动需要重新设置。",
                            kDefaultMessageTitle, MessageButtons::Ok, MessageIcon::Warning);
    }
    save_server_settings(program_dir, ui);
    ui.set_visible(kServerSettingsGroup, false);
    properties_text = load_server_settings(program_dir, ui);
    dialogs.message_box("服务器重启后有效", "温馨提示：");
    return true;
}

}  // namespace cw
