#pragma once
// The program's GBK text meets the W functions here, and only here.
#include <string>
#include <string_view>

namespace cw::win32 {

inline constexpr unsigned kGbkCodePage = 936;

std::wstring to_wide(std::string_view gbk);
std::string to_gbk(std::wstring_view wide);

}  // namespace cw::win32
