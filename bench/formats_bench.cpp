// Speeds of the format decoders on inputs larger than the server sends.
#include <benchmark/benchmark.h>

#include "jokes/JokeFile.h"
#include "launcher/TickerMessages.h"
#include "net/AccountCipher.h"
#include "net/Des.h"
#include "platform/text/Utf8.h"

namespace {

void BM_ParseJokeText_1MB(benchmark::State& state) {
  tarvo::WString text;
  while (text.size() < (1 << 19)) text += u"#一个笑话 with # inside\r\n第二行\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(tarvo::ParseJokeText(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
}
BENCHMARK(BM_ParseJokeText_1MB);

void BM_ParseTickerMessages_100(benchmark::State& state) {
  std::string text;
  for (int i = 1; i <= 100; ++i) {
    std::string n = std::to_string(i);
    text += "tarvomsg" + n + "=消息" + n + ";action" + n + "=1;url" + n + "=http://x/" + n + ";";
  }
  tarvo::WString wide = tarvo::FromUtf8(text);
  for (auto _ : state) {
    std::vector<tarvo::TickerMessage> messages;
    tarvo::ParseTickerMessages(wide, 1, 100, messages);
    benchmark::DoNotOptimize(messages);
  }
}
BENCHMARK(BM_ParseTickerMessages_100);

void BM_DesBlock(benchmark::State& state) {
  tarvo::Des des({0x13, 0x34, 0x57, 0x79, 0x9B, 0xBC, 0xDF, 0xF1});
  tarvo::DesBlock block{1, 2, 3, 4, 5, 6, 7, 8};
  for (auto _ : state) {
    block = des.Encrypt(block);
    benchmark::DoNotOptimize(block);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 8));
}
BENCHMARK(BM_DesBlock);

void BM_EncipherPassword(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvo::Encipher(u"pass1234", u"QUJDREVGR0gxMjM0NTY3OHh5"));
  }
}
BENCHMARK(BM_EncipherPassword);

}  // namespace
