// The assistant's page "Einstellungen": options, volumes with test buttons, auto-save interval.

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QToolTip>

#include "Fensterhilfen.h"
#include "assistant/TEinstellungsseite.h"

namespace {
struct Seitenprobe {
    Zustand z;
    Soundrecorder ton;
    TEinstellungsseite seite{z, ton, nullptr};

    Seitenprobe() {
        seite.resize(620, 460);
        seite.show();
    }
    template <typename T>
    T* finde(const char* name) const {
        auto* w = seite.findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QString text(const char* name) const { return finde<QLabel>(name)->text(); }
    int position(const char* name) const { return finde<QSlider>(name)->value(); }
};

const char* const Regler[] = {"Lautstaerke_Trackbar", "Lautstaerke_Trackbar1",
                              "Lautstaerke_Trackbar2", "Lautstaerke_Trackbar3",
                              "Lautstaerke_Trackbar4"};
const char* const Prozent[] = {"Lautstaerke_Label", "Lautstaerke_Label1", "Lautstaerke_Label2",
                               "Lautstaerke_Label3", "Lautstaerke_Label4"};
}  // namespace

class EinstellungenTest : public QObject {
    Q_OBJECT

  private slots:
    void bedienelementeMitBeschriftungBereichUndHinweis() {
        Seitenprobe p;
        const struct {
            const char* name;
            const char* text;
            bool angehakt;
        } optionen[] = {
            {"Tastenwdhtoncheckbox", "Tastenwiederholungston aktivieren", true},
            {"SM_ModusCheckbox", "Schreibposition nicht mit Mausklick setzen", false},
            {"AutoZeilenUmbruch_Checkbox", "Automatischer Zeilenumbruch", true},
        };
        for (const auto& o : optionen) {
            auto* box = p.finde<QCheckBox>(o.name);
            QCOMPARE(box->text(), QString::fromUtf8(o.text));
            QCOMPARE(box->accessibleName(), box->text());
            QCOMPARE(box->isChecked(), o.angehakt);
        }

        const struct {
            const char* beschriftung_name;
            const char* beschriftung;
            const char* hinweis_beschriftung;
            const char* hinweis;
            int seitenschritt;
            const char* testknopf;
        } zeilen[] = {
            {"Beschriftung", "Master-Lautstärke", "Gesamtlautstärke", "Gesamtlautstärke...", 5,
             nullptr},
            {"Beschriftung1", "Kleinbuchstaben", "Kleinbuchstaben und Leertaste...",
             "Kleinbuchstaben und Leertaste...", 2, "SpeedButton4"},
            {"Beschriftung2", "Großbuchstaben", "Großbuchstaben...", "Großbuchstaben...", 2,
             "SpeedButton5"},
            {"Beschriftung3", "Sondertöne", "Feststelltaste, Umschalttaste, Entertaste...",
             "Feststelltaste, Umschalttaste, Entertaste...", 2, "SpeedButton6"},
            {"Beschriftung4", "Effekte", "Glocke...", "Glocke...", 2, "SpeedButton7"},
        };
        for (int i = 0; i < 5; ++i) {
            const auto& zeile = zeilen[i];
            auto* beschriftung = p.finde<QLabel>(zeile.beschriftung_name);
            QCOMPARE(beschriftung->text(), QString::fromUtf8(zeile.beschriftung));
            QCOMPARE(beschriftung->toolTip(), QString::fromUtf8(zeile.hinweis_beschriftung));
            QCOMPARE(beschriftung->font().bold(), i == 0);
            auto* regler = p.finde<QSlider>(Regler[i]);
            QCOMPARE(regler->minimum(), 0);
            QCOMPARE(regler->maximum(), 100);
            QCOMPARE(regler->value(), 100);
            QCOMPARE(regler->pageStep(), zeile.seitenschritt);
            QCOMPARE(regler->tickPosition(), QSlider::NoTicks);
            QCOMPARE(regler->toolTip(), QString::fromUtf8(zeile.hinweis));
            QCOMPARE(regler->accessibleName(), regler->toolTip());
            QCOMPARE(p.text(Prozent[i]), QStringLiteral("100%"));
            QCOMPARE(p.finde<QLabel>(Prozent[i])->alignment() & Qt::AlignRight, Qt::AlignRight);
            if (!zeile.testknopf) continue;
            auto* knopf = p.finde<QToolButton>(zeile.testknopf);
            QCOMPARE(knopf->toolTip(), QStringLiteral("Testen"));
            QCOMPARE(knopf->accessibleName(), QStringLiteral("Testen"));
            QVERIFY(!knopf->icon().isNull());
        }
        QCOMPARE(p.seite.findChildren<QToolButton*>().size(), 4);

        auto* zeit = p.finde<QSlider>("tbZeit");
        QCOMPARE(zeit->minimum(), 0);
        QCOMPARE(zeit->maximum(), 30);
        QCOMPARE(zeit->value(), 5);
        QCOMPARE(zeit->accessibleName(), QStringLiteral("Automatisch Speichern nach:"));
        QCOMPARE(p.text("Label_AutoSpeichern"), QStringLiteral("Automatisch Speichern nach:"));
        QCOMPARE(p.text("lAutoSpeichern"), QStringLiteral("5min"));
        QCOMPARE(p.text("Label_Zeit_Anfang"), QStringLiteral("-"));
        QCOMPARE(p.text("Label_Zeit_Ende"), QStringLiteral("30min"));
    }

