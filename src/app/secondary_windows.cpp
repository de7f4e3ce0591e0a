#include "app/secondary_windows.h"

#include <array>
#include <string>

#include "app/web_addresses.h"
#include "payload/payload.h"
#include "platform/clock.h"
#include "players/network_info.h"
#include "players/player_actions.h"
#include "players/player_list.h"
#include "ui/secondary_window_layouts.h"
#include "ui/window_names.h"

namespace cw {

namespace {

using E = UiEvent;
using B = AppEventBinding;

// ---- Tutorial window ----

void show_tutorial_page(AppState& app) {
    app.ui.show_html(control_path(tutorial_window::kWindow, tutorial_window::kViewer),
                     payload::as_text(payload::tutorial_page()));
}
void open_tutorial_online(AppState& app) {
    app.platform.open_url(std::string(web::kTutorialPage));
}
void show_tools(AppState& app) {
    app.ui.set_visible(control_path(tutorial_window::kWindow, tutorial_window::kToolsGroup), true);
}
void hide_tools(AppState& app) {
    app.ui.set_visible(control_path(tutorial_window::kWindow, tutorial_window::kToolsGroup), false);
}
void open_notepad_download(AppState& app) {
    app.platform.open_url(std::string(web::kNotepadDownload));
}
void open_launcher_download(AppState& app) {
    app.platform.open_url(std::string(web::kLauncherDownload));
}

// ---- Player window ----

void refresh_players(AppState& app) {
    refresh_player_list(app.server, app.players, monotonic_ms());
}
void poll_players(AppState& app) {
    poll_player_snapshot(app.server, app.players, monotonic_ms());
}
void popup_player_menu(AppState& app) {
    app.ui.popup_menu_at_cursor(control_path(player_window::kWindow, player_window::kMenu), 3, 3);
}
template <PlayerAction action>
void act(AppState& app) {
    act_on_selected_player(app.server, app.players, action);
}
void show_give_group(AppState& app) {
    app.ui.set_visible(control_path(player_window::kWindow, player_window::kGiveGroup), true);
}
void give(AppState& app) {
    give_to_selected_player(app.server, app.players);
}
void amount_changed(AppState& app) {
    limit_amount(app.ui);
}
void open_item_id_window(AppState& app) {
    app.ui.open_window(item_id_window::kWindow);
}

// ---- Item-id window ----

void show_item_id_table(AppState& app) {
    app.ui.set_picture(control_path(item_id_window::kWindow, item_id_window::kPicture),
                       payload::item_id_table());
}

// ---- About window ----

void show_about_picture(AppState& app) {
    app.ui.set_picture(control_path(about_window::kWindow, about_window::kPicture),
                       payload::about_picture());
}
void show_sponsor_list(AppState& app) {
    app.ui.set_visible(control_path(about_window::kWindow, about_window::kSponsorListGroup), true);
}
void hide_sponsor_list(AppState& app) {
    app.ui.set_visible(control_path(about_window::kWindow, about_window::kSponsorListGroup), false);
}

constexpr std::array kTutorialEvents = {
    B{tutorial_window::kWindow, "", E::Created, show_tutorial_page},
    B{tutorial_window::kWebPageButton, "", E::Clicked, open_tutorial_online},
    B{tutorial_window::kToolsButton, "", E::Clicked, show_tools},
    B{tutorial_window::kNotepadButton, "", E::Clicked, open_notepad_download},
    B{tutorial_window::kLauncherButton, "", E::Clicked, open_launcher_download},
    B{tutorial_window::kCloseToolsButton, "", E::Clicked, hide_tools},
};

constexpr std::array kPlayerEvents = {
    B{player_window::kWindow, "", E::Created, refresh_players},
    B{player_window::kSnapshotTimer, "", E::TimerTick, poll_players},
    B{player_window::kList, "", E::RightClick, popup_player_menu},
    B{player_window::kMenu, "刷新", E::MenuChosen, refresh_players},
    B{player_window::kMenu, "给予管理员权限", E::MenuChosen, act<PlayerAction::GrantOperator>},
    B{player_window::kMenu, "取消管理员权限", E::MenuChosen, act<PlayerAction::RevokeOperator>},
    B{player_window::kMenu, "给予物品", E::MenuChosen, show_give_group},
    B{player_window::kMenu, "封禁", E::MenuChosen, act<PlayerAction::Ban>},
    B{player_window::kMenu, "踢出服务器", E::MenuChosen, act<PlayerAction::Kick>},
    B{player_window::kMenu, "创造模式", E::MenuChosen, act<PlayerAction::CreativeMode>},
    B{player_window::kMenu, "生存模式", E::MenuChosen, act<PlayerAction::SurvivalMode>},
    B{player_window::kIdTableButton, "", E::Clicked, open_item_id_window},
    B{player_window::kAmountBox, "", E::Changed, amount_changed},
    B{player_window::kGiveButton, "", E::Clicked, give},
};

constexpr std::array kItemIdEvents = {
    B{item_id_window::kWindow, "", E::Created, show_item_id_table},
};

constexpr std::array kAboutEvents = {
    B{about_window::kWindow, "", E::Created, show_about_picture},
    B{about_window::kSponsorListButton, "", E::Clicked, show_sponsor_list},
    B{about_window::kBackButton, "", E::Clicked, hide_sponsor_list},
};

}  // namespace

void open_about_window(AppState& app) {
    app.ui.open_window(about_window::kWindow);
}
void open_tutorial_window(AppState& app) {
    app.ui.open_window(tutorial_window::kWindow);
}
void open_player_window(AppState& app) {
    app.ui.open_window(player_window::kWindow);
}
void copy_lan_address(AppState& app) {
    copy_lan_address(app.server);
}
void start_test_mode(AppState& app) {
    start_test_mode(app.server);
}

std::span<const AppEventBinding> tutorial_window_events() {
    return kTutorialEvents;
}
std::span<const AppEventBinding> player_window_events() {
    return kPlayerEvents;
}
std::span<const AppEventBinding> item_id_window_events() {
    return kItemIdEvents;
}
std::span<const AppEventBinding> about_window_events() {
    return kAboutEvents;
}

}  // namespace cw
