// Conversion and INI speeds that the parsers and settings screens rely on.
#include <benchmark/benchmark.h>

#include "app/IniText.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

namespace {

std::string MixedUtf8(size_t bytes) {
  std::string page;
  while (page.size() < bytes) page += "<div class=\"v\">优酷视频 title 第一集</div>\n";
  return page;
}

void BM_FromUtf8_1MB(benchmark::State& state) {
  const std::string page = MixedUtf8(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(tarvo::FromUtf8(page));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_FromUtf8_1MB);

void BM_FromGbk_1MB(benchmark::State& state) {
  const std::string gbk = tarvo::ToCodePage(tarvo::FromUtf8(MixedUtf8(1 << 20)));
  for (auto _ : state) benchmark::DoNotOptimize(tarvo::FromCodePage(gbk));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gbk.size()));
}
BENCHMARK(BM_FromGbk_1MB);

void BM_IniSetValue_50Lines(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < 50; ++i) lines.push_back("key" + std::to_string(i) + "=value");
  lines.insert(lines.begin(), "[Section]");
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvo::ini::SetValue(lines, u"Section", u"key49", u"x", "GBK"));
  }
}
BENCHMARK(BM_IniSetValue_50Lines);

}  // namespace
