// Repainting the week view into a memory bitmap: the cost of one paint of a full program.
// Needs a display (run under xvfb-run); starts wx without a main window.

#include "advanced/week_view.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

// Outside the anonymous namespace: wxIMPLEMENT_APP defines wxGetApp() for it.
class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

namespace {

// Intervals spread over the week, some past midnight, some overlapping, cycling the colours.
std::vector<TN3Interval> Program(int count) {
    std::vector<TN3Interval> intervals;
    for (int i = 0; i < count; ++i) {
        const int start_hour = (i * 5) % 24;
        const int stop_hour = (start_hour + 3 + i % 7) % 24;
        char start[16], stop[16];
        std::snprintf(start, sizeof start, "%02d:00:00", start_hour);
        std::snprintf(stop, sizeof stop, "%02d:30:00", stop_hour);
        const auto days = static_cast<std::uint8_t>((0x06u << (i % 6)) | (i % 3 == 0 ? 0x80 : 0));
        intervals.emplace_back(days, start, stop, "00:00:30", "00:15:00");
    }
    return intervals;
}

// Arguments: interval count, client width, client height. Each iteration is one repaint with
// a fresh device context, as a paint event makes.
void BM_PaintWeekView(benchmark::State& state) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "week view bench");
    auto* view = new TarnelFeeder3APanel(frame);
    view->GetIntervalList() = Program(static_cast<int>(state.range(0)));
    const wxSize client(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    wxBitmap bitmap(client.x, client.y, 24);
    for (auto _ : state) {
        wxMemoryDC dc(bitmap);
        view->Draw(dc, client);
    }
    state.SetLabel(std::to_string(state.range(0)) + " intervals");
    delete frame;
}
BENCHMARK(BM_PaintWeekView)
    ->Args({0, 500, 300})
    ->Args({17, 500, 300})
    ->Args({17, 1600, 1000})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot start wxWidgets (is DISPLAY set?)\n");
        return 2;
    }
    wxTheApp->CallOnInit();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
