// What a language switch pays per entry: finding a property by name and, for nested
// properties, gathering the sorted property list of a font.
#include <benchmark/benchmark.h>

#include "platform/core/Rtti.h"
#include "platform/ui/Font.h"

namespace qp {
namespace {

void FindPropertyByName(benchmark::State& state) {
  TFont font;
  for (auto _ : state)
    benchmark::DoNotOptimize(GetPropInfo(font, "style"));
}
BENCHMARK(FindPropertyByName);

void SortedNestedPropertyList(benchmark::State& state) {
  TFont font;
  for (auto _ : state)
    benchmark::DoNotOptimize(font.ClassType().SortedProperties(tkProperties));
}
BENCHMARK(SortedNestedPropertyList);

}  // namespace
}  // namespace qp
