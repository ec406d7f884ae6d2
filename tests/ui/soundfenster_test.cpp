// The window "Sound-Einstellungen" opened from the typewriter window.

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "Fensterhilfen.h"
#include "sound/fenster/TSoundeinstellungen.h"

namespace {
// A main window to open the sound settings over, with the state and a sound recorder.
struct Soundfensterprobe {
    Zustand z;
    Soundrecorder ton;
    QWidget hauptfenster;

    Soundfensterprobe() {
        hauptfenster.setGeometry(100, 60, 1000, 700);
        hauptfenster.show();
    }
    TSoundeinstellungen* oeffnen() { return TSoundeinstellungen::Zeigen(z, ton, &hauptfenster); }
};

template <typename T>
T* finde(const QWidget* fenster, const char* name) {
    auto* w = fenster->findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no control %s", name);
    return w;
}

const char* const Regler[] = {"Lautstaerke_Trackbar", "Lautstaerke_Trackbar1",
                              "Lautstaerke_Trackbar2", "Lautstaerke_Trackbar3",
                              "Lautstaerke_Trackbar4"};
const char* const Beschriftung[] = {"Beschriftung", "Beschriftung1", "Beschriftung2",
                                    "Beschriftung3", "Beschriftung4"};
}  // namespace

class SoundfensterTest : public QObject {
    Q_OBJECT

  private slots:
    void einmalAngelegtUndUeberDemHauptfensterMittig() {
        Soundfensterprobe p;
        auto* fenster = p.oeffnen();
        QVERIFY(fenster->isVisible());
        QVERIFY(!fenster->isModal());
        QCOMPARE(fenster->windowTitle(), QStringLiteral("Sound-Einstellungen"));
        QVERIFY(fenster->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(fenster->windowFlags() & (Qt::WindowMinMaxButtonsHint)));
        QCOMPARE(fenster->minimumSize(), fenster->maximumSize());
        QVERIFY(fenster->width() >= 421 && fenster->height() >= 182);
        const QPoint abstand =
            fenster->frameGeometry().center() - p.hauptfenster.frameGeometry().center();
        QVERIFY2(abstand.manhattanLength() <= 1, "centred over the main window");

        QCOMPARE(p.oeffnen(), fenster);
        fenster->hide();
        QCOMPARE(p.oeffnen(), fenster);
        QCOMPARE(p.hauptfenster.findChildren<TSoundeinstellungen*>().size(), 1);
    }

    void zeilenMitBeschriftungBereichUndHinweis() {
        Soundfensterprobe p;
        auto* fenster = p.oeffnen();
        const struct {
            const char* beschriftung;
            const char* hinweis_beschriftung;
            const char* hinweis;
            int seitenschritt;
            const char* testknopf;
        } zeilen[] = {
            {"Master-Lautstärke", "Gesamtlautstärke", "Gesamtlautstärke...", 5, nullptr},
            {"Kleinbuchstaben:", "Kleinbuchstaben und Leertaste...",
             "Kleinbuchstaben und Leertaste...", 2, "SpeedButton4"},
            {"Großbuchstaben:", "Großbuchstaben...", "Großbuchstaben...", 2, "SpeedButton5"},
            {"Sondertöne:", "Feststelltaste, Umschalttaste, Entertaste...",
             "Feststelltaste, Umschalttaste, Entertaste...", 2, "SpeedButton6"},
            {"Effekte:", "Glocke...", "Glocke...", 2, "SpeedButton7"},
        };
        for (int i = 0; i < 5; ++i) {
            const auto& zeile = zeilen[i];
            auto* regler = finde<QSlider>(fenster, Regler[i]);
            auto* beschriftung = finde<QLabel>(fenster, Beschriftung[i]);
            QCOMPARE(beschriftung->text(), QString::fromUtf8(zeile.beschriftung));
            QCOMPARE(beschriftung->toolTip(), QString::fromUtf8(zeile.hinweis_beschriftung));
            QCOMPARE(beschriftung->buddy(), regler);
            QCOMPARE(regler->minimum(), 0);
            QCOMPARE(regler->maximum(), 100);
            QCOMPARE(regler->value(), 100);
            QCOMPARE(regler->pageStep(), zeile.seitenschritt);
            QCOMPARE(regler->tickPosition(), QSlider::NoTicks);
            QCOMPARE(regler->toolTip(), QString::fromUtf8(zeile.hinweis));
            QCOMPARE(regler->accessibleName(), regler->toolTip());
            if (!zeile.testknopf) continue;
            auto* knopf = finde<QToolButton>(fenster, zeile.testknopf);
            QCOMPARE(knopf->toolTip(), QStringLiteral("Testen"));
            QCOMPARE(knopf->accessibleName(), QStringLiteral("Testen"));
        }
        QCOMPARE(fenster->findChildren<QToolButton*>().size(), 4);
        auto* bestaetigen = finde<QPushButton>(fenster, "SpeedButton1");
        QCOMPARE(bestaetigen->text(), QStringLiteral("Bestätigen"));
        QCOMPARE(bestaetigen->accessibleName(), bestaetigen->text());
    }

