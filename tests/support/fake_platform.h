#pragma once
// A scripted stand-in for the system services, and a fake child process whose output, writes
// and life the test controls.
#include <condition_variable>
#include <deque>
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace cw::test {

class FakeChildRun : public ChildRun {
public:
    explicit FakeChildRun(std::uint32_t pid = 4242) : pid_(pid) {}

    // Test side.
    void push_output(std::string chunk);  // the next read returns it (already a chunk)
    void exit();                          // the child ends; reads drain, then return empty
    std::string written();                // every byte written to standard input
    int reads_waiting();                  // reads currently blocked

    // ChildRun
    bool write_line(std::string_view text) override;
    bool is_alive() override;
    std::uint32_t process_id() override { return pid_; }
    std::string read(std::size_t max_bytes) override;
    bool terminate() override;
    bool terminated();

private:
    std::uint32_t pid_;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<std::string> output_;
    std::string written_;
    bool alive_ = true;
    bool terminated_ = false;
    int waiting_ = 0;
};

struct StartedChild {
    std::string command_line;
    std::string working_dir;
    int show_mode;
    std::shared_ptr<FakeChildRun> run;
};

class FakePlatform : public Platform {
public:
    // Script.
    std::vector<TcpConnection> connections;
    bool wow64 = false;
    std::map<std::string, std::string> registry64;  // "key|value" -> text
    std::map<std::string, std::string> registry32;
    std::string http_body;
    // An IP echo that never answers: http_get waits out its whole time-out, then fails.
    std::atomic<bool> http_silent{false};
    std::atomic<bool> http_waiting{false};  // a silent request is being waited out now
    std::string lan;
    bool child_start_fails = false;
    // System counters: the next answers (nothing: the query fails), the environment, the
    // system's processor count.
    std::optional<std::int64_t> next_system_time = 0;
    std::optional<std::int64_t> next_idle_time = 0;
    std::map<std::string, std::string> environment;
    int processors = 1;
    bool clipboard_fails = false;

    // Records.
    std::vector<std::uint32_t> terminated;
    std::vector<std::string> http_requests;  // "host:port/path"
    std::string clipboard;                   // the last text placed on it
    int clipboard_writes = 0;
    std::vector<std::string> opened_urls;
    std::vector<StartedChild> started();
    std::shared_ptr<FakeChildRun> last_child();

    std::shared_ptr<ChildRun> start_child(const std::string& command_line,
                                          const std::string& working_dir,
                                          int show_mode) override;
    std::vector<TcpConnection> list_tcp_connections() override { return connections; }
    void terminate_process(std::uint32_t pid) override { terminated.push_back(pid); }
    bool is_64bit_windows() override { return wow64; }
    std::string read_registry_text_64(const std::string& root, const std::string& key,
                                      const std::string& value) override;
    std::string read_registry_text_32(const std::string& root, const std::string& key,
                                      const std::string& value) override;
    std::string http_get(const std::string& host, int port, const std::string& path,
                         int timeout_ms) override;
    std::string lan_address() override { return lan; }
    std::optional<std::int64_t> system_time() override { return next_system_time; }
    std::optional<std::int64_t> idle_time() override { return next_idle_time; }
    std::string environment_variable(const std::string& name) override {
        const auto it = environment.find(name);
        return it == environment.end() ? "" : it->second;
    }
    int processor_count() override { return processors; }
    bool set_clipboard_text(const std::string& text) override {
        if (clipboard_fails) return false;
        clipboard = text;
        ++clipboard_writes;
        return true;
    }
    bool open_url(const std::string& url) override {
        opened_urls.push_back(url);
        return true;
    }

private:
    std::mutex mutex_;
    std::vector<StartedChild> started_;
    std::uint32_t next_pid_ = 1000;
};

}  // namespace cw::test
