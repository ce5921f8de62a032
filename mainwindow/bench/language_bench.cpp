// What a language costs at start-up: installing its translators (the
// program's own, built in, and Qt's, read from the system), and creating the
// window with it in place.
#include <benchmark/benchmark.h>

#include <QTimer>

#include "languages/languages.h"
#include "mainwindow/Unit1.h"

namespace {

using quillmark::Language;

const char* const kNames[] = {"no language", "zh_CN", "zh_TW", "en"};

void BM_InstallLanguage(benchmark::State& state) {
    const auto language = static_cast<Language>(state.range(0));
    for (auto _ : state) quillmark::InstallLanguage(language);
    state.SetLabel(kNames[state.range(0)]);
    quillmark::InstallLanguage(Language::Untranslated);
}
BENCHMARK(BM_InstallLanguage)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_CreateWindow(benchmark::State& state) {
    const auto language = static_cast<Language>(state.range(0));
    quillmark::InstallLanguage(language);
    for (auto _ : state) {
        quillmark::TForm1 form;
        form.Timer1->stop();
        form.Timer2->stop();
        benchmark::DoNotOptimize(form.winId());
    }
    state.SetLabel(kNames[state.range(0)]);
    quillmark::InstallLanguage(Language::Untranslated);
}
BENCHMARK(BM_CreateWindow)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
