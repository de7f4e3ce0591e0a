#pragma once
// The name of a sub-menu: its path "menu>entry", joined at compile time from the two constants
// so that the entry's caption is written only once.
#include <array>
#include <cstddef>
#include <string_view>

namespace cw {

namespace detail {

template <const std::string_view& menu, const std::string_view& entry>
struct SubmenuPath {
    static constexpr std::size_t kSize = menu.size() + 1 + entry.size();
    static constexpr std::array<char, kSize> kChars = [] {
        std::array<char, kSize> out{};
        std::size_t i = 0;
        for (char c : menu) out[i++] = c;
        out[i++] = '>';
        for (char c : entry) out[i++] = c;
        return out;
    }();
};

}  // namespace detail

template <const std::string_view& menu, const std::string_view& entry>
inline constexpr std::string_view submenu_name{detail::SubmenuPath<menu, entry>::kChars.data(),
                                               detail::SubmenuPath<menu, entry>::kSize};

}  // namespace cw
