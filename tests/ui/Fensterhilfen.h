#pragma once
// Helpers for the window tests: a sound recorder and a typewriter window on a standard page.

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "model/Dokument.h"
#include "model/Schrifttabelle.h"
#include "model/Zustand.h"
#include "sound/logik/Soundregeln.h"
#include "window/Anwendung.h"
#include "window/TTastrolix.h"

struct Soundrecorder : Soundausgabe {
    std::vector<std::pair<int, std::uint16_t>> gespielt;
    void abspielen(int n, std::uint16_t stufe) override { gespielt.emplace_back(n, stufe); }
};

// A typewriter window shown with a new standard page (or the job `vorbereiten` sets up); the
// background panel is 1120 pixels wide. Message boxes are recorded and answered with `antwort`.
struct Fensterprobe {
    Zustand z;
    Soundrecorder ton;
    std::unique_ptr<TTastrolix> fenster;
    QStringList meldungen;
    QMessageBox::StandardButton antwort = QMessageBox::Yes;

    explicit Fensterprobe(const std::function<void(Zustand&)>& vorbereiten = {}) {
        Standardseite_einrichten(z);
        z.Schriftart = Schriftart_von(0);
        z.Auftrag.Neu = true;
        if (vorbereiten) vorbereiten(z);
        fenster = std::make_unique<TTastrolix>(z, ton);
        fenster->Meldungsbox = [this](QMessageBox::Icon, const QString& text,
                                      QMessageBox::StandardButtons knoepfe) {
            meldungen << text;
            return knoepfe.testFlag(antwort) ? antwort : QMessageBox::Ok;
        };
        fenster->resize(1120, 900);
        fenster->show();
        QTest::qWait(400);  // the sheet comes back once the size has settled
    }

    template <typename T>
    T* finde(const char* name) const {
        return fenster->findChild<T*>(QLatin1String(name));
    }
};

#define TASTROLIX_TEST_MAIN(Klasse)                 \
    int main(int argc, char* argv[]) {              \
        QApplication app(argc, argv);               \
        Anwendung_einrichten(app);                  \
        Klasse test;                                \
        return QTest::qExec(&test, argc, argv);     \
    }
