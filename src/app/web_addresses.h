#pragma once
// Web pages the tutorial window opens in the default browser.
#include <string_view>

namespace cw::web {

// The online copy of the tutorial page the program carries.
inline constexpr std::string_view kTutorialPage = "https://www.cubeworks.net/tutorial.html";
// Notepad++'s official download page (for editing the server's settings files).
inline constexpr std::string_view kNotepadDownload = "https://notepad-plus-plus.org/downloads/";
// Our own download page of the launcher.
inline constexpr std::string_view kLauncherDownload = "https://www.cubeworks.net/download.html";

}  // namespace cw::web