    // Every showing reads the volumes: 12.5 goes to the even neighbour 12, and the handler this
    // raises makes the volume 0.12.
    void zeigenRundetZurGeradenNachbarstelle() {
        Soundfensterprobe p;
        p.z.Lautstaerke = 0.37;
        p.z.Lautstaerke1 = 0.125;
        p.z.Lautstaerke3 = 0.9999;
        auto* fenster = p.oeffnen();
        QCOMPARE(finde<QSlider>(fenster, "Lautstaerke_Trackbar1")->value(), 12);
        QCOMPARE(p.z.Lautstaerke1, 0.12);
        QCOMPARE(finde<QLabel>(fenster, "Lautstaerke_Label1")->text(), QStringLiteral("12%"));
        QCOMPARE(finde<QLabel>(fenster, "Lautstaerke_Label")->text(), QStringLiteral("37%"));
        QCOMPARE(p.z.Lautstaerke3, 1.0);
        QCOMPARE(finde<QLabel>(fenster, "Lautstaerke_Label3")->text(), QStringLiteral("100%"));

        // Changed meanwhile on the assistant's page: shown at the next opening.
        fenster->hide();
        p.z.Lautstaerke4 = 0.4;
        p.oeffnen();
        QCOMPARE(finde<QSlider>(fenster, "Lautstaerke_Trackbar4")->value(), 40);
        QCOMPARE(finde<QLabel>(fenster, "Lautstaerke_Label4")->text(), QStringLiteral("40%"));
    }

    void bestaetigenUndSchliessenVerbergenUndBehaltenAlles() {
        Soundfensterprobe p;
        auto* fenster = p.oeffnen();
        finde<QSlider>(fenster, "Lautstaerke_Trackbar2")->setValue(57);
        QCOMPARE(p.z.Lautstaerke2, 0.57);
        QCOMPARE(finde<QLabel>(fenster, "Lautstaerke_Label2")->text(), QStringLiteral("57%"));
        QTest::mouseClick(finde<QPushButton>(fenster, "SpeedButton1"), Qt::LeftButton);
        QVERIFY(!fenster->isVisible());

        QCOMPARE(p.oeffnen(), fenster);
        QTest::keyClick(finde<QSlider>(fenster, "Lautstaerke_Trackbar2"), Qt::Key_PageDown);
        QCOMPARE(p.z.Lautstaerke2, 0.55);
        QVERIFY(fenster->close());
        QVERIFY(!fenster->isVisible());
        QCOMPARE(p.oeffnen(), fenster);
        QCOMPARE(finde<QSlider>(fenster, "Lautstaerke_Trackbar2")->value(), 55);
        QCOMPARE(p.z.Lautstaerke2, 0.55);
    }

    void testknoepfeUndMasterlautstaerke() {
        Soundfensterprobe p;
        auto* fenster = p.oeffnen();
        for (int i = 1; i < 5; ++i) finde<QSlider>(fenster, Regler[i])->setValue(10 * i);
        const struct {
            const char* knopf;
            int sound;
            double lautstaerke;
        } faelle[] = {
            {"SpeedButton4", 1, 0.1},
            {"SpeedButton5", 11, 0.2},
            {"SpeedButton6", 13, 0.4},  // sound 13 belongs to group 4
            {"SpeedButton7", 3, 0.4},
        };
        // The master volume changes no loudness.
        for (int master : {100, 0, 63}) {
            finde<QSlider>(fenster, "Lautstaerke_Trackbar")->setValue(master);
            QCOMPARE(p.z.Lautstaerke, master / 100.0);
            for (const auto& f : faelle) {
                p.ton.gespielt.clear();
                QTest::mouseClick(finde<QToolButton>(fenster, f.knopf), Qt::LeftButton);
                QCOMPARE(p.ton.gespielt.size(), std::size_t{1});
                QCOMPARE(p.ton.gespielt[0].first, f.sound);
                QCOMPARE(p.ton.gespielt[0].second, Lautstaerke_Stufe(f.lautstaerke));
            }
        }
        // Moving group 3 leaves its test as loud as before; group 1 at 0 plays silently.
        finde<QSlider>(fenster, "Lautstaerke_Trackbar3")->setValue(90);
        finde<QSlider>(fenster, "Lautstaerke_Trackbar1")->setValue(0);
        p.ton.gespielt.clear();
        finde<QToolButton>(fenster, "SpeedButton6")->click();
        finde<QToolButton>(fenster, "SpeedButton4")->click();
        QCOMPARE(p.ton.gespielt, (std::vector<std::pair<int, std::uint16_t>>{
                                     {13, Lautstaerke_Stufe(0.4)}, {1, 0}}));

        p.ton.gespielt.clear();
        p.z.Sound_an = false;
        for (const auto& f : faelle) finde<QToolButton>(fenster, f.knopf)->click();
        QVERIFY(p.ton.gespielt.empty());
    }
};

TASTROLIX_TEST_MAIN(SoundfensterTest)
#include "soundfenster_test.moc"
