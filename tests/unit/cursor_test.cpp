// Word jumps, the menu's line and page starts, and placing the carriage with the mouse.

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "Rekorder.h"
#include "model/Blattgeometrie.h"
#include "window/logik/Cursorbefehle.h"
#include "window/logik/Mausposition.h"

using Protokoll = std::vector<std::string>;
using Toene = std::vector<int>;

TEST(Wortsprung, NachLinksUndNachRechts) {
    struct Fall {
        const char* name;
        void (*sprung)(Zustand&, Rueckmeldung&);
        const char* zeile;
        int von, nach;
    };
    //                 0         1         2
    //                 0123456789012345678901234
    const char* text = "Ein Haus,  das   steht";
    const Fall faelle[] = {
        {"left inside a word", aWortendeExecute, text, 6, 4},
        {"left from just after a word", aWortendeExecute, text, 9, 4},
        {"left from a word start across the gap", aWortendeExecute, text, 11, 8},
        {"left across a wide gap", aWortendeExecute, text, 16, 13},
        {"left in the first word", aWortendeExecute, text, 2, 0},
        {"left with only blanks before", aWortendeExecute, "     x", 5, 0},
        {"punctuation joins a word", aWortendeExecute, "ab,cd", 4, 0},
        {"right inside a word, its comma included", aWortanfangExecute, text, 5, 8},
        {"right from a word's end across the gap", aWortanfangExecute, text, 8, 11},
        {"right from a blank", aWortanfangExecute, text, 9, 11},
        {"right into the last word", aWortanfangExecute, text, 14, 17},
        {"right with only blanks after", aWortanfangExecute, text, 21, 60},
        {"right inside a word", aWortanfangExecute, "ab,cd", 0, 4},
    };
    for (const Fall& f : faelle) {
        Zustand z = Standardzustand();
        z.akt_Zeile = 7;
        z.akt_Spalte = f.von;
        Schreibe(z, 7, 0, QString::fromUtf8(f.zeile));
        Rekorder r(z);
        f.sprung(z, r);
        EXPECT_EQ(z.akt_Spalte, f.nach) << f.name;
        EXPECT_EQ(r.Protokoll, (Protokoll{"Sound 2", "UpdateStatusPanel", "bewegeschlitten"}))
            << f.name;
        EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte %1 von 61").arg(f.nach + 1));
    }
}

TEST(Wortsprung, AnDenRaendernDerZeile) {
    const QString wort_bis_zum_ende = QString(50, u' ') + QString(11, u'x');
    struct Fall {
        const char* name;
        void (*sprung)(Zustand&, Rueckmeldung&);
        QString zeile;
        int von, nach;
        Toene toene;
    };
    const Fall faelle[] = {
        {"left on column 0", aWortendeExecute, "abc", 0, 0, {}},
        {"right on the last column", aWortanfangExecute, wort_bis_zum_ende, 60, 60, {}},
        {"right in a word that runs to the end",
         aWortanfangExecute,
         wort_bis_zum_ende,
         52,
         60,
         {2}},
        {"left in a word that starts at column 0", aWortendeExecute, "abcdef", 4, 0, {2}},
        {"right on a full line", aWortanfangExecute, QString(61, u'x'), 0, 60, {2}},
    };
    for (const Fall& f : faelle) {
        Zustand z = Standardzustand();
        z.akt_Spalte = f.von;
        Schreibe(z, 0, 0, f.zeile);
        Rekorder r(z);
        f.sprung(z, r);
        EXPECT_EQ(z.akt_Spalte, f.nach) << f.name;
        EXPECT_EQ(r.Sounds(), f.toene) << f.name;
    }
}

TEST(Menue, ZeilenanfangZeilenendeSeitenanfangOhneTonUndOhneStatus) {
    struct Fall {
        const char* name;
        void (*befehl)(Zustand&, Rueckmeldung&);
        int zeile, spalte;
        Protokoll protokoll;
    };
    const Fall faelle[] = {
        {"Zeilenanfang", Zeilenanfang1Click, 9, 0, {"bewegeschlitten"}},
        {"Zeilenende", Zeilenende1Click, 9, 60, {"bewegeschlitten"}},
        {"Seitenanfang", Seitenanfang1Click, 1, 1, {"bewegeschlitten", "zeichne_mit_timer"}},
    };
    for (const Fall& f : faelle) {
        Zustand z = Standardzustand();
        z.akt_Zeile = 9;
        z.akt_Spalte = 30;
        Rekorder r(z);
        f.befehl(z, r);
        EXPECT_EQ(z.akt_Zeile, f.zeile) << f.name;
        EXPECT_EQ(z.akt_Spalte, f.spalte) << f.name;
        EXPECT_EQ(r.Protokoll, f.protokoll) << f.name;
        EXPECT_FALSE(z.Anzeige_Spalte || z.Anzeige_Zeile) << f.name;
    }
}

