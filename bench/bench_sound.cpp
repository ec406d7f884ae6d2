// What a sound costs the keystroke that asks for it: SoundAbspielen through the real player,
// with the audio device open where there is one. The player only publishes the request for
// the audio callback, so this must stay far below a millisecond.

#include <benchmark/benchmark.h>

#include "model/Zustand.h"
#include "sound/Soundspieler.h"
#include "sound/logik/Soundregeln.h"

namespace {
void BM_SoundAbspielen(benchmark::State& state) {
    Zustand z;
    z.Lautstaerke3 = 0.5;
    Soundspieler spieler;
    int n = 0;
    for (auto _ : state) {
        SoundAbspielen(z, spieler, n + 1);
        n = (n + 1) % Sound_Anzahl;
    }
    state.SetLabel(spieler.Geraet_offen() ? "device open" : "no device");
}
BENCHMARK(BM_SoundAbspielen);

// Start-up: decoding the fourteen embedded sounds and opening the device.
void BM_Soundspieler_anlegen(benchmark::State& state) {
    bool offen = false;
    for (auto _ : state) {
        Soundspieler spieler;
        offen = spieler.Geraet_offen();
        benchmark::DoNotOptimize(offen);
    }
    state.SetLabel(offen ? "device open" : "no device");
}
BENCHMARK(BM_Soundspieler_anlegen)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
