// One programming pass (Connect, SetData, close) against a simulated remote with a set reply latency.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "usb/remote_protocol.h"
#include "usb/simulated_remote.h"

namespace {

void BM_UsbProgramPass(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    usb_qvl::SimulatedPlatform platform;
    usb_qvl::SimulatedRemote& remote = platform.AddRemote();
    remote.reply_latency = std::chrono::microseconds(state.range(1));
    const usb_qvl::Device device(remote.path);
    const std::vector<std::uint8_t> message(size, 0x5A);
    const double reports = static_cast<double>((size + 59) / 60);
    for (auto _ : state) {
        USBTimerDevice timer(platform);
        const bool programmed = timer.Connect(&device) && timer.SetData(message, 0);
        timer.Close();
        if (!programmed) {
            state.SkipWithError("the simulated remote was not programmed");
            break;
        }
        remote.received.clear();
    }
    state.counters["reports"] = reports;
    // Time of the pass per report; at latency 0 this is the overhead of our own code.
    state.counters["per_report"] =
        benchmark::Counter(reports, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_UsbProgramPass)
    ->ArgsProduct({{7, 21, 126, 247}, {0, 100, 1000}})
    ->ArgNames({"bytes", "latency_us"})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

}  // namespace
