#include "config/server_icon.h"

#include <optional>

#include "config/workspace.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "ui/main_window_controls.h"

namespace cw {

IconOutcome install_server_icon(std::string_view program_dir, const std::string& source) {
    const std::optional<std::string> bytes = fs::read_file(source);
    if (!bytes) return {false, "无法读取所选文件：" + source};

    std::string png;
    const auto size = picture::png_size(*bytes);
    if (size && *size == picture::Size{kServerIconSide, kServerIconSide}) {
        png = *bytes;  // already what the game takes
    } else {
        picture::Converted converted =
            picture::convert_to_png(*bytes, kServerIconSide, kServerIconSide);
        switch (converted.error) {
            case picture::ConvertError::None:
                png = std::move(converted.png);
                break;
            case picture::ConvertError::NotAPicture:
                return {false, "所选文件不是可用的图片（支持 PNG、JPEG、BMP、GIF）：" + source};
            case picture::ConvertError::Unsupported:
                return {false, "本系统无法转换该图片，请准备一张64X64的*.png图片：" + source};
            case picture::ConvertError::EncodeFailed:
                return {false, "图片转换为64X64的PNG失败：" + source};
        }
    }

    fs::create_folder(owned_path(program_dir, kWorkspaceRoot));
    const std::string target = owned_path(program_dir, kServerIconPath);
    if (!fs::replace_file(target, png)) return {false, "无法写入服务器图标：" + target};
    return {true, {}};
}

void choose_server_icon(std::string_view program_dir, Dialogs& dialogs) {
    const std::optional<std::string> chosen = dialogs.choose_save_file(main_window::kIconDialog);
    if (!chosen) return;
    const IconOutcome outcome = install_server_icon(program_dir, *chosen);
    if (outcome.ok) {
        dialogs.message_box("设置成功");
    } else {
        dialogs.message_box(outcome.message, kDefaultMessageTitle, MessageButtons::Ok,
                            MessageIcon::Error);
    }
}

}  // namespace cw
