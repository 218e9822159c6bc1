// What matching entries costs as a form's language table grows: the key index that rebuilding
// and reading tables fill and search, and the linear scan of FindEntry.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "components/Verbonix/SortList.h"
#include "components/Verbonix/Verbonix.h"

namespace qp {
namespace {

// Keys as the stored-table reader makes them: language, component, property, sub-index.
std::string KeyOf(std::int64_t i) {
  return std::to_string(i % 3) + "Component" + std::to_string(i) + "Caption-1";
}

// An index of n keys, filled in order so that setting it up stays linear.
void FillIndex(TSortList& index, std::int64_t n) {
  std::vector<std::string> keys;
  for (std::int64_t i = 0; i < n; ++i)
    keys.push_back(KeyOf(2 * i));
  std::sort(keys.begin(), keys.end());
  for (const std::string& key : keys)
    index.Add(key);
}

// n keys of the index in a shuffled order, or n keys it lacks.
std::vector<std::string> Probes(std::int64_t n, bool present) {
  std::vector<std::string> probes;
  for (std::int64_t i = 0; i < n; ++i)
    probes.push_back(KeyOf(2 * i + (present ? 0 : 1)));
  std::shuffle(probes.begin(), probes.end(), std::mt19937(42));
  return probes;
}

void SortedFindInIndex(benchmark::State& state) {
  TSortList index;
  FillIndex(index, state.range(0));
  const std::vector<std::string> probes = Probes(state.range(0), true);
  std::size_t next = 0;
  for (auto _ : state) {
    std::int32_t position = -1;
    benchmark::DoNotOptimize(SortedFind(index, probes[next], position));
    next = (next + 1) % probes.size();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(SortedFindInIndex)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oLogN);

// Each insertion is undone at once, so the index keeps n keys; the time includes the deletion.
// Both shift the lines behind the key, so a whole index filled this way costs n squared.
void SortedInsertIntoIndex(benchmark::State& state) {
  TSortList index;
  FillIndex(index, state.range(0));
  const std::vector<std::string> probes = Probes(state.range(0), false);
  std::size_t next = 0;
  for (auto _ : state) {
    const std::string& key = probes[next];
    SortedInsert(index, key, 0);
    std::int32_t position = -1;
    SortedFind(index, key, position);
    index.Delete(position);
    next = (next + 1) % probes.size();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(SortedInsertIntoIndex)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN);

// A miss: the whole table is scanned.
void FindEntryMissing(benchmark::State& state) {
  TVerbonix engine(nullptr);
  for (std::int64_t i = 1; i < state.range(0); ++i) {
    auto entry = TVerbonix::NewEntry(ekProperty);
    entry->LanguageNo = static_cast<std::int32_t>(i % 3);
    entry->ComponentName = "Component" + std::to_string(i);
    entry->PropertyName = "Caption";
    engine.Languages().Add(std::move(entry));
  }
  auto probe = TVerbonix::NewEntry(ekProperty);
  probe->LanguageNo = 1;
  probe->ComponentName = "Component0";
  probe->PropertyName = "Caption";
  for (auto _ : state)
    benchmark::DoNotOptimize(engine.FindEntry(*probe));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(FindEntryMissing)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

}  // namespace
}  // namespace qp
