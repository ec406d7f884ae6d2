// The sheet of the largest fully typed page: one struck cell against a full drawing, and the
// whole delayed redraw of the typewriter window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>

#include "Grosse_Seite.h"
#include "sound/logik/Soundregeln.h"
#include "window/Anwendung.h"
#include "window/Blattmaler.h"
#include "window/TTastrolix.h"

namespace {
// The background panel of a maximized window on a 1920 x 1080 screen.
constexpr int Panelbreite = 1920;
constexpr int Panelhoehe = 860;

struct Stumm : Soundausgabe {
    void abspielen(int, std::uint16_t) override {}
};

void BM_Zelle_zeichnen(benchmark::State& state) {
    Zustand z;
    Grosse_Seite_einrichten(z);
    blatt_berechnen(z, Panelbreite, Panelhoehe);
    Blattmaler maler;
    QImage bild;
    maler.zeichnen(bild, z, z.Geometrie.Blatt.size(), 1.0);
    maler.buchstaben_zeichnen(bild, z, 1.0);
    int spalte = 0;
    for (auto _ : state) {
        z.BuchstabenFeld(60, spalte) = {u'k', static_cast<std::uint8_t>(spalte % 8)};
        benchmark::DoNotOptimize(maler.zelle_zeichnen(bild, z, 60, spalte, 1.0));
        spalte = (spalte + 1) % (z.Spalten_max + 1);
    }
}
BENCHMARK(BM_Zelle_zeichnen)->Unit(benchmark::kMicrosecond);

void BM_Blatt_voll_zeichnen(benchmark::State& state) {
    Zustand z;
    Grosse_Seite_einrichten(z);
    blatt_berechnen(z, Panelbreite, Panelhoehe);
    Blattmaler maler;
    QImage bild;
    maler.zeichnen(bild, z, z.Geometrie.Blatt.size(), 1.0);
    maler.buchstaben_zeichnen(bild, z, 1.0);
    for (auto _ : state) {
        maler.zeichnen(bild, z, z.Geometrie.Blatt.size(), 1.0);
        benchmark::DoNotOptimize(maler.buchstaben_zeichnen(bild, z, 1.0));
    }
}
BENCHMARK(BM_Blatt_voll_zeichnen)->Unit(benchmark::kMillisecond);

void BM_Verzoegertes_Neuzeichnen(benchmark::State& state) {
    Zustand z;
    Stumm ton;
    TTastrolix fenster(z, ton);
    fenster.resize(Panelbreite, Panelhoehe + 133 + fenster.menuBar()->sizeHint().height());
    z.Auftrag.Neu = true;
    Grosse_Seite_einrichten(z);
    fenster.show();
    Grosse_Seite_einrichten(z);  // the new-document job emptied the grid
    fenster.StarttimerTimer();
    for (auto _ : state) fenster.StarttimerTimer();
    state.counters["Hintergrundbreite"] = fenster.findChild<QWidget*>("Hintergrund")->width();
}
BENCHMARK(BM_Verzoegertes_Neuzeichnen)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Anwendung_einrichten(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
