// The five commands that close or open a gap within a line or page.

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "Rekorder.h"
#include "Zeilentext.h"
#include "window/logik/Loeschen_Einfuegen.h"

using Protokoll = std::vector<std::string>;
using Toene = std::vector<int>;

namespace {
// Page 1 of two, cursor on line 2: "Hallo Welt" in red on line 2, text above, below and on the
// next page, and an overstrike on each of them.
Zustand Zweiseitig(int spalte) {
    Zustand z = Standardzustand();
    z.Seitenanzahl = 2;
    z.BuchstabenFeld.neu(2 * 65, 61);
    Schreibe(z, 1, 0, "oben");
    Schreibe(z, 2, 0, "Hallo Welt", rot);
    Schreibe(z, 3, 0, "unten", blau);
    Schreibe(z, 65 + 2, 0, "Seite 2");
    Zeichen_zaehlen(z);
    z.XFeld[1] = {u'/', 0, 1, 2, 1};  // on the a of Hallo
    z.XFeld[2] = {u'/', 0, 6, 2, 1};  // on the W
    z.XFeld[3] = {u'/', 0, 1, 3, 1};  // line below
    z.XFeld[4] = {u'/', 0, 6, 2, 2};  // same place on page 2
    z.XFeld[5] = {u'/', 0, 1, 1, 1};  // line above
    z.akt_Zeile = 2;
    z.akt_Spalte = spalte;
    return z;
}
}  // namespace

TEST(ZeichenLoeschen, ZiehtDenRestDerZeileNachLinks) {
    Zustand z = Zweiseitig(1);
    z.Dateiname = "/tmp/Brief.qxt";
    const int zahl = z.Zeichenzahl;
    Rekorder r(z);

    Zeichen_loeschen(z, r);
    EXPECT_EQ(Zeilentext(z, 2), "Hllo Welt");
    for (int c = 0; c < 9; ++c) EXPECT_EQ(z.BuchstabenFeld(2, c).attribut, rot) << c;
    EXPECT_EQ(z.BuchstabenFeld(2, 60), TBuchstabe{});
    EXPECT_EQ(z.XFeld[1], XBuchstabe{}) << "the deleted cell's overstrike is cleared";
    EXPECT_EQ(z.XFeld[2], (XBuchstabe{u'/', 0, 5, 2, 1})) << "stays on the W";
    EXPECT_EQ(z.XFeld[3].spalte, 1);
    EXPECT_EQ(z.XFeld[4].spalte, 6);
    EXPECT_EQ(z.Zeichenzahl, zahl - 1);
    EXPECT_EQ(z.akt_Spalte, 1);
    EXPECT_EQ(Zeilentext(z, 1), "oben");
    EXPECT_EQ(Zeilentext(z, 3), "unten");
    EXPECT_EQ(r.Protokoll,
              (Protokoll{"Zwischenspeichern: Zeichen loeschen", "zeichnen", "buchstaben_zeichnen",
                         "zeichnen", "buchstaben_zeichnen", "bildzeichnen", "UpdateStatusPanel",
                         "bewegeschlitten", "Sound 9"}));
    EXPECT_EQ(r.Status[0].Zeichen, QStringLiteral("Zeichen %1 von 0").arg(zahl - 1));
}

TEST(ZeichenLoeschen, AmZeilenendeUndAufEinerLeerenZelle) {
    Zustand z = Zweiseitig(60);
    Schreibe(z, 2, 60, "!", gruen);
    ++z.Zeichenzahl;
    const int zahl = z.Zeichenzahl;
    Rekorder r(z);
    Zeichen_loeschen(z, r);
    EXPECT_EQ(z.BuchstabenFeld(2, 60), TBuchstabe{}) << "blank with attribute 0";
    EXPECT_EQ(Zeilentext(z, 2), "Hallo Welt");
    EXPECT_EQ(z.Zeichenzahl, zahl - 1);

    z.akt_Spalte = 5;  // the blank between the words
    Zeichen_loeschen(z, r);
    EXPECT_EQ(Zeilentext(z, 2), "HalloWelt");
    EXPECT_EQ(z.Zeichenzahl, zahl - 1);
    EXPECT_TRUE(r.Zwischenspeicherungen().empty()) << "an unsaved document has no interim save";
}

