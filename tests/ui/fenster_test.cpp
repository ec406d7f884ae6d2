// The typewriter window as the user finds it: layout, tool buttons, menus, timers, status line.

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

#include "Fensterhilfen.h"
#include "window/Schlitten.h"

class FensterTest : public QObject {
    Q_OBJECT

private slots:
    void neuesDokumentZeigtTitelUndStatus() {
        Fensterprobe p;
        QCOMPARE(p.fenster->windowTitle(), QStringLiteral("PC-Tastrolix - Neu"));
        QCOMPARE(p.z.Seitenanzahl, 1);
        QCOMPARE(p.finde<QLabel>("Zeilenpanel")->text(), QStringLiteral("Zeilen 1 von 65"));
        QCOMPARE(p.finde<QLabel>("Spaltenpanel")->text(), QStringLiteral("Spalte 1 von 61"));
        QCOMPARE(p.finde<QLabel>("Seitenpanel")->text(), QStringLiteral("Seite 1 von 1"));
        QCOMPARE(p.finde<QLabel>("Zeichenpanel")->text(), QStringLiteral("Zeichen 0 von 3840"));
        QCOMPARE(p.finde<QLabel>("Zeitpanel")->text(), QStringLiteral("Bearbeitungszeit: 00:00"));
        QCOMPARE(p.finde<QLabel>("Steuerungs_Label")->text(), QString());
        QCOMPARE(p.fenster->minimumSize(), QSize(900, 560));
        QCOMPARE(p.finde<QWidget>("Bedienbereich")->height(), 133);
        QCOMPARE(p.finde<QWidget>("StatusPanel")->height(), 27);
    }

    void knoepfeMitHinweisenUndAnfangszustand() {
        Fensterprobe p;
        struct Fall {
            const char* name;
            const char* hinweis;
            bool gedrueckt;
            bool aktiv;
        };
        const Fall faelle[] = {
            {"schwarz", "Farbband schwarz [STRG+1] ", true, true},
            {"gruen", "Farbband grün [STRG+4] ", false, true},
            {"Orange", "Farbband orange [STRG+6] ", false, true},
            {"Standard", "Schriftart Standard [STRG+F / STRG +K] ", true, true},
            {"Fettkursiv", "Schriftart fett kursiv [STRG+F / STRG +K] ", false, true},
            {"Markierung_ausschalten", "Markierung zurücksetzen", false, false},
            {"Markierung_formatieren", "Markierung formatieren", false, false},
            {"Kopieren_Button", "markierten text kopieren", false, false},
            {"Einfuegen_Button", "markierten Text einfügen", false, false},
            {"Drucken_Button", "Drucken", false, true},
            {"SpeedButton8", "Zeile löschen [Strg+Umschalt+Entfernen]", false, true},
            {"Modus_Einfuegen_Button", "Modus \"Einfügen\" steuern", false, true},
            {"Seitenwechsel_minus", "Zurückblättern...", false, false},
            {"Seitenwechsel_plus", "Weiterblättern...", false, false},
            {"Seiten_minus_Button", "Aktuelle Seite entfernen...", false, false},
            {"ZS_Laden_Button", "Zwischenspeicherung laden...", false, false},
            {"soundan", "Tastenanschläge hörbar...", true, true},
            {"Soundaus", "Tastenanschläge aus...", false, true},
        };
        for (const Fall& f : faelle) {
            auto* knopf = p.finde<QToolButton>(f.name);
            QVERIFY2(knopf, f.name);
            QCOMPARE(knopf->toolTip(), QString::fromUtf8(f.hinweis));
            QCOMPARE(knopf->isChecked(), f.gedrueckt);
            QCOMPARE(knopf->isEnabled(), f.aktiv);
            QCOMPARE(knopf->size(), QSize(33, 33));
            QVERIFY(!knopf->accessibleName().isEmpty());
        }
        QCOMPARE(p.finde<QToolButton>("SpeedButton6")->text(), QStringLiteral("TXT"));
        QCOMPARE(p.finde<QToolButton>("Standardkursiv")->text(), QStringLiteral("Abc"));
        for (const char* panel : {"Panel_Farbe", "Panel_Schriftschnitt", "Panel_Markieren",
                                  "Panel_Bearbeiten", "Panel_Zusatzfunktionen", "Panel_Datei",
                                  "Panel_Seite", "Panel_Sound"}) {
            QVERIFY2(p.finde<QWidget>(panel), panel);
        }
    }

