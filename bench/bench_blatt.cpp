// The sheet of the largest fully typed page: one changed cell against a full drawing, and the
// delayed redraw of the typewriter window after a change of layout and after a keystroke.

#include "Fensterbank.h"
#include "window/Blattmaler.h"

namespace {
// The background panel of a maximized window on a 1920 x 1080 screen.
constexpr QSize Panel(1920, 860);

// The largest page laid out for the panel and drawn once.
struct Gemaltes_Blatt {
    Zustand z;
    Blattmaler maler;
    QImage bild;
    bool markiert = false;

    Gemaltes_Blatt() {
        Grosse_Seite_einrichten(z);
        blatt_berechnen(z, Panel.width(), Panel.height());
        maler.zeichnen(bild, z, z.Geometrie.Blatt.size(), 1.0);
        maler.buchstaben_zeichnen(bild, z, 1.0, markiert);
    }
};

void BM_Zelle_zeichnen(benchmark::State& state) {
    Gemaltes_Blatt b;
    int spalte = 0;
    for (auto _ : state) {
        // A new character in a cell; the picture finds it and redraws its surroundings.
        TBuchstabe& zelle = b.z.BuchstabenFeld(60, spalte);
        zelle = {zelle.Zeichen == u'k' ? u'j' : u'k', static_cast<std::uint8_t>(spalte % 8)};
        benchmark::DoNotOptimize(b.maler.buchstaben_zeichnen(b.bild, b.z, 1.0, b.markiert));
        spalte = (spalte + 1) % (b.z.Spalten_max + 1);
    }
}
BENCHMARK(BM_Zelle_zeichnen)->Unit(benchmark::kMicrosecond);

void BM_Blatt_voll_zeichnen(benchmark::State& state) {
    Gemaltes_Blatt b;
    for (auto _ : state) {
        b.maler.zeichnen(b.bild, b.z, b.z.Geometrie.Blatt.size(), 1.0);
        benchmark::DoNotOptimize(b.maler.buchstaben_zeichnen(b.bild, b.z, 1.0, b.markiert));
    }
}
BENCHMARK(BM_Blatt_voll_zeichnen)->Unit(benchmark::kMillisecond);

// The delayed redraw after a change of layout: the sheet laid out anew and drawn whole.
void BM_Verzoegertes_Neuzeichnen_voll(benchmark::State& state) {
    Grosses_Fenster f(Panel);
    bool schmal = false;
    for (auto _ : state) {
        state.PauseTiming();
        schmal = !schmal;
        f.Groesse(schmal ? Panel - QSize(40, 0) : Panel);
        QApplication::processEvents();
        state.ResumeTiming();
        f.fenster->StarttimerTimer();
    }
}
BENCHMARK(BM_Verzoegertes_Neuzeichnen_voll)->Unit(benchmark::kMillisecond);

// The delayed redraw a keystroke asks for, with nothing left to draw but the carriage.
void BM_Verzoegertes_Neuzeichnen_nach_Anschlag(benchmark::State& state) {
    Grosses_Fenster f(Panel);
    for (auto _ : state) f.fenster->StarttimerTimer();
}
BENCHMARK(BM_Verzoegertes_Neuzeichnen_nach_Anschlag)->Unit(benchmark::kMicrosecond);
}  // namespace

TASTROLIX_BENCH_MAIN()
