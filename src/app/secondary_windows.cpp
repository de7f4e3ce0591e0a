#include "app/secondary_windows.h"

#include <array>
#include <string>

#include "app/web_addresses.h"
#include "payload/payload.h"
#include "platform/clock.h"
#include "players/player_actions.h"
#include "players/player_list.h"
#include "ui/secondary_window_layouts.h"
#include "ui/window_names.h"

namespace cw {

namespace {

using E = UiEvent;
using B = AppEventBinding;
using A = AppState;

// ---- Tutorial window ----

void show_tools(A& a, bool shown) {
    a.launcher.ui.set_visible(control_path(tutorial_window::kWindow, tutorial_window::kToolsGroup), shown);
}

constexpr std::array kTutorialEvents = {
    B{tutorial_window::kWindow, "", E::Created,
      [](A& a) {
          a.launcher.ui.show_html(control_path(tutorial_window::kWindow, tutorial_window::kViewer),
                         payload::as_text(payload::tutorial_page()));
      }},
    B{tutorial_window::kWebPageButton, "", E::Clicked,
      [](A& a) { a.launcher.platform.open_url(std::string(web::kTutorialPage)); }},
    B{tutorial_window::kToolsButton, "", E::Clicked, [](A& a) { show_tools(a, true); }},
    B{tutorial_window::kNotepadButton, "", E::Clicked,
      [](A& a) { a.launcher.platform.open_url(std::string(web::kNotepadDownload)); }},
    B{tutorial_window::kLauncherButton, "", E::Clicked,
      [](A& a) { a.launcher.platform.open_url(std::string(web::kLauncherDownload)); }},
    B{tutorial_window::kCloseToolsButton, "", E::Clicked, [](A& a) { show_tools(a, false); }},
};

// ---- Player window ----

void refresh_players(A& a) {
    refresh_player_list(a.launcher, a.players, monotonic_ms());
}

template <PlayerAction action>
void act(A& a) {
    act_on_selected_player(a.launcher, a.players, action);
}

constexpr std::array kPlayerEvents = {
    B{player_window::kWindow, "", E::Created, refresh_players},
    B{player_window::kSnapshotTimer, "", E::TimerTick,
      [](A& a) { poll_player_snapshot(a.launcher, a.players, monotonic_ms()); }},
    // Just below and right of the cursor.
    B{player_window::kList, "", E::RightClick,
      [](A& a) {
          a.launcher.ui.popup_menu_at_cursor(control_path(player_window::kWindow, player_window::kMenu), 3,
                                    3);
      }},
    B{player_window::kMenu, player_window::kRefreshEntry, E::MenuChosen, refresh_players},
    B{player_window::kMenu, player_window::kGrantOperatorEntry, E::MenuChosen,
      act<PlayerAction::GrantOperator>},
    B{player_window::kMenu, player_window::kRevokeOperatorEntry, E::MenuChosen,
      act<PlayerAction::RevokeOperator>},
    B{player_window::kMenu, player_window::kGiveEntry, E::MenuChosen,
      [](A& a) {
          a.launcher.ui.set_visible(control_path(player_window::kWindow, player_window::kGiveGroup), true);
      }},
    B{player_window::kMenu, player_window::kBanEntry, E::MenuChosen, act<PlayerAction::Ban>},
    B{player_window::kMenu, player_window::kKickEntry, E::MenuChosen, act<PlayerAction::Kick>},
    B{player_window::kMenu, player_window::kCreativeEntry, E::MenuChosen,
      act<PlayerAction::CreativeMode>},
    B{player_window::kMenu, player_window::kSurvivalEntry, E::MenuChosen,
      act<PlayerAction::SurvivalMode>},
    B{player_window::kIdTableButton, "", E::Clicked,
      [](A& a) { a.launcher.ui.open_window(item_id_window::kWindow); }},
    B{player_window::kAmountBox, "", E::Changed, [](A& a) { limit_amount(a.launcher.ui); }},
    B{player_window::kGiveButton, "", E::Clicked,
      [](A& a) { give_to_selected_player(a.launcher, a.players); }},
};

// ---- Item-id window ----

constexpr std::array kItemIdEvents = {
    B{item_id_window::kWindow, "", E::Created,
      [](A& a) {
          a.launcher.ui.set_picture(control_path(item_id_window::kWindow, item_id_window::kPicture),
                           payload::item_id_table());
      }},
};

// ---- About window ----

void show_sponsor_list(A& a, bool shown) {
    a.launcher.ui.set_visible(control_path(about_window::kWindow, about_window::kSponsorListGroup), shown);
}

constexpr std::array kAboutEvents = {
    B{about_window::kWindow, "", E::Created,
      [](A& a) {
          a.launcher.ui.set_picture(control_path(about_window::kWindow, about_window::kPicture),
                           payload::about_picture());
      }},
    B{about_window::kSponsorListButton, "", E::Clicked, [](A& a) { show_sponsor_list(a, true); }},
    B{about_window::kBackButton, "", E::Clicked, [](A& a) { show_sponsor_list(a, false); }},
};

}  // namespace

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
