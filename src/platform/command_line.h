#pragma once
// Splitting a Windows command line into its arguments the way the child's C runtime does, so
// that one command line starts the same program with the same arguments on every side.
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// The first argument (the program) follows the runtime's program-name rule: double quotes
// switch quoting on and off and are dropped, backslashes are plain characters, and it ends at
// the first blank or tab outside quotes. The other arguments follow the argument rules:
//   - blanks and tabs outside quotes separate arguments;
//   - 2n backslashes before a double quote give n backslashes, and the quote toggles quoting;
//   - 2n+1 backslashes before a double quote give n backslashes and a literal quote;
//   - backslashes not followed by a double quote are literal;
//   - inside quotes, two double quotes give one literal quote and quoting goes on;
//   - a GBK double-byte character is kept whole (its second byte may be a backslash).
// An empty quoted argument ("") is kept as an empty argument.
std::vector<std::string> split_command_line(std::string_view command_line);

}  // namespace cw