    void farbbandDarfGanzOffenSeinStilNicht() {
        Fensterprobe p;
        auto* schwarz = p.finde<QToolButton>("schwarz");
        auto* rot = p.finde<QToolButton>("rot");
        rot->click();
        QVERIFY(rot->isChecked());
        QVERIFY(!schwarz->isChecked());
        rot->click();
        QVERIFY(!rot->isChecked());  // the ribbon group may have none pressed
        auto* standard = p.finde<QToolButton>("Standard");
        standard->click();
        QVERIFY(standard->isChecked());  // the style group always keeps one pressed
        auto* m = p.finde<QToolButton>("Modus_Einfuegen_Button");
        auto* txt = p.finde<QToolButton>("SpeedButton6");
        m->click();
        txt->click();
        QVERIFY(txt->isChecked());
        QVERIFY(!m->isChecked());
        txt->click();
        QVERIFY(!txt->isChecked() && !m->isChecked());
    }

    void menuesInIhrerOrdnung() {
        Fensterprobe p;
        QStringList zeilen;
        for (QAction* menue : p.fenster->menuBar()->actions()) {
            zeilen << menue->text();
            for (QAction* eintrag : menue->menu()->actions()) {
                if (eintrag->isSeparator()) {
                    zeilen << QStringLiteral("  --");
                    continue;
                }
                QString zeile = QStringLiteral("  ") + eintrag->text();
                if (!eintrag->shortcut().isEmpty()) {
                    zeile += QStringLiteral(" [") + eintrag->shortcut().toString() + ']';
                }
                if (eintrag->isChecked()) zeile += QStringLiteral(" *");
                if (!eintrag->isVisible()) zeile += QStringLiteral(" (unsichtbar)");
                zeilen << zeile;
            }
        }
        const QStringList erwartet{
            "&Datei", "  &Speichern [Ctrl+S]", "  &Drucken", "  Text exportieren", "  --",
            "  S&chließen",
            "&Bearbeiten", "  Kopieren [Ctrl+C]", "  Ausschneiden [Ctrl+X]",
            "  Einfuegen [Ctrl+V]", "  --", "  Markierung ausschalten",
            "  Markierung formatieren", "  Markierung löschen", "  --", "  &Wort markieren",
            "  &Zeile markieren", "  &Absatz markieren", "  &Seite markieren",
            "&Schrift", "  Kursiv [Ctrl+K]", "  Fett [Ctrl+F]", "  --", "  &Schwarz [Ctrl+1] *",
            "  &Blau [Ctrl+2]", "  &Rot [Ctrl+3]", "  &Grün [Ctrl+4]", "  &Grau [Ctrl+5]",
            "  &Orange [Ctrl+6]",
            "&Steuerung", "  &Zurückblättern", "  &Vorblättern", "  --", "  &Seite hinzufügen",
            "  &Seite löschen", "  --", "  Seitenanfang", "  Zeilenanfang [Home]",
            "  Zeilenende [End]", "  Tab [Tab]", "  Umschalt+Tab [Shift+Tab]", "  --",
            "  Letztes Wort [Ctrl+Right]", "  Nächstes Wort [Ctrl+Left]", "  --",
            "  Leerzeichen einfügen [Ctrl+Space]", "  Leerzeile einfügen (Strg+Enter)",
            "  Zeichen löschen [Ctrl+Del]", "  Zeile löschen [Ctrl+Shift+Del]",
            "&Einstellungen", "  &Stumm", "  &Tastenwiederholungston aktivieren *", "  --",
            "  Sound &Einstellungen",
            "Ansicht", "  Schaltflächen *", "  Statusleiste * (unsichtbar)",
            "Hilfe", "  &Hilfe", "  &Programminformationen"};
        QCOMPARE(zeilen, erwartet);
        QCOMPARE(p.fenster->Befehle().Seitehinzufgen1->statusTip(),
                 QStringLiteral("Eine Seite an aktueller Position hinzufügen..."));
        QCOMPARE(p.fenster->Befehle().seitelschen1->statusTip(),
                 QStringLiteral("Aktuelle Seite löschen..."));
        // With one page there is nothing to turn to.
        QVERIFY(!p.fenster->Befehle().Vorblaettern->isEnabled());
        QVERIFY(!p.fenster->Befehle().Zurueckblaettern->isEnabled());
    }

