#pragma once
// Path rules: every file the program owns is program_dir followed by a fixed relative path that
// begins with a backslash, joined by plain concatenation.
#include <string>
#include <string_view>

namespace cw {

inline constexpr std::string_view kWorkspaceRoot = "\\Cubeworks-Admin";
inline constexpr std::string_view kServerJarPath = "\\Cubeworks-Admin\\Cubeworks-World.jar";
inline constexpr std::string_view kServerJarName = "Cubeworks-World.jar";
inline constexpr std::string_view kPropertiesPath = "\\Cubeworks-Admin\\server.properties";
inline constexpr std::string_view kServerIconPath = "\\Cubeworks-Admin\\server-icon.png";
inline constexpr std::string_view kPluginsFolder = "\\Cubeworks-Admin\\plugins";
inline constexpr std::string_view kCompanionJarPath =
    "\\Cubeworks-Admin\\plugins\\Cubeworks-rs.jar";
inline constexpr std::string_view kBanAttackJarPath =
    "\\Cubeworks-Admin\\plugins\\Cubeworks-Fyc.jar";
inline constexpr std::string_view kPlayerInfoPath =
    "\\Cubeworks-Admin\\plugins\\srvpanel_manager\\playerinfo.txt";
inline constexpr std::string_view kLauncherSettingsPath = "\\data\\config.ini";

// program_dir + relative.
inline std::string owned_path(std::string_view program_dir, std::string_view relative) {
    std::string path(program_dir);
    path.append(relative);
    return path;
}

// The folder of an executable: its full path cut before the last backslash (or slash, for the
// posix side). A program in a drive's root gives the drive letter with its colon alone.
std::string program_dir_of(std::string_view executable_path);

}  // namespace cw
