#pragma once
// What the window benchmarks share: a typewriter window on the largest fully typed page, and a
// main that runs the benchmarks inside an offscreen Qt application.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>
#include <memory>

#include "Grosse_Seite.h"
#include "sound/logik/Soundregeln.h"
#include "window/Anwendung.h"
#include "window/TTastrolix.h"

struct Stumm : Soundausgabe {
    void abspielen(int, std::uint16_t) override {}
};

// A typewriter window whose background panel is `panel` pixels, shown with the largest page
// laid out and drawn.
struct Grosses_Fenster {
    Zustand z;
    Stumm ton;
    std::unique_ptr<TTastrolix> fenster;

    explicit Grosses_Fenster(QSize panel) {
        fenster = std::make_unique<TTastrolix>(z, ton);
        Groesse(panel);
        z.Auftrag.Neu = true;
        Grosse_Seite_einrichten(z);
        fenster->show();
        Grosse_Seite_einrichten(z);  // the new-document job emptied the grid
        fenster->StarttimerTimer();
        QApplication::processEvents();
    }

    void Groesse(QSize panel) {
        fenster->resize(panel.width(),
                        panel.height() + 133 + fenster->menuBar()->sizeHint().height());
    }
};

#define TASTROLIX_BENCH_MAIN()                          \
    int main(int argc, char** argv) {                   \
        qputenv("QT_QPA_PLATFORM", "offscreen");        \
        QApplication app(argc, argv);                   \
        Anwendung_einrichten(app);                      \
        benchmark::Initialize(&argc, argv);             \
        benchmark::RunSpecifiedBenchmarks();            \
        benchmark::Shutdown();                          \
        return 0;                                       \
    }
