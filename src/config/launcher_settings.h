#pragma once
// The launcher's own settings: the memory boxes of the settings group, their save action, and
// the launcher settings file "data\config.ini" (section "Memory", key "Max") that carries the
// maximum memory into the next run.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/dialogs.h"

namespace cw {

// A value of an INI text as the system's profile functions read it: sections and keys match
// without regard to case, the value is trimmed of blanks and of one pair of enclosing double
// quotes. Nothing when the section or the key is absent.
std::optional<std::string> ini_value(std::string_view text, std::string_view section,
                                     std::string_view key);

// The INI text with `key` of `section` set to `value` as the profile writer would leave it:
// the key's line replaced in place, or a line appended at the end of its section, or the
// section appended at the end of the text. Lines end in CR LF. A value is one line: it is cut
// at its first line break.
std::string ini_with_value(std::string_view text, std::string_view section, std::string_view key,
                           std::string_view value);

// Writes "Max" of the launcher settings file, creating the folder "data" when it is missing;
// every other line of the file stays. True when the file was written.
bool write_saved_max_memory(std::string_view program_dir, std::string_view max_text);

// The saved "Max", when the launcher settings file holds one.
std::optional<std::string> read_saved_max_memory(std::string_view program_dir);

// Start-up: a saved "Max" goes back into the maximum memory box and into `memory_mb`, so the next
// launch carries the heap option the operator saved. A negative saved value is left out.
void restore_saved_max_memory(std::string_view program_dir, Controls& ui, std::int32_t& memory_mb);

// The save button of the settings group: checks both memory boxes (a negative value ends the
// action with "内存设置不能为负数！"), takes the maximum into `memory_mb`, writes the launcher
// settings file, saves the server settings, hides the server settings group, reloads the
// settings controls from the file (the text goes into `properties_text`) and tells the operator
// it takes effect after a restart. False when the check ended it.
bool save_settings(std::string_view program_dir, Controls& ui, Dialogs& dialogs,
                   std::int32_t& memory_mb, std::string& properties_text);

}  // namespace cw