TEST(ZeichenLoeschen, DieZaehlungWirdNieNegativ) {
    Zustand z = Zweiseitig(0);
    z.Zeichenzahl = 0;
    Rekorder r(z);
    Zeichen_loeschen(z, r);
    EXPECT_EQ(z.Zeichenzahl, 0);
}

TEST(ZeichenLoeschenBackspace, LoeschtLinksVomWagenOhneZwischenspeicherung) {
    Zustand z = Zweiseitig(2);
    z.Dateiname = "/tmp/Brief.qxt";
    Rekorder r(z);
    Zeichen_loeschen_Backspace(z, r);
    EXPECT_EQ(Zeilentext(z, 2), "Hllo Welt");
    EXPECT_EQ(z.akt_Spalte, 1);
    EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte 2 von 61"));
    EXPECT_EQ(r.Sounds(), Toene{9});
    EXPECT_TRUE(r.Zwischenspeicherungen().empty());
}

TEST(ZeichenLoeschenBackspace, AufSpalte0GeschiehtNichts) {
    Zustand z = Zweiseitig(0);
    const Zustand vorher = z;
    Rekorder r(z);
    Zeichen_loeschen_Backspace(z, r);
    EXPECT_TRUE(r.Protokoll.empty());
    EXPECT_EQ(z.BuchstabenFeld, vorher.BuchstabenFeld);
    EXPECT_FALSE(z.Taste_gehalten);
}

TEST(ZeichenLoeschen, WiederholregelFuerDenTon9) {
    for (bool wiederholungston : {false, true}) {
        Zustand z = Zweiseitig(0);
        z.Tastenwiederholungston = wiederholungston;
        Rekorder r(z);
        Zeichen_loeschen(z, r);
        Zeichen_loeschen(z, r);
        z.akt_Spalte = 3;
        Zeichen_loeschen_Backspace(z, r);
        EXPECT_EQ(Zeilentext(z, 2), "ll Welt");
        EXPECT_EQ(r.Sounds(), (wiederholungston ? Toene{9, 9, 9} : Toene{9}));
        EXPECT_TRUE(z.Taste_gehalten);
    }
}

TEST(ZeileLoeschen, ZiehtDieZeilenDarunterHoch) {
    Zustand z = Zweiseitig(4);
    z.Dateiname = "/tmp/Brief.qxt";
    Schreibe(z, 64, 0, "Ende", grau);
    z.Zeichenzahl = 23;
    Rekorder r(z);

    Zeile_loeschen(z, r);
    EXPECT_EQ(Zeilentext(z, 1), "oben");
    EXPECT_EQ(Zeilentext(z, 2), "unten");
    EXPECT_EQ(z.BuchstabenFeld(2, 0).attribut, blau);
    EXPECT_EQ(Zeilentext(z, 63), "Ende");
    EXPECT_EQ(z.BuchstabenFeld(63, 0).attribut, grau);
    for (int c = 0; c <= 60; ++c) EXPECT_EQ(z.BuchstabenFeld(64, c), TBuchstabe{}) << c;
    EXPECT_EQ(Zeilentext(z, 65 + 2), "Seite 2");
    EXPECT_TRUE(z.XFeld[1].frei());
    EXPECT_TRUE(z.XFeld[2].frei());
    EXPECT_EQ(z.XFeld[3], (XBuchstabe{u'/', 0, 1, 2, 1})) << "moves up with its line";
    EXPECT_EQ(z.XFeld[4], (XBuchstabe{u'/', 0, 6, 2, 2})) << "another page";
    EXPECT_EQ(z.XFeld[5], (XBuchstabe{u'/', 0, 1, 1, 1})) << "the line above";
    EXPECT_EQ(z.akt_Zeile, 2);
    EXPECT_EQ(z.akt_Spalte, 4);
    EXPECT_EQ(z.Zeichenzahl, 14) << "the page lost the line's nine characters";
    EXPECT_EQ(r.Protokoll, (Protokoll{"Zwischenspeichern: Zeile loeschen", "zeichnen",
                                      "buchstaben_zeichnen", "UpdateStatusPanel", "Sound 14"}));
}

