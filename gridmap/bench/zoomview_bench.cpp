// Speed of the view's rendering against a plain copy of the client's bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gridmap/zoomviewcore.h"

namespace {

using quillmark::Bitmap24;
using quillmark::ZoomViewCore;

constexpr int kClientWidth = 464;
constexpr int kClientHeight = 180;

// Paints at once, as a window does inside an origin change.
class PaintingHost : public quillmark::ZoomViewHost {
public:
    void paintNow() override { view->paint(); }
    void scheduleRepaint() override {}
    ZoomViewCore* view = nullptr;
};

Bitmap24 NoisyMap() {
    Bitmap24 map(638, 322);
    unsigned seed = 12345;
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            map.SetPixel(
                x, y,
                {static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed >> 16),
                 static_cast<std::uint8_t>(seed >> 8)});
        }
    }
    return map;
}

void SetUpView(ZoomViewCore& view, double zoom) {
    view.setBorderStyle(quillmark::bsNone);
    view.setCenter(false);
    view.setControlSize(kClientWidth, kClientHeight);
    view.Bitmap().Assign(NoisyMap());
    view.RefreshView();
    view.setZoomPercent(zoom);
    view.setOrigin(view.MaxOriginX() / 2, view.MaxOriginY() / 2);
    view.render();
}

// Full render of the client; the argument is the zoom in percent.
void BM_Render(benchmark::State& state) {
    ZoomViewCore view;
    SetUpView(view, static_cast<double>(state.range(0)));
    for (auto _ : state) {
        view.render();
        benchmark::DoNotOptimize(view.backBuffer().ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kClientWidth * kClientHeight * 3);
}
BENCHMARK(BM_Render)
    ->Arg(73)
    ->Arg(200)
    ->Arg(216)
    ->Arg(static_cast<int>(ZoomViewCore::kMaxZoomPercent))
    ->Unit(benchmark::kMicrosecond);

// A drag of 1,000 pointer moves at 200 %: each sets the origin and renders.
void BM_Drag1000Moves(benchmark::State& state) {
    PaintingHost host;
    ZoomViewCore view(&host);
    host.view = &view;
    SetUpView(view, 200);
    for (auto _ : state) {
        view.setOrigin(680, 140);
        view.beginDrag(200, 90);
        for (int i = 1; i <= 1000; ++i) view.dragTo(200 - (i % 300), 90 - (i % 90));
        view.endDrag(200, 90);
        benchmark::DoNotOptimize(view.backBuffer().ScanLine(0));
    }
}
BENCHMARK(BM_Drag1000Moves)->Unit(benchmark::kMillisecond);

// Yardstick: a plain copy of as many bytes as the client holds.
void BM_CopyClientBytes(benchmark::State& state) {
    const std::size_t bytes = std::size_t{kClientWidth} * kClientHeight * 3;
    std::vector<unsigned char> source(bytes, 7), target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_CopyClientBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
