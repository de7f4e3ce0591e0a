// A small console program that the platform and GUI tests start as a child process. It reads
// commands from standard input, one per line, and answers on standard output:
//   echo TEXT      prints TEXT and a line end
//   zero           prints "ab", a zero byte, "cd"
//   burst N        prints N bytes of a repeating pattern "0123456789" as fast as it can
//   burst N TEXT   the same, then a line end, TEXT and a line end (a marker to wait for)
//   lines N [TEXT] the same as 100-byte lines: 98 pattern digits and "\r\n"
//   listen PORT    listens on 127.0.0.1:PORT, prints "listening" (stays alive)
//   listen6 PORT   listens dual-stack on [::]:PORT as a Java server does, prints "listening"
//   exit N         exits with status N
//   sleep MS       waits MS milliseconds, then prints "slept"
//   stop           behaves like the game server's stop: prints "Stopping server" and exits 0
//   pwd            prints its current directory and a line end
//   args           prints each of its arguments after the program as "[ARG]" and a line end
//   err TEXT       prints TEXT and a line end on standard error
// Started with the argument "server", or with a Java-style "-jar" argument (installed as the
// runtime's javaw.exe in GUI tests), it first prints a game server's start-up phrases.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

void out(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

bool listen_on(int port) {
#ifdef _WIN32
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
#endif
    auto s = socket(AF_INET, SOCK_STREAM, 0);
    if (s == static_cast<decltype(s)>(-1)) return false;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<unsigned short>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return false;
    return listen(s, 4) == 0;  // the socket stays open for the process's life
}

bool listen_dual_stack(int port) {
#ifdef _WIN32
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
#endif
    auto s = socket(AF_INET6, SOCK_STREAM, 0);
    if (s == static_cast<decltype(s)>(-1)) return false;
    int v6_only = 0;
    setsockopt(s, IPPROTO_IPV6, IPV6_V6ONLY, reinterpret_cast<const char*>(&v6_only),
               sizeof v6_only);
    sockaddr_in6 addr{};
    addr.sin6_family = AF_INET6;
    addr.sin6_port = htons(static_cast<unsigned short>(port));
    addr.sin6_addr = in6addr_any;
    if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return false;
    return listen(s, 4) == 0;
}

// "N [TEXT]": N bytes of the repeating pattern, either "0123456789" or, as lines, 100-byte lines
// of 98 pattern digits and "\r\n" (written as they are); then the marker line when TEXT is given.
void burst(const char* args, bool as_lines) {
    char* rest = nullptr;
    long n = std::strtol(args, &rest, 10);
    std::string block;
    while (block.size() < 6400) {
        const std::size_t column = block.size() % 100;
        char c = static_cast<char>('0' + column % 10);
        if (as_lines && column >= 98) c = column == 98 ? '\r' : '\n';
        block.push_back(c);
    }
    std::fflush(stdout);
#ifdef _WIN32
    if (as_lines) _setmode(_fileno(stdout), _O_BINARY);
#endif
    while (n > 0) {
        const long take = n < static_cast<long>(block.size()) ? n : block.size();
        std::fwrite(block.data(), 1, take, stdout);
        n -= take;
    }
    std::fflush(stdout);
#ifdef _WIN32
    if (as_lines) _setmode(_fileno(stdout), _O_TEXT);
#endif
    if (*rest == ' ' && rest[1] != '\0') out("\n" + std::string(rest + 1) + "\n");
}

}  // namespace

int main(int argc, char** argv) {
    bool as_server = argc > 1 && std::strcmp(argv[1], "server") == 0;
    for (int i = 1; i < argc; ++i) as_server = as_server || std::strcmp(argv[i], "-jar") == 0;
    if (as_server) {
        out("[12:00:00 INFO]: Starting minecraft server version 1.7.2\n");
        out("[12:00:00 INFO]: Default game type: SURVIVAL\n");
        out("[12:00:01 INFO]: Done (0.123s)! For help, type \"help\" or \"?\"\n>");
    }
    char line[4096];
    while (std::fgets(line, sizeof line, stdin)) {
        std::string cmd(line);
        while (!cmd.empty() && (cmd.back() == '\n' || cmd.back() == '\r')) cmd.pop_back();
        if (cmd.rfind("echo ", 0) == 0) {
            out(cmd.substr(5) + "\n");
        } else if (cmd == "zero") {
            out(std::string("ab\0cd", 5));
        } else if (cmd.rfind("burst ", 0) == 0) {
            burst(cmd.c_str() + 6, false);
        } else if (cmd.rfind("lines ", 0) == 0) {
            burst(cmd.c_str() + 6, true);
        } else if (cmd.rfind("listen6 ", 0) == 0) {
            out(listen_dual_stack(std::atoi(cmd.c_str() + 8)) ? "listening\n" : "bind failed\n");
        } else if (cmd.rfind("listen ", 0) == 0) {
            out(listen_on(std::atoi(cmd.c_str() + 7)) ? "listening\n" : "bind failed\n");
        } else if (cmd.rfind("exit ", 0) == 0) {
            return std::atoi(cmd.c_str() + 5);
        } else if (cmd.rfind("sleep ", 0) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(cmd.c_str() + 6)));
            out("slept\n");
        } else if (cmd == "pwd") {
#ifdef _WIN32
            char dir[MAX_PATH] = {};
            GetCurrentDirectoryA(sizeof dir, dir);
#else
            char dir[4096] = {};
            if (!getcwd(dir, sizeof dir)) dir[0] = '\0';
#endif
            out(std::string(dir) + "\n");
        } else if (cmd == "args") {
            std::string text;
            for (int i = 1; i < argc; ++i) text += std::string("[") + argv[i] + "]\n";
            out(text);
        } else if (cmd.rfind("err ", 0) == 0) {
            const std::string text = cmd.substr(4) + "\n";
            std::fwrite(text.data(), 1, text.size(), stderr);
            std::fflush(stderr);
        } else if (cmd == "stop") {
            out("[12:00:02 INFO]: Stopping server\n");
            return 0;
        } else {
            out("Unknown command. Type \"help\" for help.\n>");
        }
    }
    // End of input: keep running like a server until killed, unless asked to end.
    if (argc > 2 && std::strcmp(argv[2], "stay") == 0) {
        for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return 0;
}
