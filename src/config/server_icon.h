#pragma once
// The server icon: the game shows a 64 x 64 PNG named "server-icon.png" in the workspace.
#include <string>
#include <string_view>

#include "ui/dialogs.h"

namespace cw {

inline constexpr int kServerIconSide = 64;

// What becomes of a chosen picture file.
struct IconOutcome {
    bool ok = false;
    std::string message;  // the failure, for the operator, when not ok
};

// Puts the picture file `source` in place as the server icon: a 64 x 64 PNG byte for byte, any
// other PNG, JPEG, BMP or GIF decoded, scaled to 64 x 64 and written as PNG.
IconOutcome install_server_icon(std::string_view program_dir, const std::string& source);

// "设置图标": the icon dialog in its save form, then install_server_icon; "设置成功" when the icon
// is in place, else the reason.
void choose_server_icon(std::string_view program_dir, Dialogs& dialogs);

}  // namespace cw
