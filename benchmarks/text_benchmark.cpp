// The text operations on texts of 1 KB, 64 KB and 1 MB that mix ASCII with two-byte
// characters; doubling the input should about double the time.
#include <benchmark/benchmark.h>

#include <string>

#include "text.h"

namespace {

std::string MixedText(std::size_t size) {
  // ASCII, a Chinese character whose second byte is a backslash, a full-width space.
  const std::string piece = "E:\\Games\\英雄联盟 \xD5\x5C" "abc\xA1\xA1";
  std::string text;
  while (text.size() + piece.size() <= size) text += piece;
  text.append(size - text.size(), 'x');
  return text;
}

void BM_FindLast(benchmark::State& state) {
  const std::string text = MixedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(FindLast(text, "\\", true));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_TrimBlanks(benchmark::State& state) {
  const std::string text = "  " + MixedText(static_cast<std::size_t>(state.range(0))) + "\xA1\xA1 ";
  for (auto _ : state) benchmark::DoNotOptimize(TrimBlanks(text));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ConcatText(benchmark::State& state) {
  const std::string text = MixedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ConcatText(text, "\\TCLS\\config\\dirserver.xml"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_FindLast)->RangeMultiplier(2)->Range(1 << 10, 1 << 20);
BENCHMARK(BM_TrimBlanks)->RangeMultiplier(2)->Range(1 << 10, 1 << 20);
BENCHMARK(BM_ConcatText)->RangeMultiplier(2)->Range(1 << 10, 1 << 20);
BENCHMARK_MAIN();
