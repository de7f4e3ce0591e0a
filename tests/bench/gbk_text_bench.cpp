// GBK searches over console-sized text: the settings reads and the console rewrites rest on them.
#include <benchmark/benchmark.h>

#include <string>

#include "base/gbk_text.h"

namespace {

// A console-like text: ASCII log lines mixed with GBK Chinese (lead bytes 0x81-0xFE).
std::string console_text(std::size_t bytes) {
    const std::string line =
        "[12:00:00 INFO]: <玩家Alex> 你好，服务器！ Hello there, this is a chat line\r\n";
    std::string text;
    while (text.size() < bytes) text += line;
    return text;
}

void BM_GbkFindAbsent(benchmark::State& state) {
    const std::string text = console_text(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(cw::gbk_find(text, "Perhaps a server is"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_GbkFindAbsent)->Arg(260)->Arg(64 << 10);

void BM_GbkReplaceFrequent(benchmark::State& state) {
    const std::string text = console_text(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(cw::gbk_replace_all(text, ">", ">\r\n"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_GbkReplaceFrequent)->Arg(260)->Arg(64 << 10);

}  // namespace
