// What the assistant shows of templates: the choosers' entries, the description, the previews,
// and the grid size the template formulas give.

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "assistant/logik/Vorlagenbeschreibung.h"
#include "assistant/logik/Vorlagenformeln.h"
#include "assistant/logik/Vorlagenliste.h"
#include "storage_Hilfen.h"

TEST(Vorlagenliste, StandardZuerstUnterordnerMitEigenerListe) {
    QTemporaryDir tmp;
    for (const char* datei : {"Brief.qxv", "A4 Standard.qxv", "Notiz.txt", "Alt/X.qxv",
                              "Alt/A4 Standard.qxv", "Gross.QXV", "Einstellungen.ini"}) {
        Schreiben(tmp.path() + u'/' + QString::fromUtf8(datei), "x");
    }
    ASSERT_TRUE(QDir().mkpath(tmp.path() + "/.versteckt"));
    EXPECT_EQ(Dateipfade_Finden_Combobox(tmp.path()),
              (QStringList{"A4 Standard", "Alt", "A4 Standard", "X", "Brief"}));
    EXPECT_EQ(Dateipfade_Finden_Combobox(tmp.path() + "/fehlt"), QStringList{"A4 Standard"});
}

TEST(Vorlagenbeschreibung, StandardvorlageZeile_fuer_Zeile) {
    Zustand z = Standardzustand();
    z.Schriftart = "Courier New";
    z.Spalten_max = 60;
    z.Zeilen_max = 64;
    EXPECT_EQ(
        Vorlagenbeschreibung(z, QLocale(QLocale::German)),
        (QStringList{"Abmessungen  210x297mm", "Ausrichtung  Hochformat", "", "Rand links  25mm",
                     "Rand rechts 30mm", "Rand oben   20mm", "Rand unten  23mm", "",
                     "Zeichensatz   \"Courier New\"", "Zeichendichte 10 cpi", "Zeilenabstand 1fach",
                     "60 Zeichen je Zeile", "64 Zeilen", "3840 Zeichen je Seite"}));
}

TEST(Vorlagenbeschreibung, ZeilenabstandMitDezimaltrennzeichenDerSprache) {
    const struct {
        int zeilenabstand;
        const char* deutsch;
        const char* englisch;
    } faelle[] = {{100, "1", "1"}, {125, "1,25", "1.25"}, {150, "1,5", "1.5"}, {200, "2", "2"}};
    Zustand z = Standardzustand();
    for (const auto& f : faelle) {
        z.Zeilenabstand = f.zeilenabstand;
        EXPECT_EQ(Vorlagenbeschreibung(z, QLocale(QLocale::German))[10],
                  QString("Zeilenabstand %1fach").arg(f.deutsch));
        EXPECT_EQ(Vorlagenbeschreibung(z, QLocale(QLocale::English))[10],
                  QString("Zeilenabstand %1fach").arg(f.englisch));
    }
}

TEST(Vorlagenbeschreibung, ZeichenJeSeiteGerundetAufGerade) {
    const struct {
        int zeilen_max, spalten_max, seiten;
        const char* zeile;
    } faelle[] = {{64, 60, 2, "1920 Zeichen je Seite"},
                  {5, 5, 2, "12 Zeichen je Seite"},       // 12.5 goes to the even 12
                  {7, 5, 2, "18 Zeichen je Seite"},       // 17.5 goes to the even 18
                  {64, 60, 0, "3840 Zeichen je Seite"}};  // no page count divides as one
    Zustand z = Standardzustand();
    for (const auto& f : faelle) {
        z.Zeilen_max = f.zeilen_max;
        z.Spalten_max = f.spalten_max;
        z.Seitenanzahl = f.seiten;
        EXPECT_EQ(Vorlagenbeschreibung(z, QLocale::c())[13], QString(f.zeile));
    }
}