    void befehleDerAktionslisteGehoerenDemFenster() {
        Fensterprobe p;
        const QList<QAction*> fensteraktionen = p.fenster->actions();
        for (const char* name :
             {"aSchwarz", "aFett", "aKursiv", "SoundOn", "aTastenwiederholungstonOn", "ShiftTab",
              "Kopieren", "Einfuegen", "Ausschneiden", "aWortanfang", "aWortende",
              "Zeichen_loeschen_Backspace", "Seite_zurueck", "Seite_vor", "aSeite_hinzufuegen",
              "aSeite_loeschen", "Leerzeichen_einfuegen", "Leerzeile_einfuegen",
              "Zeichen_loeschen", "Zeile_loeschen", "aMarkieren_Wort", "aMarkieren_Zeile",
              "aMarkieren_Absatz", "aMarkieren_Seite", "aMarkierung_ausschalten",
              "aMarkierung_formatieren", "aMarkierung_loeschen"}) {
            auto* aktion = p.fenster->findChild<QAction*>(QLatin1String(name));
            QVERIFY2(aktion, name);
            QVERIFY2(fensteraktionen.contains(aktion), name);
            QCOMPARE(aktion->shortcutContext(), Qt::WindowShortcut);
        }
        QCOMPARE(p.fenster->findChild<QAction*>("aGruen")->property("Kategorie").toString(),
                 QStringLiteral("Schriftfarbe"));
    }

    void zeitgeberMitIhrenIntervallen() {
        Fensterprobe p;
        struct Fall {
            const char* name;
            int intervall;
            bool laeuft;
            bool einmal;
        };
        for (const Fall& f : {Fall{"Starttimer", 1, false, true}, Fall{"Anzeigetimer", 333, false, true},
                              Fall{"Minutentimer", 60000, true, false},
                              Fall{"Speichertimer", 300000, true, false}}) {
            auto* zeitgeber = p.fenster->findChild<QTimer*>(QLatin1String(f.name));
            QVERIFY2(zeitgeber, f.name);
            QCOMPARE(zeitgeber->interval(), f.intervall);
            QCOMPARE(zeitgeber->isActive(), f.laeuft);
            QCOMPARE(zeitgeber->isSingleShot(), f.einmal);
        }
    }

    void bearbeitungsuhrUndZeichenfeld() {
        Fensterprobe p;
        p.z.Bearbeitungszeit_Std = 1;
        p.z.Bearbeitungszeit_Min = 59;
        p.fenster->MinutentimerTimer();
        QCOMPARE(p.finde<QLabel>("Zeitpanel")->text(), QStringLiteral("Bearbeitungszeit: 02:00"));

        // A change the count did not follow: a click on the field shows the true number.
        p.z.BuchstabenFeld(3, 4) = {u'a', 0};
        p.z.BuchstabenFeld(4, 4) = {u'b', 0};
        QCOMPARE(p.finde<QLabel>("Zeichenpanel")->text(), QStringLiteral("Zeichen 0 von 3840"));
        QTest::mouseClick(p.finde<QLabel>("Zeichenpanel"), Qt::LeftButton);
        QCOMPARE(p.finde<QLabel>("Zeichenpanel")->text(), QStringLiteral("Zeichen 2 von 3840"));
    }

