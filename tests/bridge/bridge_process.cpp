#include "bridge_process.h"

#include <winsock2.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace bridge_test {

namespace {

// Wide text for the W calls, zero-terminated.
std::vector<WCHAR> wide(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::vector<WCHAR> out(static_cast<size_t>(n) + 1, 0);
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string utf8(const WCHAR* text, size_t size) {
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), out.data(), n, nullptr, nullptr);
    return out;
}

std::string upper(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// The current environment with the changes applied, as a CREATE_UNICODE_ENVIRONMENT block.
std::vector<WCHAR> environment_block(
    const std::vector<std::pair<std::string, std::string>>& changes) {
    std::map<std::string, std::pair<std::string, std::string>> vars;  // by upper-case name
    WCHAR* strings = GetEnvironmentStringsW();
    for (const WCHAR* p = strings; *p;) {
        size_t len = 0;
        while (p[len]) ++len;
        const std::string entry = utf8(p, len);
        const size_t eq = entry.find('=', 1);  // "=C:=C:\x" entries start with '='
        if (eq != std::string::npos) {
            vars[upper(entry.substr(0, eq))] = {entry.substr(0, eq), entry.substr(eq + 1)};
        }
        p += len + 1;
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : changes) {
        if (value.empty()) {
            vars.erase(upper(name));
        } else {
            vars[upper(name)] = {name, value};
        }
    }
    std::vector<WCHAR> block;
    for (const auto& [key, entry] : vars) {
        const std::vector<WCHAR> w = wide(entry.first + "=" + entry.second);
        block.insert(block.end(), w.begin(), w.end());  // with its terminating zero
    }
    block.push_back(0);
    return block;
}

// Writes all bytes, in chunks.
bool write_whole(HANDLE h, const std::string& bytes) {
    char chunk[16 * 1024];
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t size = std::min(bytes.size() - done, sizeof chunk);
        std::copy_n(bytes.data() + done, size, chunk);
        size_t sent = 0;
        while (sent < size) {
            DWORD written = 0;
            if (!WriteFile(h, chunk + sent, static_cast<DWORD>(size - sent), &written, nullptr)) {
                return false;
            }
            sent += written;
        }
        done += size;
    }
    return true;
}

bool make_pipe(HANDLE& read_end, HANDLE& write_end, bool parent_reads) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    if (!CreatePipe(&read_end, &write_end, &sa, 0)) return false;
    // Only the child's end is inherited.
    SetHandleInformation(parent_reads ? read_end : write_end, HANDLE_FLAG_INHERIT, 0);
    return true;
}

}  // namespace

std::string windows_path(const std::string& unix_path) {
    std::string out = "Z:" + unix_path;
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

bool unix_process_running(unsigned long pid) {
    const std::string stat = windows_path("/proc/" + std::to_string(pid) + "/stat");
    const HANDLE file =
        CreateFileW(wide(stat).data(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[512] = {};
    DWORD got = 0;
    const BOOL ok = ReadFile(file, buffer, sizeof buffer - 1, &got, nullptr);
    CloseHandle(file);
    if (!ok || got == 0) return false;
    // "pid (name) S ...": the state follows the last closing parenthesis.
    const std::string text(buffer, got);
    const size_t close = text.rfind(')');
    if (close == std::string::npos || close + 2 >= text.size()) return false;
    const char state = text[close + 2];
    return state != 'Z' && state != 'X';
}

int free_tcp_port() {
    int port = 0;
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 0;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s != INVALID_SOCKET) {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int len = sizeof addr;
        if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
            getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) == 0) {
            port = ntohs(addr.sin_port);
        }
        closesocket(s);
    }
    WSACleanup();
    return port;
}

