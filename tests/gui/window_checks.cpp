#include "window_checks.h"

// clang-format off
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "remote_program.h"
#include "ui/win32/picture_box.h"
#include "ui/win32/web_browser.h"
#include "ui/win32/wide_text.h"

namespace cw::gui {

using win32::to_wide;

KindShape shape_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
            return {L"Button", BS_TYPEMASK, BS_GROUPBOX};
        case ControlKind::Button:
            return {L"Button", BS_TYPEMASK, BS_PUSHBUTTON};
        case ControlKind::CheckBox:
            return {L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX};
        case ControlKind::Label:
            return {L"Static", 0, 0};
        case ControlKind::Edit:
            return {L"Edit", ES_MULTILINE | ES_NUMBER, 0};
        case ControlKind::NumberEdit:
            return {L"Edit", ES_MULTILINE | ES_NUMBER, ES_NUMBER};
        case ControlKind::ConsoleEdit:
            return {L"Edit", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL,
                    ES_MULTILINE | WS_VSCROLL | WS_HSCROLL};
        case ControlKind::TextBox:
            return {L"Edit", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, ES_MULTILINE | WS_VSCROLL};
        case ControlKind::ComboBox:
            return {L"ComboBox", 3, CBS_DROPDOWN};
        case ControlKind::ListView:
            return {L"SysListView32", LVS_TYPEMASK, LVS_REPORT};
        case ControlKind::Tab:
            return {L"SysTabControl32", 0, 0};
        case ControlKind::TabPage:
            return {L"CubeworksPage", 0, 0};
        case ControlKind::ProgressBar:
            return {L"msctls_progress32", 0, 0};
        case ControlKind::StatusBar:
            return {L"msctls_statusbar32", 0, 0};
        case ControlKind::Picture:
            return {win32::kPictureClass, 0, 0};
        case ControlKind::WebBrowser:
            return {win32::kBrowserClass, 0, 0};
        default:
            return {L"", 0, 0};
    }
}

void expect_fixed_centred_window(HWND window, const WindowSpec& table) {
    EXPECT_EQ(text_of(window), to_wide(table.title)) << "title";
    RECT rc{};
    GetWindowRect(window, &rc);
    EXPECT_EQ(rc.right - rc.left, table.width) << "outer width";
    EXPECT_EQ(rc.bottom - rc.top, table.height) << "outer height";
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "fixed border";
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(rc.left - work.left, work.right - rc.right, 1) << "centred across";
    EXPECT_NEAR(rc.top - work.top, work.bottom - rc.bottom, 1) << "centred down";
}

void expect_controls_as_table(HWND window, const WindowSpec& table,
                              const std::set<std::string_view>& filled_at_start) {
    auto control = [&](std::string_view name) { return control_in(window, table, name); };
    for (const ControlSpec& c : table.controls) {
        SCOPED_TRACE(std::string(table.name) + "/" + std::string(c.name));
        if (c.kind == ControlKind::Timer || c.kind == ControlKind::FileDialog) {
            EXPECT_EQ(control(c.name), nullptr);  // no window of its own
            continue;
        }
        const HWND h = control(c.name);
        ASSERT_NE(h, nullptr);
        const KindShape shape = shape_of(c.kind);
        EXPECT_EQ(_wcsicmp(class_of(h).c_str(), shape.cls), 0) << "class";
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & shape.mask, shape.bits)
            << "style";
        EXPECT_EQ(IsWindowEnabled(h) != FALSE, c.enabled) << "enabled";
        const bool shown = (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(shown, c.kind == ControlKind::TabPage ? c.page == 0 : c.visible) << "visible";

        const std::string_view frame_name = placement_frame(table, c);
        const HWND frame = frame_name.empty() ? window : control(frame_name);
        const RECT at = rect_in(h, frame);
        if (c.kind == ControlKind::TabPage) {
            // Below the tab strip, over the rest of the tab control.
            RECT tab{};
            GetClientRect(frame, &tab);
            EXPECT_EQ(at.left, 0);
            EXPECT_GT(at.top, 10);
            EXPECT_LE(at.top, 24);  // the page's children begin at 24
            EXPECT_EQ(at.right, tab.right);
            EXPECT_EQ(at.bottom, tab.bottom);
        } else {
            EXPECT_NEAR(at.left, c.x, 1) << "left";
            EXPECT_NEAR(at.top, c.y, 1) << "top";
            EXPECT_NEAR(at.right - at.left, c.width, 1) << "width";
            EXPECT_NEAR(at.bottom - at.top, c.height, 1) << "height";
        }

        switch (c.kind) {
            case ControlKind::GroupBox:
            case ControlKind::Button:
            case ControlKind::CheckBox:
            case ControlKind::Label:
            case ControlKind::Edit:
            case ControlKind::NumberEdit:
            case ControlKind::ConsoleEdit:
            case ControlKind::TextBox:
            case ControlKind::TabPage:
                if (!filled_at_start.count(c.name)) {
                    EXPECT_EQ(text_of(h), to_wide(c.caption)) << "caption";
                }
                break;
            case ControlKind::ComboBox: {
                std::vector<std::wstring> items;
                for (std::string_view item : item_lines(c.items)) items.push_back(to_wide(item));
                EXPECT_EQ(combo_items(h), items) << "items";
                break;
            }
            default:
                break;
        }
        if (c.limit > 0) {
            EXPECT_EQ(SendMessageW(h, EM_GETLIMITTEXT, 0, 0), c.limit) << "most characters";
        }
    }
}

}  // namespace cw::gui
