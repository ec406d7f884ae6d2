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
    bool markiert = false;
    maler.zeichnen(bild, z, z.Geometrie.Blatt.size(), 1.0);
    maler.buchstaben_zeichnen(bild, z, 1.0, markiert);
    int spalte = 0;
    for (auto _ : state) {
        // A new character in a cell; the picture finds it and redraws its surroundings.
        TBuchstabe& zelle = z.BuchstabenFeld(60, spalte);
        zelle = {zelle.Zeichen == u'k' ? u'j' : u'k', static_cast<std::uint8_t>(spalte % 8)};
        benchmark::DoNotOptimize(maler.buchstaben_zeichnen(bild, z, 1.0, markiert));
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
    bool markiert = false;
    for (auto _ : state) {
        maler.zeichnen(bild, z, z.Geometrie.Blatt.size(), 1.0);
        benchmark::DoNotOptimize(maler.buchstaben_zeichnen(bild, z, 1.0, markiert));
    }
}
BENCHMARK(BM_Blatt_voll_zeichnen)->Unit(benchmark::kMillisecond);

// The delayed redraw after a change of layout: the sheet laid out anew and drawn whole.
void BM_Verzoegertes_Neuzeichnen_voll(benchmark::State& state) {
    Zustand z;
    Stumm ton;
    TTastrolix fenster(z, ton);
    const int menue = fenster.menuBar()->sizeHint().height();
    z.Auftrag.Neu = true;
    Grosse_Seite_einrichten(z);
    fenster.resize(Panelbreite, Panelhoehe + 133 + menue);
    fenster.show();
    Grosse_Seite_einrichten(z);  // the new-document job emptied the grid
    int breite = Panelbreite;
    for (auto _ : state) {
        state.PauseTiming();
        breite = breite == Panelbreite ? Panelbreite - 40 : Panelbreite;
        fenster.resize(breite, Panelhoehe + 133 + menue);
        QApplication::processEvents();
        state.ResumeTiming();
        fenster.StarttimerTimer();
    }
}
BENCHMARK(BM_Verzoegertes_Neuzeichnen_voll)->Unit(benchmark::kMillisecond);

// The delayed redraw a keystroke asks for, with nothing left to draw but the carriage.
void BM_Verzoegertes_Neuzeichnen_nach_Anschlag(benchmark::State& state) {
    Zustand z;
    Stumm ton;
    TTastrolix fenster(z, ton);
    fenster.resize(Panelbreite, Panelhoehe + 133 + fenster.menuBar()->sizeHint().height());
    z.Auftrag.Neu = true;
    Grosse_Seite_einrichten(z);
    fenster.show();
    Grosse_Seite_einrichten(z);
    fenster.StarttimerTimer();
    for (auto _ : state) fenster.StarttimerTimer();
}
BENCHMARK(BM_Verzoegertes_Neuzeichnen_nach_Anschlag)->Unit(benchmark::kMicrosecond);
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