bool write_file(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(wide(path).data(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = write_whole(file, bytes);
    CloseHandle(file);
    return ok;
}

PipeReader::PipeReader(HANDLE pipe) : pipe_(pipe) {
    InitializeCriticalSection(&lock_);
    changed_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &PipeReader::run, this, 0, nullptr);
}

PipeReader::~PipeReader() {
    // The pipe ends once the bridge and its java are gone; the owner ends them first.
    if (WaitForSingleObject(thread_, 10000) != WAIT_OBJECT_0) {
        CancelSynchronousIo(thread_);
        WaitForSingleObject(thread_, 5000);
    }
    CloseHandle(thread_);
    CloseHandle(changed_);
    CloseHandle(pipe_);
    DeleteCriticalSection(&lock_);
}

DWORD WINAPI PipeReader::run(void* arg) {
    auto* self = static_cast<PipeReader*>(arg);
    char buffer[64 * 1024];  // on the stack, see write_whole
    for (;;) {
        DWORD got = 0;
        const BOOL ok = ReadFile(self->pipe_, buffer, sizeof buffer, &got, nullptr);
        EnterCriticalSection(&self->lock_);
        if (ok && got > 0) {
            self->text_.append(buffer, got);
        } else {
            self->ended_ = true;
        }
        const bool ended = self->ended_;
        LeaveCriticalSection(&self->lock_);
        SetEvent(self->changed_);
        if (ended) return 0;
    }
}

std::string PipeReader::text() {
    EnterCriticalSection(&lock_);
    std::string copy = text_;
    LeaveCriticalSection(&lock_);
    return copy;
}

bool PipeReader::wait_for(const std::string& needle, DWORD millis) {
    const ULONGLONG deadline = GetTickCount64() + millis;
    for (;;) {
        EnterCriticalSection(&lock_);
        const bool found = text_.find(needle) != std::string::npos;
        const bool ended = ended_;
        LeaveCriticalSection(&lock_);
        if (found) return true;
        if (ended) return false;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        WaitForSingleObject(changed_, static_cast<DWORD>(deadline - now));
    }
}

bool PipeReader::wait_for_end(DWORD millis) {
    return WaitForSingleObject(thread_, millis) == WAIT_OBJECT_0;
}

BridgeProcess::~BridgeProcess() {
    if (process_) {
        if (wait_for_exit(0) == STILL_ACTIVE) terminate();
        WaitForSingleObject(process_, 10000);
        CloseHandle(process_);
    }
    if (input_) CloseHandle(input_);
}

bool BridgeProcess::start(const Options& options) {
    HANDLE in_read = nullptr, out_read = nullptr, out_write = nullptr;
    HANDLE err_read = nullptr, err_write = nullptr;
    if (!make_pipe(in_read, input_, false) || !make_pipe(out_read, out_write, true)) return false;
    if (options.separate_error && !make_pipe(err_read, err_write, true)) return false;

    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    si.hStdInput = in_read;
    si.hStdOutput = out_write;
    si.hStdError = options.separate_error ? err_write : out_write;

    std::vector<WCHAR> command = wide("\"" + options.program + "\" " + options.arguments);
    std::vector<WCHAR> env = environment_block(options.environment);
    std::vector<WCHAR> dir = wide(options.directory);
    PROCESS_INFORMATION pi{};
    // Wine has been seen to refuse a start once in a long run of them; the refusal is said on the
    // error output with its code and the start is tried again, a few times at most.
    BOOL created = FALSE;
    for (int attempt = 1; attempt <= 3 && !created; ++attempt) {
        created = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                                 CREATE_UNICODE_ENVIRONMENT, env.data(),
                                 options.directory.empty() ? nullptr : dir.data(), &si, &pi);
        if (!created) {
            std::fprintf(stderr, "starting %s failed (attempt %d): error %lu\n",
                         options.program.c_str(), attempt, GetLastError());
            Sleep(200);
        }
    }
    // The child's ends live on in the child only, so the output ends when the child ends.
    CloseHandle(in_read);
    CloseHandle(out_write);
    if (err_write) CloseHandle(err_write);
    output_ = std::make_unique<PipeReader>(out_read);
    if (err_read) error_ = std::make_unique<PipeReader>(err_read);
    if (!created) return false;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    return true;
}

bool BridgeProcess::write(const std::string& bytes) {
    return write_whole(input_, bytes);
}

void BridgeProcess::close_input() {
    if (input_) CloseHandle(input_);
    input_ = nullptr;
}

DWORD BridgeProcess::wait_for_exit(DWORD millis) {
    if (!process_) return STILL_ACTIVE;
    if (WaitForSingleObject(process_, millis) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

void BridgeProcess::terminate() {
    if (process_) TerminateProcess(process_, 1);
}

}  // namespace bridge_test