namespace {
// The standard A4 page laid out in a panel 1120 pixels wide: columns start at
// Spalten_X[0] = 130 with a pitch of about 13.4 pixels, lines at Zeilen_Y[0] = 104 with a pitch
// of about 20.6; the sheet stands 15 pixels from the panel's left edge.
Zustand Ausgelegt() {
    Zustand z = Standardzustand();
    blatt_berechnen(z, 1120, 800);
    z.akt_Zeile = 9;
    z.akt_Spalte = 30;
    return z;
}
}  // namespace

TEST(Mausklick, AufDasBlatt) {
    const Zustand g = Ausgelegt();
    const auto& x = g.Geometrie.Spalten_X;
    const auto& y = g.Geometrie.Zeilen_Y;
    struct Fall {
        const char* name;
        int x, y;
        int zeile, spalte;
    };
    const Fall faelle[] = {
        {"inside a cell", x[7] + 2, y[3] + 2, 3, 7},
        {"first cell", x[0], y[0], 0, 0},
        {"above and left of the margins", 3, 3, 0, 0},
        {"below the last line, right of the last column", 1089, 1541, 64, 60},
        {"the last cell", x[60] + 2, y[64] + 2, 64, 60},
    };
    for (const Fall& f : faelle) {
        Zustand z = Ausgelegt();
        Rekorder r(z);
        SchreibflaecheMouseDown(z, r, f.x, f.y);
        EXPECT_EQ(z.akt_Zeile, f.zeile) << f.name;
        EXPECT_EQ(z.akt_Spalte, f.spalte) << f.name;
        EXPECT_EQ(r.Protokoll, (Protokoll{"zeichne_mit_timer", "bewegeschlitten",
                                          "UpdateStatusPanel", "Sound 10"}))
            << f.name;
        EXPECT_EQ(r.Status[0].Zeile, QStringLiteral("Zeilen %1 von 65").arg(f.zeile + 1));
        EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte %1 von 61").arg(f.spalte + 1));
    }
}

TEST(Mausklick, AufDieWaage) {
    const Zustand g = Ausgelegt();
    const int blatt_links = g.Geometrie.Blatt.left();
    ASSERT_EQ(blatt_links, 15);
    const auto& x = g.Geometrie.Spalten_X;
    struct Fall {
        const char* name;
        int x;
        int spalte;
        Toene toene;
    };
    // At the first and last column the bell is cut off at once by the cursor sound.
    const Fall faelle[] = {
        {"inside a column", blatt_links + x[7] + 2, 7, {10}},
        {"the first column", blatt_links + x[0] + 2, 0, {3, 10}},
        {"left of the sheet", 2, 0, {3, 10}},
        {"the last column", blatt_links + x[60] + 2, 60, {3, 10}},
        {"right of the sheet", 1119, 60, {3, 10}},
        {"the column before the last", blatt_links + x[59] + 2, 59, {10}},
    };
    for (const Fall& f : faelle) {
        Zustand z = Ausgelegt();
        Rekorder r(z);
        Image1MouseDown(z, r, f.x);
        EXPECT_EQ(z.akt_Spalte, f.spalte) << f.name;
        EXPECT_EQ(z.akt_Zeile, 9) << f.name << ": the line stays";
        EXPECT_EQ(r.Sounds(), f.toene) << f.name;
        EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte %1 von 61").arg(f.spalte + 1));
        EXPECT_FALSE(r.Status[0].Zeile.has_value());
    }
}

TEST(Mausklick, ImSmModusUnwirksam) {
    Zustand z = Ausgelegt();
    z.SM_Modus = true;
    Rekorder r(z);
    SchreibflaecheMouseDown(z, r, 500, 500);
    Image1MouseDown(z, r, 500);
    EXPECT_TRUE(r.Protokoll.empty());
    EXPECT_EQ(z.akt_Zeile, 9);
    EXPECT_EQ(z.akt_Spalte, 30);
}

TEST(Mausklick, VorDerErstenAuslegungLandetEinKlickAufDerErstenZelle) {
    Zustand z = Standardzustand();
    z.akt_Spalte = 30;
    Rekorder r(z);
    SchreibflaecheMouseDown(z, r, 0, 0);
    EXPECT_EQ(z.akt_Zeile, 0);
    EXPECT_EQ(z.akt_Spalte, 0);
    z.akt_Spalte = 30;
    Image1MouseDown(z, r, 40);
    EXPECT_EQ(z.akt_Spalte, 0);
}