    void schaltflaechenBlendenDenBedienbereichAus() {
        Fensterprobe p;
        QAction* schaltflaechen = p.fenster->Befehle().Buttons;
        schaltflaechen->trigger();
        QVERIFY(!schaltflaechen->isChecked());
        QVERIFY(p.finde<QWidget>("Bedienbereich")->isHidden());
        QVERIFY(p.finde<QWidget>("StatusPanel")->isHidden() ||
                !p.finde<QWidget>("StatusPanel")->isVisible());
        schaltflaechen->trigger();
        QVERIFY(p.finde<QWidget>("Bedienbereich")->isVisible());
        // "Statusleiste" only carries its tick.
        QAction* status = p.fenster->Befehle().Status;
        status->trigger();
        QVERIFY(!status->isChecked());
        QVERIFY(p.finde<QWidget>("StatusPanel")->isVisible());
    }

    void soundKnoepfeUndStumm() {
        Fensterprobe p;
        QAction* stumm = p.fenster->Befehle().Soundanaus1;
        QVERIFY(!stumm->isChecked());
        p.finde<QToolButton>("Soundaus")->click();
        QVERIFY(!p.z.Sound_an);
        QVERIFY(stumm->isChecked());
        p.fenster->SoundAbspielen(1);
        QVERIFY(p.ton.gespielt.empty());
        stumm->trigger();
        QVERIFY(p.z.Sound_an);
        QVERIFY(p.finde<QToolButton>("soundan")->isChecked());
        p.fenster->SoundAbspielen(11);
        QCOMPARE(p.ton.gespielt.size(), std::size_t{1});

        QAction* wiederholung = p.fenster->Befehle().TastenwiederholungstonEin;
        QVERIFY(wiederholung->isChecked());
        wiederholung->trigger();
        QVERIFY(!p.z.Tastenwiederholungston);
    }

    void schlittenbildFolgtFarbbandUndSchnitt() {
        Fensterprobe p;
        auto* schlitten = p.finde<Schlitten>("schlitten");
        QCOMPARE(schlitten->Sichtbares_Bild()->objectName(), QStringLiteral("Image_schwarz_standard"));
        p.finde<QToolButton>("grau")->click();
        p.finde<QToolButton>("Fettkursiv")->click();
        QCOMPARE(schlitten->Sichtbares_Bild()->objectName(), QStringLiteral("Image_grau_fett"));
        p.finde<QToolButton>("Standardkursiv")->click();
        QCOMPARE(schlitten->Sichtbares_Bild()->objectName(), QStringLiteral("Image_grau_standard"));
        p.finde<QToolButton>("grau")->click();
        QCOMPARE(schlitten->Sichtbares_Bild(), nullptr);
    }

    void mausradWirdZuPfeiltasten() {
        Fensterprobe p;
        p.z.akt_Zeile = 5;
        auto rad = [&](int delta) {
            QWheelEvent e(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(p.finde<QWidget>("Hintergrund"), &e);
        };
        rad(120);  // away from the user: up
        QCOMPARE(p.z.akt_Zeile, 4);
        rad(-240);  // two notches toward the user
        QCOMPARE(p.z.akt_Zeile, 6);
        rad(-60);  // half a notch: nothing yet
        QCOMPARE(p.z.akt_Zeile, 6);
        rad(-60);
        QCOMPARE(p.z.akt_Zeile, 7);
        // An arrow key sounds the cursor tick; the wheel does the same.
        QCOMPARE(p.ton.gespielt.back().first, 10);
    }
};

TASTROLIX_TEST_MAIN(FensterTest)
#include "fenster_test.moc"