    void aenderungenWirkenSofort() {
        Seitenprobe p;
        p.finde<QCheckBox>("Tastenwdhtoncheckbox")->click();
        p.finde<QCheckBox>("SM_ModusCheckbox")->click();
        p.finde<QCheckBox>("AutoZeilenUmbruch_Checkbox")->click();
        QCOMPARE(p.z.Tastenwiederholungston, false);
        QCOMPARE(p.z.SM_Modus, true);
        QCOMPARE(p.z.AutoZeilenUmbruch, false);
        p.finde<QCheckBox>("SM_ModusCheckbox")->click();
        QCOMPARE(p.z.SM_Modus, false);

        p.finde<QSlider>("Lautstaerke_Trackbar")->setValue(37);
        QCOMPARE(p.z.Lautstaerke, 0.37);
        QCOMPARE(p.text("Lautstaerke_Label"), QStringLiteral("37%"));
        QTest::keyClick(p.finde<QSlider>("Lautstaerke_Trackbar"), Qt::Key_PageUp);
        QCOMPARE(p.text("Lautstaerke_Label"), QStringLiteral("42%"));
        const double gruppen[] = {0.57, 0.0, 0.01, 0.99};
        double Zustand::*const felder[] = {&Zustand::Lautstaerke1, &Zustand::Lautstaerke2,
                                           &Zustand::Lautstaerke3, &Zustand::Lautstaerke4};
        for (int i = 0; i < 4; ++i) {
            const int position = qRound(gruppen[i] * 100);
            p.finde<QSlider>(Regler[i + 1])->setValue(position);
            QCOMPARE(p.z.*felder[i], gruppen[i]);
            QCOMPARE(p.text(Prozent[i + 1]), QString::number(position) + u'%');
        }

        auto* zeit = p.finde<QSlider>("tbZeit");
        for (int minuten : {12, 0, 30}) {
            zeit->setValue(minuten);
            QCOMPARE(p.z.Speicherintervall, minuten * 60000);
            QCOMPARE(p.text("lAutoSpeichern"), QString::number(minuten) + QStringLiteral("min"));
        }
    }

    void reglerZeigtSeineStellungBeimZiehen() {
        Seitenprobe p;
        auto* zeit = p.finde<QSlider>("tbZeit");
        zeit->setSliderDown(true);
        zeit->setSliderPosition(17);
        QCOMPARE(QToolTip::text(), QStringLiteral("17"));
        zeit->setSliderDown(false);
        QCOMPARE(p.z.Speicherintervall, 17 * 60000);
    }

