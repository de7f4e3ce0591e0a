// The TCP table with owners (/proc/net/tcp, owners through /proc/*/fd) and the LAN address.
#include <dirent.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "platform/files.h"
#include "platform/posix/posix_handles.h"
#include "platform/tcp_table.h"

namespace cw::posix {

namespace {

// Socket inode -> owning process, from the /proc/PID/fd links, for the inodes wanted.
std::map<std::uint64_t, std::uint32_t> socket_owners(const std::set<std::uint64_t>& wanted) {
    std::map<std::uint64_t, std::uint32_t> owners;
    DIR* proc = ::opendir("/proc");
    if (!proc) return owners;
    while (dirent* e = ::readdir(proc)) {
        char* end = nullptr;
        const unsigned long pid = std::strtoul(e->d_name, &end, 10);
        if (*end != '\0' || pid == 0) continue;
        const std::string fd_dir = std::string("/proc/") + e->d_name + "/fd";
        DIR* fds = ::opendir(fd_dir.c_str());
        if (!fds) continue;
        while (dirent* f = ::readdir(fds)) {
            if (f->d_name[0] == '.') continue;
            char target[64];
            const std::string link = fd_dir + "/" + f->d_name;
            const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
            if (n <= 9 || std::strncmp(target, "socket:[", 8) != 0) continue;
            target[n] = '\0';
            const std::uint64_t inode = std::strtoull(target + 8, nullptr, 10);
            if (wanted.count(inode) && !owners.count(inode)) {
                owners[inode] = static_cast<std::uint32_t>(pid);
            }
        }
        ::closedir(fds);
    }
    ::closedir(proc);
    return owners;
}

}  // namespace

std::vector<TcpConnection> list_tcp_connections() {
    // IPv4 first, then IPv6, where a dual-stack listener (a Java server's usual socket) sits.
    auto rows = parse_proc_net_tcp(fs::read_whole_file("/proc/net/tcp"));
    for (auto& row : parse_proc_net_tcp(fs::read_whole_file("/proc/net/tcp6"))) {
        rows.push_back(std::move(row));
    }
    std::set<std::uint64_t> wanted;
    for (const auto& r : rows) {
        if (r.inode != 0) wanted.insert(r.inode);
    }
    const auto owners = socket_owners(wanted);
    std::vector<TcpConnection> list;
    list.reserve(rows.size());
    for (const auto& r : rows) {
        TcpConnection c = r.connection;
        const auto it = owners.find(r.inode);
        if (r.inode != 0 && it != owners.end()) c.owner_pid = it->second;
        list.push_back(std::move(c));
    }
    return list;
}

std::string lan_address() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name, nullptr, &hints, &found) != 0) return {};
    std::string text;
    for (addrinfo* a = found; a && text.empty(); a = a->ai_next) {
        if (a->ai_family != AF_INET) continue;
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
        text = dotted_address(reinterpret_cast<const unsigned char*>(&in->sin_addr.s_addr));
    }
    ::freeaddrinfo(found);
    return text;
}

}  // namespace cw::posix
