#pragma once
// A window test suite around one Cubeworks.exe: a Java runtime installed for it, a program folder
// of its own whose settings name a free server port, the program started there, and what the
// tests read and do through its main window while a game server runs behind it.
// clang-format off
#include <windows.h>
// clang-format on
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "remote_program.h"
#include "ui/main_window_layout.h"
#include "ui/win32/wide_text.h"

namespace cw::gui {

class ServerWindowSuite : public ::testing::Test {
  protected:
    static constexpr DWORD kStartTimeoutMs = 60000;  // the program writes the server jar first
    static constexpr DWORD kTimeoutMs = 15000;

    // Installs `javaw_source` as the Java runtime and starts the program; its main window shows.
    // `usual_port` as for prepare_server_port.
    static void start_program(const std::wstring& javaw_source, bool usual_port = true) {
        java_ = std::make_unique<TestJavaRuntime>(javaw_source);
        folder_ = std::make_unique<ProgramFolder>();
        port_ = prepare_server_port(*folder_, usual_port);
        use_dead_ip_echo();
        program_ = std::make_unique<RemoteProgram>();
        if (!java_->ready() || port_ < 0 || !program_->start(env(L"CW_PROGRAM"), folder_->path())) {
            return;
        }
        program_->wait_main_window(table(), kStartTimeoutMs, &notices_);
    }
    // Ends the program (and with it its child) when a test left it running.
    static void end_program() {
        program_.reset();
        folder_.reset();
        java_.reset();
    }
    static void expect_running_program() {
        ASSERT_TRUE(java_ && java_->ready())
            << "the Java runtime could not be installed: " << (java_ ? java_->problem() : "");
        ASSERT_GT(port_, 0) << "no settings file with a free server port";
        ASSERT_NE(program_->main_window(), nullptr) << "the main window never showed";
        ASSERT_TRUE(program_->running());
    }

    static const WindowSpec& table() { return main_window_spec(); }
    static HWND main() { return program_->main_window(); }
    static HWND control(std::string_view name) { return program_->control(table(), name); }
    static std::wstring console() { return text_of(control(main_window::kConsoleBox)); }
    static std::wstring status(int part) {
        return program_->status_text(control(main_window::kStatusBar), part);
    }
    static std::string status_text() { return win32::to_gbk(status(main_window::kStatusPart)); }
    static bool enabled(std::string_view name) { return IsWindowEnabled(control(name)) != FALSE; }
    static bool contains(const std::wstring& text, std::string_view gbk) {
        return text.find(win32::to_wide(gbk)) != std::wstring::npos;
    }

    static bool console_shows(std::string_view gbk, DWORD timeout_ms = kTimeoutMs) {
        return wait_for([&] { return contains(console(), gbk); }, timeout_ms);
    }
    static bool status_reads(int part, std::string_view gbk, DWORD timeout_ms = kTimeoutMs) {
        return wait_for([&] { return status(part) == win32::to_wide(gbk); }, timeout_ms);
    }
    static bool buttons_read(bool start, bool stop) {
        return wait_for(
            [&] {
                return enabled(main_window::kStartButton) == start &&
                       enabled(main_window::kStopButton) == stop;
            },
            kTimeoutMs);
    }
    // The message box the last action brought up, answered with `button`.
    static MessageBoxSeen answer_next(WPARAM button = IDOK) {
        MessageBoxSeen box = program_->wait_message_box(kTimeoutMs);
        if (box.hwnd) {
            PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            wait_for([&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); }, kTimeoutMs);
        }
        return box;
    }
    static void choose(std::string_view menu, std::string_view entry) {
        PostMessageW(main(), WM_COMMAND, MAKEWPARAM(menu_id(table(), menu, entry), 0), 0);
    }
    static void send_command(const std::wstring& text) {
        ASSERT_TRUE(set_text_of(control(main_window::kCommandBox), text));
        click(control(main_window::kSendButton));
    }

    inline static std::unique_ptr<TestJavaRuntime> java_;
    inline static std::unique_ptr<ProgramFolder> folder_;
    inline static std::unique_ptr<RemoteProgram> program_;
    inline static std::vector<MessageBoxSeen> notices_;
    inline static int port_ = -1;
};

}  // namespace cw::gui
