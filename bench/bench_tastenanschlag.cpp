// One keystroke end to end on the largest fully typed page: the key event delivered to the
// window, grid and cursor changed, sheet picture, carriage and status line updated, the delayed
// redraw run and the window repainted (offscreen). Beside it, the same key typed into a
// QTextEdit holding the same 126 lines of 134 characters, the widget most Qt writing programs
// type into.

#include <QKeyEvent>
#include <QTextEdit>

#include "Fensterbank.h"

namespace {
constexpr QSize Fenstergroesse(1920, 1040);

void Taste_k(QWidget* ziel) {
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
    QApplication::sendEvent(ziel, &druck);
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_K, Qt::NoModifier, QStringLiteral("k"));
    QApplication::sendEvent(ziel, &los);
}

void BM_Tastenanschlag_Tastrolix(benchmark::State& state) {
    Grosses_Fenster f(Fenstergroesse - QSize(0, 180));
    f.z.akt_Zeile = 60;
    f.fenster->StarttimerTimer();
    QApplication::processEvents();
    int spalte = 0;
    for (auto _ : state) {
        f.z.akt_Spalte = spalte;
        Taste_k(f.fenster.get());
        f.fenster->StarttimerTimer();  // the delayed redraw the stroke asked for
        QApplication::processEvents();
        spalte = (spalte + 1) % 120;
    }
}
BENCHMARK(BM_Tastenanschlag_Tastrolix)->Unit(benchmark::kMicrosecond);

void BM_Tastenanschlag_QTextEdit(benchmark::State& state) {
    QTextEdit edit;
    edit.resize(Fenstergroesse);
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setPixelSize(17);
    edit.setFont(schrift);
    QString text;
    for (int zeile = 0; zeile < 126; ++zeile) {
        text += QString(134, QChar(u'a' + zeile % 26));
        text += QLatin1Char('\n');
    }
    edit.setPlainText(text);
    edit.show();
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(60 * 135 + 10);
    edit.setTextCursor(cursor);
    QApplication::processEvents();
    for (auto _ : state) {
        Taste_k(&edit);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Tastenanschlag_QTextEdit)->Unit(benchmark::kMicrosecond);
}  // namespace

TASTROLIX_BENCH_MAIN()
