#pragma once
// The game server's settings file "server.properties": the default text, key access on the
// in-memory copy, and the seven settings the main window edits.
#include <string>
#include <string_view>

#include "ui/controls.h"

namespace cw {

// The text written when the file is missing: 58 lines joined by CR LF, no line end at the end.
std::string_view default_properties_text();

// The value of `key`: the text after the first "key=" (searched character by character, not
// tied to a line start) up to the next CR LF; empty when absent or not followed by CR LF.
std::string read_property(std::string_view text, std::string_view key);

// Replaces the value of `key` in `text`, leaving every other byte as it was. A key that is
// absent is appended as "key=value" CR LF on a line of its own; a key on a last line without
// a line end gets its value replaced up to the end and a CR LF after it, so that it reads back.
void write_property(std::string& text, std::string_view key, std::string_view value);

// Writes the default file of the workspace under `program_dir` when missing, reads it and fills
// the main window's settings controls; the text read, the program's in-memory copy.
std::string load_server_settings(std::string_view program_dir, Controls& ui);

// Reads the file again, writes the controls' values into it key by key and saves it whole; the
// text saved.
std::string save_server_settings(std::string_view program_dir, Controls& ui);

}  // namespace cw
