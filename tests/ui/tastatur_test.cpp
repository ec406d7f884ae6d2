// Real key events and mouse clicks in the typewriter window: the grid, the cursor, the status
// line, the sounds and the sheet's pixels follow.

#include <QLabel>
#include <QToolButton>

#include "Fensterhilfen.h"
#include "window/Schreibflaeche.h"

namespace {
std::vector<int> Nummern(const Soundrecorder& ton) {
    std::vector<int> n;
    for (const auto& [nummer, stufe] : ton.gespielt) n.push_back(nummer);
    return n;
}

void Taste(QWidget* ziel, QEvent::Type art, Qt::Key taste, const QString& text = {},
           bool wiederholt = false, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QKeyEvent e(art, taste, mod, text, wiederholt);
    QApplication::sendEvent(ziel, &e);
}
}  // namespace

class TastaturTest : public QObject {
    Q_OBJECT

private slots:
    void tippenSchlaegtZeichenAnUndZeichnetSieSofort() {
        Fensterprobe p;
        QTest::keyClicks(p.fenster.get(), QStringLiteral("abC"));
        QCOMPARE(p.z.BuchstabenFeld(0, 0), (TBuchstabe{u'a', 0}));
        QCOMPARE(p.z.BuchstabenFeld(0, 2), (TBuchstabe{u'C', 0}));
        QCOMPARE(p.z.akt_Spalte, 3);
        QCOMPARE(p.z.Zeichenzahl, 3);
        QCOMPARE(Nummern(p.ton), (std::vector<int>{1, 1, 11}));
        QCOMPARE(p.finde<QLabel>("Spaltenpanel")->text(), QStringLiteral("Spalte 4 von 61"));
        QCOMPARE(p.finde<QLabel>("Zeichenpanel")->text(), QStringLiteral("Zeichen 3 von 3840"));

        // The struck cell is on the sheet at once, before the delayed redraw.
        const QImage& bild = p.finde<Schreibflaeche>("Schreibflaeche")->Bild();
        bool tinte = false;
        for (int y = 104; y < 124; ++y) {
            for (int x = 130; x < 143; ++x) tinte |= (bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        }
        QVERIFY(tinte);
        QCOMPARE(p.finde<QWidget>("schlitten")->x(), 144 + 40);  // T(3 x 13.409) = 40
    }

    void farbbandUndSchnittDerKnoepfe() {
        Fensterprobe p;
        p.finde<QToolButton>("rot")->click();
        p.finde<QToolButton>("Fettkursiv")->click();
        QTest::keyClick(p.fenster.get(), 'x');
        QCOMPARE(p.z.BuchstabenFeld(0, 0).attribut, Farbindex::rot | Attribut::Fett | Attribut::Kursiv);
        p.finde<QToolButton>("rot")->click();  // no ribbon down: black
        QTest::keyClick(p.fenster.get(), 'y');
        QCOMPARE(p.z.BuchstabenFeld(0, 1).attribut, Attribut::Fett | Attribut::Kursiv);
    }

    void deutscheZeichenJaApostrophUndEuroNein() {
        Fensterprobe p;
        QWidget* ziel = QApplication::focusWidget();
        QVERIFY(ziel);
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_Adiaeresis, QStringLiteral("ä"),
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_Udiaeresis, QStringLiteral("Ü"),
                            Qt::ShiftModifier);
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_ssharp, QStringLiteral("ß"),
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_Apostrophe, QStringLiteral("'"),
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_E, QStringLiteral("€"),
                            Qt::GroupSwitchModifier);
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_Backslash, QStringLiteral("\\"),
                            Qt::GroupSwitchModifier);
        QCOMPARE(p.z.BuchstabenFeld(0, 0).Zeichen, u'ä');
        QCOMPARE(p.z.BuchstabenFeld(0, 1).Zeichen, u'Ü');
        QCOMPARE(p.z.BuchstabenFeld(0, 2).Zeichen, u'ß');
        QVERIFY(p.z.BuchstabenFeld(0, 3).frei());
        QCOMPARE(p.z.akt_Spalte, 3);
        // Shift sounds when pressed and when released.
        QCOMPARE(Nummern(p.ton), (std::vector<int>{1, 4, 11, 4, 1}));

        // A dead key's composed character arrives as committed text.
        QInputMethodEvent komponiert;
        komponiert.setCommitString(QStringLiteral("é"));
        QApplication::sendEvent(ziel, &komponiert);
        QCOMPARE(p.z.BuchstabenFeld(0, 3).Zeichen, u'é');
    }

    void gehaltenerRueckschrittOhneWiederholungston() {
        Fensterprobe p;
        p.z.Tastenwiederholungston = false;
        QTest::keyClicks(p.fenster.get(), QStringLiteral("Haus"));
        p.ton.gespielt.clear();
        QWidget* ziel = QApplication::focusWidget();
        Taste(ziel, QEvent::KeyPress, Qt::Key_Backspace);
        // X11 sends a release before every automatic repeat; neither is a real release.
        for (int i = 0; i < 2; ++i) {
            Taste(ziel, QEvent::KeyRelease, Qt::Key_Backspace, {}, true);
            Taste(ziel, QEvent::KeyPress, Qt::Key_Backspace, {}, true);
        }
        Taste(ziel, QEvent::KeyRelease, Qt::Key_Backspace);
        QCOMPARE(Nummern(p.ton), (std::vector<int>{8, 6}));
        QCOMPARE(p.z.akt_Spalte, 1);
        QCOMPARE(p.z.BuchstabenFeld(0, 0).Zeichen, u'H');
        QVERIFY(p.z.BuchstabenFeld(0, 1).frei());

        p.z.Tastenwiederholungston = true;
        p.ton.gespielt.clear();
        Taste(ziel, QEvent::KeyPress, Qt::Key_Delete);
        Taste(ziel, QEvent::KeyRelease, Qt::Key_Delete, {}, true);
        Taste(ziel, QEvent::KeyPress, Qt::Key_Delete, {}, true);
        Taste(ziel, QEvent::KeyRelease, Qt::Key_Delete);
        QCOMPARE(Nummern(p.ton), (std::vector<int>{9, 9, 6}));
    }

    void eingabeRueckUndZeilenvorschub() {
        Fensterprobe p;
        QTest::keyClicks(p.fenster.get(), QStringLiteral("ab"));
        const int oben = p.finde<QWidget>("Schreibflaeche")->y();
        p.ton.gespielt.clear();
        QTest::keyClick(p.fenster.get(), Qt::Key_Return);
        QCOMPARE(p.z.akt_Zeile, 1);
        QCOMPARE(p.z.akt_Spalte, 0);
        QCOMPARE(Nummern(p.ton), (std::vector<int>{7}));
        // The paper moves up one line; the writing line stays.
        QTRY_COMPARE_WITH_TIMEOUT(p.finde<QWidget>("Schreibflaeche")->y(), oben - 21, 500);
        QCOMPARE(p.finde<QLabel>("Zeilenpanel")->text(), QStringLiteral("Zeilen 2 von 65"));
    }

    void strgEingabeFuegtEineLeerzeileEin() {
        Fensterprobe p;
        QTest::keyClicks(p.fenster.get(), QStringLiteral("oben"));
        QTest::keyClick(p.fenster.get(), Qt::Key_Home);
        p.ton.gespielt.clear();
        QTest::keyClick(p.fenster.get(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(p.z.BuchstabenFeld(0, 0).frei());
        QCOMPARE(p.z.BuchstabenFeld(1, 0).Zeichen, u'o');
        QCOMPARE(p.z.akt_Zeile, 1);
        QCOMPARE(p.z.akt_Spalte, 0);
        QCOMPARE(Nummern(p.ton), (std::vector<int>{7, 7}));
    }

    void tabBleibtImFensterUndUmschaltTabGehtZurueck() {
        Fensterprobe p;
        QWidget* fokus = QApplication::focusWidget();
        QVERIFY(fokus);
        QTest::keyClick(p.fenster.get(), Qt::Key_Tab);
        QTest::keyClick(p.fenster.get(), Qt::Key_Tab);
        QCOMPARE(p.z.akt_Spalte, 20);
        QCOMPARE(QApplication::focusWidget(), fokus);
        QTest::keyClick(p.fenster.get(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(p.z.akt_Spalte, 10);
        QTest::keyClick(p.fenster.get(), Qt::Key_End);
        QCOMPARE(p.z.akt_Spalte, 60);
        QCOMPARE(Nummern(p.ton), (std::vector<int>{2, 2, 4, 2, 4, 3}));  // Shift sounds too
    }

    void strgEntfUndEinfuegemodus() {
        Fensterprobe p;
        QTest::keyClicks(p.fenster.get(), QStringLiteral("abc"));
        QTest::keyClick(p.fenster.get(), Qt::Key_Home);
        QTest::keyClick(p.fenster.get(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(p.z.BuchstabenFeld(0, 0).Zeichen, u'b');
        QCOMPARE(p.z.BuchstabenFeld(0, 1).Zeichen, u'c');

        auto* m = p.finde<QToolButton>("Modus_Einfuegen_Button");
        m->click();
        QVERIFY(p.z.Modus_Einfuegen);
        QCOMPARE(p.finde<QLabel>("Steuerungs_Label")->text(), QStringLiteral("Modus: Einfügen"));
        QTest::keyClick(p.fenster.get(), 'x');
        QCOMPARE(p.z.BuchstabenFeld(0, 0).Zeichen, u'x');
        QCOMPARE(p.z.BuchstabenFeld(0, 1).Zeichen, u'b');
        // "TXT" lets "M" come up without ending insert mode.
        p.finde<QToolButton>("SpeedButton6")->click();
        QVERIFY(!m->isChecked());
        QVERIFY(p.z.Modus_Einfuegen);
        QCOMPARE(p.finde<QLabel>("Steuerungs_Label")->text(), QStringLiteral("Modus: Einfügen"));
    }

    void mausSetztDenSchlitten() {
        Fensterprobe p;
        auto* blatt = p.finde<QWidget>("Schreibflaeche");
        const Blattgeometrie& g = p.z.Geometrie;
        QTest::mouseClick(blatt, Qt::LeftButton, Qt::NoModifier,
                          QPoint(g.Spalten_X[5] + 3, g.Zeilen_Y[3] + 3));
        QCOMPARE(p.z.akt_Zeile, 3);
        QCOMPARE(p.z.akt_Spalte, 5);
        QCOMPARE(Nummern(p.ton), (std::vector<int>{10}));
        QCOMPARE(p.finde<QLabel>("Zeilenpanel")->text(), QStringLiteral("Zeilen 4 von 65"));

        // The wheel moves a line per notch, as the arrow keys do.
        QWheelEvent rad(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(blatt, &rad);
        QCOMPARE(p.z.akt_Zeile, 2);

        QTest::mouseClick(p.finde<QWidget>("waagen"), Qt::LeftButton, Qt::NoModifier,
                          QPoint(g.Blatt.left() + g.Spalten_X[60] + 3, 5));
        QCOMPARE(p.z.akt_Spalte, 60);
        QCOMPARE(p.z.akt_Zeile, 2);
    }
};

TASTROLIX_TEST_MAIN(TastaturTest)
#include "tastatur_test.moc"
