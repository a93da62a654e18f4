#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calc/number_text.hpp"
#include "calc/recalculate.hpp"
#include "tests/support/table_sheet.hpp"

namespace {

// D(0), D(1), D(3), D(4) of the reference runs: five with flow, five without.
const std::array<std::array<const char*, 4>, 10> kRuns = {{
    {"0.20", "120", "0.009", "1.00"},
    {"0.20", "147.5", "0.009", "1.00"},
    {"0.20", "180", "0.013", "0.5"},
    {"0.30", "90", "0.013", "2"},
    {"1", "200", "0.015", "0.3"},
    {"0.20", "0", "0.009", "1.00"},
    {"0.20", "360", "0.009", "1.00"},
    {"0.20", "0.01", "0.009", "1.00"},
    {"0", "120", "0.009", "1.00"},
    {"0.20", "-120", "0.009", "1.00"},
}};

void BM_Recalculate(benchmark::State& state) {
  const auto& run = kRuns[static_cast<std::size_t>(state.range(0))];
  calc::testing::TableSheet sheet;
  sheet.d = {run[0], run[1], "", run[2], run[3]};
  for (auto _ : state) {
    calc::Recalculate(sheet);
    benchmark::DoNotOptimize(sheet.r);
  }
}
BENCHMARK(BM_Recalculate)->DenseRange(0, 9);

void BM_ReadInput(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::ReadInput("147.5"));
  }
}
BENCHMARK(BM_ReadInput);

void BM_FormatFixed4(benchmark::State& state) {
  double value = 2.574434;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(calc::FormatFixed4(value));
  }
}
BENCHMARK(BM_FormatFixed4);

void BM_FormatGeneral(benchmark::State& state) {
  double value = 14.633333333333335;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(calc::FormatGeneral(value));
  }
}
BENCHMARK(BM_FormatGeneral);

void BM_ReadDisplayed(benchmark::State& state) {
  const std::string text = "0.1920";
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::ReadDisplayed(text));
  }
}
BENCHMARK(BM_ReadDisplayed);

}  // namespace

BENCHMARK_MAIN();