TEST(ZeileLoeschen, AufDerLetztenZeileNurLeeren) {
    Zustand z = Zweiseitig(4);
    Schreibe(z, 64, 0, "Ende", grau);
    z.XFeld[6] = {u'/', 0, 0, 64, 1};
    z.akt_Zeile = 64;
    Rekorder r(z);
    Zeile_loeschen(z, r);
    EXPECT_EQ(Zeilentext(z, 64), "");
    EXPECT_EQ(z.BuchstabenFeld(64, 0).attribut, grau) << "the attributes stay";
    EXPECT_TRUE(z.XFeld[6].frei());
    EXPECT_EQ(Zeilentext(z, 63), "");
    EXPECT_EQ(Zeilentext(z, 2), "Hallo Welt");
    EXPECT_EQ(r.Sounds(), Toene{14});
}

TEST(LeerzeichenEinfuegen, SchiebtDenRestDerZeileNachRechts) {
    Zustand z = Zweiseitig(1);
    z.Dateiname = "/tmp/Brief.qxt";
    const int zahl = z.Zeichenzahl;
    Rekorder r(z);
    Leerzeichen_einfuegen(z, r);
    EXPECT_EQ(Zeilentext(z, 2), "H allo Welt");
    EXPECT_EQ(z.BuchstabenFeld(2, 1), (TBuchstabe{u' ', rot})) << "the attribute stays";
    EXPECT_EQ(z.BuchstabenFeld(2, 2), (TBuchstabe{u'a', rot}));
    EXPECT_EQ(z.XFeld[1].spalte, 2);
    EXPECT_EQ(z.XFeld[2].spalte, 7);
    EXPECT_EQ(z.XFeld[3].spalte, 1);
    EXPECT_EQ(z.XFeld[4].spalte, 6);
    EXPECT_EQ(z.akt_Spalte, 1);
    EXPECT_EQ(z.Zeichenzahl, zahl);
    EXPECT_EQ(r.Protokoll, (Protokoll{"zeichnen", "buchstaben_zeichnen", "Sound 2"}));
}

TEST(LeerzeichenEinfuegen, AufDerFreienLetztenSpalte) {
    Zustand z = Zweiseitig(60);
    Rekorder r(z);
    Leerzeichen_einfuegen(z, r);
    EXPECT_EQ(Zeilentext(z, 2), "Hallo Welt");
    EXPECT_EQ(z.akt_Spalte, 60);
    EXPECT_EQ(r.Sounds(), Toene{2});
}

TEST(LeerzeichenEinfuegen, EinUeberschlagAmZeilenendeFaelltNichtAusDerZeile) {
    Zustand z = Zweiseitig(3);
    z.XFeld[9] = {u'~', 0, 60, 2, 1};  // left on a blank cell by a file
    Rekorder r(z);
    Leerzeichen_einfuegen(z, r);
    EXPECT_TRUE(z.XFeld[9].frei());
}

TEST(LeerzeileEinfuegen, SchiebtDieZeilenDarunterHinunter) {
    Zustand z = Zweiseitig(4);
    z.Dateiname = "/tmp/Brief.qxt";
    Schreibe(z, 63, 0, "vorletzte", grau);
    Rekorder r(z);
    Leerzeile_einfuegen(z, r);
    EXPECT_EQ(Zeilentext(z, 1), "oben");
    for (int c = 0; c <= 60; ++c) EXPECT_EQ(z.BuchstabenFeld(2, c), TBuchstabe{}) << c;
    EXPECT_EQ(Zeilentext(z, 3), "Hallo Welt");
    EXPECT_EQ(z.BuchstabenFeld(3, 0).attribut, rot);
    EXPECT_EQ(Zeilentext(z, 4), "unten");
    EXPECT_EQ(Zeilentext(z, 64), "vorletzte");
    EXPECT_EQ(Zeilentext(z, 65 + 2), "Seite 2");
    EXPECT_EQ(z.XFeld[1].Zeile, 3);
    EXPECT_EQ(z.XFeld[2].Zeile, 3);
    EXPECT_EQ(z.XFeld[3].Zeile, 4);
    EXPECT_EQ(z.XFeld[4].Zeile, 2) << "another page";
    EXPECT_EQ(z.XFeld[5].Zeile, 1) << "the line above";
    EXPECT_EQ(z.akt_Zeile, 2);
    EXPECT_EQ(r.Protokoll, (Protokoll{"Zwischenspeichern: Zeile einfuegen", "zeichnen",
                                      "buchstaben_zeichnen", "Sound 7"}));
}