TEST(Vorlagenbeschreibung, VorschauenUndMeldung) {
    Zustand z = Standardzustand();
    EXPECT_EQ(Formatvorschau(z), QSize(84, 119));
    z.Blattbreite_mm = 297;
    z.Blatthoehe_mm = 420;
    EXPECT_EQ(Formatvorschau(z), QSize(119, 168));
    z.Blattbreite_mm = 5;  // 2.0 -> 2
    z.Blatthoehe_mm = 15;  // 6.0 -> 6
    EXPECT_EQ(Formatvorschau(z), QSize(2, 6));
    z.Blattbreite_mm = 25;  // 10
    z.Blatthoehe_mm = 26;   // 10.4 -> 10
    EXPECT_EQ(Formatvorschau(z), QSize(10, 10));

    EXPECT_EQ(
        Zeichensatzvorschau("Courier New"),
        (QStringList{"Dieser Text wurde mit dem", "Zeichensatz", "\"Courier New\" geschrieben."}));
    EXPECT_EQ(Meldung_Vorlage_fehlt("/v/Vorlagen/Brief.qxv"),
              QString::fromUtf8("Die ausgewählte Vorlage \"Brief\" kann nicht gefunden werden."));
}

TEST(Vorlagenformeln, Rastergroesse) {
    const struct {
        int breite, hoehe, links, rechts, oben, unten, dichte, abstand;
        int spalten_max, zeilen_max;
    } faelle[] = {
        {210, 297, 25, 30, 20, 23, 10, 100, 60, 64},  // the standard template
        {210, 297, 35, 15, 15, 20, 10, 100, 61, 65},  // the editor's initial values
        {297, 420, 6, 6, 6, 6, 12, 100, 133, 125},    // A3, narrow margins
        {210, 297, 25, 30, 20, 23, 10, 200, 60, 31},  // double spacing
        {210, 297, 105, 105, 20, 23, 10, 100, 0, 0},  // no room inside the margins
    };
    for (const auto& f : faelle) {
        Zustand z;
        z.Blattbreite_mm = f.breite;
        z.Blatthoehe_mm = f.hoehe;
        z.Rand_links = f.links;
        z.Rand_rechts = f.rechts;
        z.Rand_oben = f.oben;
        z.Rand_unten = f.unten;
        z.Zeichendichte = f.dichte;
        z.Zeilenabstand = f.abstand;
        const Rastergroesse r = Rastergroesse_berechnen(z);
        EXPECT_EQ(r.Spalten_max, f.spalten_max) << f.breite << 'x' << f.hoehe;
        EXPECT_EQ(r.Zeilen_max, f.zeilen_max) << f.breite << 'x' << f.hoehe;
    }
}

TEST(Vorlagenformeln, FeldVorDemLadenLaesstDenCursor) {
    Zustand z = Standardzustand();
    z.Seitenanzahl = 3;
    z.BuchstabenFeld.neu(3 * 65, 61);
    z.BuchstabenFeld(5, 5) = {u'Q', 0};
    z.XFeld.resize(4, XBuchstabe{u'x', 0, 1, 1, 1});
    z.akt_Zeile = 7;
    z.akt_Spalte = 9;
    z.akt_Seite = 2;
    Feld_fuer_Laden_vorbereiten(z);
    EXPECT_EQ(z.Spalten_max, 60);
    EXPECT_EQ(z.Zeilen_max, 64);
    EXPECT_EQ(z.BuchstabenFeld.Zeilen(), 65);
    EXPECT_EQ(z.BuchstabenFeld.Spalten(), 61);
    EXPECT_TRUE(z.BuchstabenFeld(5, 5).frei());
    EXPECT_TRUE(std::all_of(z.XFeld.begin(), z.XFeld.end(),
                            [](const XBuchstabe& x) { return x.Zeichen == u' '; }));
    EXPECT_EQ(z.akt_Zeile, 7);
    EXPECT_EQ(z.akt_Spalte, 9);
    EXPECT_EQ(z.akt_Seite, 2);
}
