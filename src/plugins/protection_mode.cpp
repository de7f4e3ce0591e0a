#include "plugins/protection_mode.h"

#include "config/workspace.h"
#include "payload/payload.h"
#include "platform/files.h"
#include "ui/main_window_controls.h"

namespace cw {

void apply_protection_mode(std::string_view program_dir, Controls& ui, Dialogs& dialogs) {
    using namespace main_window;
    const std::string jar = owned_path(program_dir, kBanAttackJarPath);
    const std::string_view bytes = payload::as_text(payload::banattack_jar());

    if (ui.is_checked(kProtectionCheckBox)) {
        fs::create_folder(owned_path(program_dir, kWorkspaceRoot));
        fs::create_folder(owned_path(program_dir, kPluginsFolder));
        // A jar the running server holds open cannot be replaced, but is fine when it is ours.
        if (fs::replace_file(jar, bytes) || fs::read_file(jar) == bytes) {
            dialogs.message_box("开启成功[现在服务器已经进入保护模式啦],重启服务器后进入保护模式",
                                "服务器娘提示：", MessageButtons::Ok, MessageIcon::Warning);
        } else {
            dialogs.message_box("防御插件写入失败，保护模式没有开启：" + jar, kDefaultMessageTitle,
                                MessageButtons::Ok, MessageIcon::Error);
            ui.set_checked(kProtectionCheckBox, false);
        }
        return;
    }
    dialogs.message_box("关闭成功，请重启服务器");
    if (!fs::delete_file(jar) && fs::file_exists(jar)) {
        dialogs.message_box("防御插件删除失败，保护模式仍然有效：" + jar +
                                "\r\n服务器运行时会占用插件文件，请关服后再取消勾选。",
                            kDefaultMessageTitle, MessageButtons::Ok, MessageIcon::Error);
        ui.set_checked(kProtectionCheckBox, true);
    }
}

}  // namespace cw