    // The values read from the settings file go into the controls; the change handlers this
    // raises leave whole percents and whole minutes from 0 to 30 behind.
    void startwerteLaufenDurchDieHandler() {
        const struct {
            double lautstaerke;
            int position;
            double danach;
            const char* text;
        } volumen[] = {
            {0.125, 12, 0.12, "12%"}, {0.9999, 100, 1.0, "100%"}, {0.0, 0, 0.0, "0%"},
            {0.57, 57, 0.57, "57%"},  {1.0, 100, 1.0, "100%"},
        };
        const struct {
            int gespeichert;
            int minuten;
        } intervalle[] = {{0, 5},     {300000, 5},   {330000, 5}, {720000, 12},
                          {90000, 1}, {5400000, 30}, {59999, 0}};
        double Zustand::*const felder[] = {&Zustand::Lautstaerke, &Zustand::Lautstaerke1,
                                           &Zustand::Lautstaerke2, &Zustand::Lautstaerke3,
                                           &Zustand::Lautstaerke4};
        for (const auto& iv : intervalle) {
            Zustand z;
            Soundrecorder ton;
            TEinstellungsseite seite(z, ton, nullptr);
            for (int i = 0; i < 5; ++i) z.*felder[i] = volumen[i].lautstaerke;
            z.Tastenwiederholungston = false;
            z.SM_Modus = true;
            z.AutoZeilenUmbruch = false;
            z.Speicherintervall = iv.gespeichert;
            seite.FormCreate();
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(seite.findChild<QSlider*>(QLatin1String(Regler[i]))->value(),
                         volumen[i].position);
                QCOMPARE(z.*felder[i], volumen[i].danach);
                QCOMPARE(seite.findChild<QLabel*>(QLatin1String(Prozent[i]))->text(),
                         QLatin1String(volumen[i].text));
            }
            QVERIFY(
                !seite.findChild<QCheckBox*>(QStringLiteral("Tastenwdhtoncheckbox"))->isChecked());
            QVERIFY(seite.findChild<QCheckBox*>(QStringLiteral("SM_ModusCheckbox"))->isChecked());
            QVERIFY(!seite.findChild<QCheckBox*>(QStringLiteral("AutoZeilenUmbruch_Checkbox"))
                         ->isChecked());
            QCOMPARE(seite.findChild<QSlider*>(QStringLiteral("tbZeit"))->value(), iv.minuten);
            QCOMPARE(z.Speicherintervall, iv.minuten * 60000);
            QCOMPARE(seite.findChild<QLabel*>(QStringLiteral("lAutoSpeichern"))->text(),
                     QString::number(iv.minuten) + QStringLiteral("min"));
        }
    }

    // The assistant's refresh shows volumes and options changed elsewhere (the sound settings
    // window) and leaves an interval switched off for this run alone.
    void auffrischenZeigtAenderungenVonAnderswo() {
        Seitenprobe p;
        p.finde<QSlider>("tbZeit")->setValue(0);
        p.z.Lautstaerke2 = 0.4;
        p.z.SM_Modus = true;
        p.seite.Anzeige_Updaten();
        QCOMPARE(p.position("Lautstaerke_Trackbar2"), 40);
        QCOMPARE(p.text("Lautstaerke_Label2"), QStringLiteral("40%"));
        QVERIFY(p.finde<QCheckBox>("SM_ModusCheckbox")->isChecked());
        QCOMPARE(p.z.Speicherintervall, 0);
        QCOMPARE(p.position("tbZeit"), 0);
    }

    void testknoepfeSpielenDieTestsoundsDerGruppen() {
        Seitenprobe p;
        for (int i = 0; i < 5; ++i) p.finde<QSlider>(Regler[i])->setValue(10 * i);
        const struct {
            const char* knopf;
            int sound;
            double lautstaerke;
        } faelle[] = {
            {"SpeedButton4", 1, 0.1},
            {"SpeedButton5", 11, 0.2},
            {"SpeedButton6", 13, 0.4},  // a group 4 sound: the group 3 volume plays no part
            {"SpeedButton7", 3, 0.4},
        };
        for (const auto& f : faelle) {
            p.ton.gespielt.clear();
            QTest::mouseClick(p.finde<QToolButton>(f.knopf), Qt::LeftButton);
            QCOMPARE(p.ton.gespielt.size(), std::size_t{1});
            QCOMPARE(p.ton.gespielt[0].first, f.sound);
            QCOMPARE(p.ton.gespielt[0].second, Lautstaerke_Stufe(f.lautstaerke));
        }
        p.ton.gespielt.clear();
        p.z.Sound_an = false;
        for (const auto& f : faelle) p.finde<QToolButton>(f.knopf)->click();
        QVERIFY(p.ton.gespielt.empty());
    }
};

TASTROLIX_TEST_MAIN(EinstellungenTest)
#include "einstellungen_test.moc"