TEST(Lueckenbefehle, AbweisungenMitIhrenMeldungen) {
    struct Fall {
        const char* name;
        void (*befehl)(Zustand&, Rueckmeldung&);
        int zeile;
        int belegt_letzte_zeile;  // a column of the page's last line holding a character, or -1
        bool zeilenende_belegt;   // column 60 of the cursor's line holds a character
        Protokoll protokoll;
    };
    const Fall faelle[] = {
        {"blank into a full line",
         Leerzeichen_einfuegen,
         2,
         -1,
         true,
         {"Nachricht: Das letzte Zeichen der Zeile muss frei sein!"}},
        {"blank line on the last line",
         Leerzeile_einfuegen,
         64,
         -1,
         false,
         {"Zwischenspeichern: Zeile einfuegen",
          "Nachricht: Am Seitenende kann keine Zeile eingeschoben werden!"}},
        {"blank line on a used last line",
         Leerzeile_einfuegen,
         64,
         0,
         false,
         {"Zwischenspeichern: Zeile einfuegen",
          "Nachricht: Am Seitenende kann keine Zeile eingeschoben werden!"}},
        {"blank line, column 0 of the last line taken",
         Leerzeile_einfuegen,
         2,
         0,
         false,
         {"Zwischenspeichern: Zeile einfuegen", "Nachricht: Die letzte Zeile muss frei sein!"}},
        {"blank line, column 60 of the last line taken",
         Leerzeile_einfuegen,
         2,
         60,
         false,
         {"Zwischenspeichern: Zeile einfuegen", "Nachricht: Die letzte Zeile muss frei sein!"}},
    };
    for (const Fall& f : faelle) {
        Zustand z = Zweiseitig(4);
        z.Dateiname = "/tmp/Brief.qxt";
        z.akt_Zeile = f.zeile;
        if (f.belegt_letzte_zeile >= 0) Schreibe(z, 64, f.belegt_letzte_zeile, "x");
        if (f.zeilenende_belegt) Schreibe(z, f.zeile, 60, "!");
        const Zustand vorher = z;
        Rekorder r(z);
        f.befehl(z, r);
        EXPECT_EQ(r.Protokoll, f.protokoll) << f.name;
        EXPECT_EQ(z.BuchstabenFeld, vorher.BuchstabenFeld) << f.name;
        EXPECT_EQ(z.XFeld, vorher.XFeld) << f.name;
        EXPECT_EQ(z.akt_Zeile, vorher.akt_Zeile) << f.name;
        EXPECT_EQ(z.akt_Spalte, vorher.akt_Spalte) << f.name;
    }
}

// A file may bring an overstrike list without entries: no command may stumble over it.
TEST(Lueckenbefehle, EineLeereUeberschlagslisteStoertKeinenBefehl) {
    for (auto befehl : {Zeichen_loeschen, Zeichen_loeschen_Backspace, Zeile_loeschen,
                        Leerzeichen_einfuegen, Leerzeile_einfuegen}) {
        Zustand z = Zweiseitig(4);
        z.XFeld.clear();
        Rekorder r(z);
        befehl(z, r);
        EXPECT_TRUE(z.XFeld.empty());
        EXPECT_FALSE(r.Sounds().empty());
    }
}
