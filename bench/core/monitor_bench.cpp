// The monitor's cost on the paths that matter: recording on the sender and driver threads
// (every message), and putting a message into words (only for the lines shown).

#include "allocation_counter.h"
#include "midi/clock.h"
#include "midi/message_words.h"
#include "midi/monitor_log.h"
#include "midi/xg_templates.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void RecordIntoAFullLog(benchmark::State& state) {
    midi::SteadyClock clock;
    midi::MonitorLog log(clock);
    const std::vector<std::uint8_t> message{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x13, 0x64, 0xF7};
    for (std::size_t i = 0; i < log.capacity(); ++i) log.record(midi::Direction::In, message);
    const long before = benchutil::allocationCount();
    for (auto _ : state) log.record(midi::Direction::In, message);
    // Slots keep their storage: a full log records without touching the heap.
    state.counters["allocs_per_record"] =
        benchmark::Counter(static_cast<double>(benchutil::allocationCount() - before),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(RecordIntoAFullLog);

void DescribeAPartDump(benchmark::State& state) {
    midi::XgTemplates t;
    for (auto _ : state) benchmark::DoNotOptimize(midi::describeMessage(t.partDumpB));
}
BENCHMARK(DescribeAPartDump);

void DescribeAParameterChange(benchmark::State& state) {
    const std::vector<std::uint8_t> message{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x13, 0x64, 0xF7};
    for (auto _ : state) benchmark::DoNotOptimize(midi::describeMessage(message));
}
BENCHMARK(DescribeAParameterChange);

} // namespace
