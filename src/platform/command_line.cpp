#include "platform/command_line.h"

#include "base/gbk_text.h"

namespace cw {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::vector<std::string> split_command_line(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();

    // The program name: quotes toggle, nothing is escaped.
    while (i < n && is_blank(line[i])) ++i;
    if (i == n) return args;
    {
        std::string program;
        bool quoted = false;
        while (i < n && (quoted || !is_blank(line[i]))) {
            if (line[i] == '"') {
                quoted = !quoted;
            } else {
                program.push_back(line[i]);
            }
            ++i;
        }
        args.push_back(std::move(program));
    }

    for (;;) {
        while (i < n && is_blank(line[i])) ++i;
        if (i == n) break;
        std::string arg;
        bool quoted = false;
        while (i < n) {
            std::size_t slashes = 0;
            while (i < n && line[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < n && line[i] == '"') {
                arg.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    arg.push_back('"');
                } else if (quoted && i + 1 < n && line[i + 1] == '"') {
                    arg.push_back('"');
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
                continue;
            }
            arg.append(slashes, '\\');
            if (i == n || (!quoted && is_blank(line[i]))) break;
            const std::size_t len = gbk_char_len(line, i);
            arg.append(line.substr(i, len));
            i += len;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

}  // namespace cw
