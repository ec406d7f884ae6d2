// The keys: shortcut keys, Shift+Tab, the key-down table, releases and the repeat rule, and the
// attribute of the ribbon and style buttons.

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "Rekorder.h"
#include "Zeilentext.h"
#include "window/logik/Knoepfe.h"
#include "window/logik/Tastatur.h"

using Protokoll = std::vector<std::string>;
using Toene = std::vector<int>;

namespace {
constexpr Modifikatoren ohne{};
constexpr Modifikatoren strg{.Strg = true};
constexpr Modifikatoren umschalt{.Umschalt = true};

Zustand an(int zeile, int spalte) {
    Zustand z = Standardzustand();
    z.akt_Zeile = zeile;
    z.akt_Spalte = spalte;
    return z;
}
}  // namespace

TEST(Tab, SpringtZumNaechstenTabstoppOderZurLetztenSpalte) {
    struct Fall {
        int von, nach;
        Toene toene;
    };
    // Tabulatorweite 10, Spalten_max 60, Klingelabstand 10.
    const Fall faelle[] = {{0, 10, {2}},     {10, 20, {2}}, {9, 10, {2}},  {39, 40, {2}},
                           {45, 50, {2, 3}}, {50, 60, {3}}, {55, 60, {3}}, {60, 60, {3}}};
    for (const Fall& f : faelle) {
        Zustand z = an(0, f.von);
        Rekorder r(z);
        EXPECT_TRUE(FormShortCut(z, r, Taste::Tab, ohne));
        EXPECT_EQ(z.akt_Spalte, f.nach) << f.von;
        EXPECT_EQ(r.Sounds(), f.toene) << f.von;
        EXPECT_EQ(r.Protokoll.back(), "UpdateStatusPanel");
        EXPECT_EQ(r.Status.back().Spalte, QStringLiteral("Spalte %1 von 61").arg(f.nach + 1));
    }
}

TEST(Tab, OhneTabulatorweiteSchrittFuerSchritt) {
    Zustand z = an(0, 7);
    z.Tabulatorweite = 0;
    Rekorder r(z);
    FormShortCut(z, r, Taste::Tab, ohne);
    EXPECT_EQ(z.akt_Spalte, 8);
    ShiftTabExecute(z, r);
    EXPECT_EQ(z.akt_Spalte, 7);
}

TEST(ShiftTab, ZurueckZumVorigenTabstopp) {
    struct Fall {
        int von, nach, ton;
    };
    const Fall faelle[] = {{20, 10, 2}, {25, 10, 2}, {15, 0, 3}, {10, 0, 3},
                           {5, 0, 3},   {0, 0, 3},   {60, 50, 2}};
    for (const Fall& f : faelle) {
        Zustand z = an(0, f.von);
        Rekorder r(z);
        ShiftTabExecute(z, r);
        EXPECT_EQ(z.akt_Spalte, f.nach) << f.von;
        EXPECT_EQ(r.Protokoll, (Protokoll{"bewegeschlitten", "UpdateStatusPanel",
                                          "Sound " + std::to_string(f.ton)}))
            << f.von;
    }
}

TEST(FormShortCut, BildtastenEndeUndPos1) {
    struct Fall {
        Taste taste;
        int zeile, spalte;
        Protokoll protokoll;
    };
    const Fall faelle[] = {
        {Taste::Bild_hoch, 0, 30, {"zeichne_mit_timer", "Sound 3", "UpdateStatusPanel"}},
        {Taste::Bild_runter, 64, 30, {"zeichne_mit_timer", "Sound 3", "UpdateStatusPanel"}},
        {Taste::Ende, 20, 60, {"bewegeschlitten", "Sound 3", "UpdateStatusPanel"}},
        {Taste::Pos1, 20, 0, {"bewegeschlitten", "Sound 3", "UpdateStatusPanel"}},
    };
    for (const Fall& f : faelle) {
        Zustand z = an(20, 30);
        Rekorder r(z);
        EXPECT_TRUE(FormShortCut(z, r, f.taste, ohne));
        EXPECT_EQ(z.akt_Zeile, f.zeile);
        EXPECT_EQ(z.akt_Spalte, f.spalte);
        EXPECT_EQ(r.Protokoll, f.protokoll);
    }
}

TEST(FormShortCut, NimmtNurDieFuenfTastenOhneModifikator) {
    for (Modifikatoren mod : {umschalt, strg, Modifikatoren{.Alt = true}}) {
        for (Taste t :
             {Taste::Tab, Taste::Bild_hoch, Taste::Bild_runter, Taste::Ende, Taste::Pos1}) {
            Zustand z = an(20, 30);
            Rekorder r(z);
            EXPECT_FALSE(FormShortCut(z, r, t, mod));
            EXPECT_TRUE(r.Protokoll.empty());
        }
    }
    for (Taste t : {Taste::Eingabe, Taste::Links, Taste::Rueck, Taste::Leertaste, Taste::Andere}) {
        Zustand z = an(20, 30);
        Rekorder r(z);
        EXPECT_FALSE(FormShortCut(z, r, t, ohne));
        EXPECT_TRUE(r.Protokoll.empty());
    }
}

TEST(FormKeyDown, BewegungstastenUndEingabe) {
    struct Fall {
        const char* name;
        Taste taste;
        bool sm_modus;
        int zeile, spalte;
        int zeile_danach, spalte_danach;
        Toene toene;
    };
    const Fall faelle[] = {
        {"Enter feeds a line", Taste::Eingabe, false, 3, 17, 4, 0, {7}},
        {"Enter on the last line", Taste::Eingabe, false, 64, 17, 64, 17, {3}},
        {"Left steps", Taste::Links, false, 3, 5, 3, 4, {10}},
        {"Left onto column 0", Taste::Links, false, 3, 1, 3, 0, {3}},
        {"Left wraps to the line above", Taste::Links, false, 3, 0, 2, 60, {10}},
        {"Left does not wrap in SM mode", Taste::Links, true, 3, 0, 3, 0, {}},
        {"Left at the page's start", Taste::Links, false, 0, 0, 0, 0, {}},
        {"Right steps", Taste::Rechts, false, 3, 5, 3, 6, {10}},
        {"Right onto the last column", Taste::Rechts, false, 3, 59, 3, 60, {3}},
        {"Right wraps to the line below", Taste::Rechts, false, 3, 60, 4, 0, {10}},
        {"Right does not wrap in SM mode", Taste::Rechts, true, 3, 60, 3, 60, {}},
        {"Right at the page's end", Taste::Rechts, false, 64, 60, 64, 60, {}},
        {"Up", Taste::Hoch, false, 5, 9, 4, 9, {10}},
        {"Up onto line 0", Taste::Hoch, false, 1, 9, 0, 9, {3, 10}},
        {"Up on line 0", Taste::Hoch, false, 0, 9, 0, 9, {}},
        {"Down", Taste::Runter, false, 5, 9, 6, 9, {10}},
        {"Down onto the last line", Taste::Runter, false, 63, 9, 64, 9, {3, 10}},
        {"Down on the last line", Taste::Runter, false, 64, 9, 64, 9, {}},
        {"Escape", Taste::Escape, false, 5, 9, 5, 9, {}},
        {"a key without a row", Taste::Andere, false, 5, 9, 5, 9, {}},
    };
    for (const Fall& f : faelle) {
        Zustand z = an(f.zeile, f.spalte);
        z.SM_Modus = f.sm_modus;
        Rekorder r(z);
        FormKeyDown(z, r, f.taste, ohne);
        EXPECT_EQ(z.akt_Zeile, f.zeile_danach) << f.name;
        EXPECT_EQ(z.akt_Spalte, f.spalte_danach) << f.name;
        EXPECT_EQ(r.Sounds(), f.toene) << f.name;
        if (f.taste != Taste::Andere) {
            EXPECT_EQ(r.Protokoll.back(), "UpdateStatusPanel") << f.name;
        }
    }
}

TEST(FormKeyDown, EnterWagenruecklaufUndZeilenschaltung) {
    Zustand z = an(3, 17);
    Rekorder r(z);
    FormKeyDown(z, r, Taste::Eingabe, ohne);
    EXPECT_EQ(r.Protokoll,
              (Protokoll{"bewegeschlitten", "zeichne_mit_timer", "Sound 7", "UpdateStatusPanel"}));
    EXPECT_EQ(r.Status[0].Zeile, QStringLiteral("Zeilen 5 von 65"));
    EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte 1 von 61"));
}

TEST(FormKeyDown, EscapeZeichnetDieSeiteNeu) {
    Zustand z = an(3, 17);
    Rekorder r(z);
    FormKeyDown(z, r, Taste::Escape, ohne);
    EXPECT_EQ(r.Protokoll, (Protokoll{"zeichnen", "buchstaben_zeichnen", "UpdateStatusPanel"}));
}

TEST(FormKeyDown, RueckLeertDieZelleLinksUndTrittZurueck) {
    Zustand z = an(2, 5);
    Schreibe(z, 2, 0, "Hallo", rot);
    Schreibe(z, 3, 4, "x");
    z.Zeichenzahl = 6;
    z.XFeld[1] = {u'/', 0, 4, 2, 1};  // on the o
    z.XFeld[2] = {u'/', 0, 4, 3, 1};  // on the line below
    Rekorder r(z);

    FormKeyDown(z, r, Taste::Rueck, ohne);
    EXPECT_EQ(Zeilentext(z, 2), "Hall");
    EXPECT_EQ(z.BuchstabenFeld(2, 4), (TBuchstabe{u' ', rot})) << "the attribute stays";
    EXPECT_TRUE(z.XFeld[1].frei());
    EXPECT_EQ(z.XFeld[2].Zeichen, u'/');
    EXPECT_EQ(z.Zeichenzahl, 5);
    EXPECT_EQ(z.akt_Spalte, 4);
    EXPECT_EQ(r.Protokoll, (Protokoll{"zeichnen", "buchstaben_zeichnen", "bildzeichnen",
                                      "bewegeschlitten", "Sound 8", "UpdateStatusPanel"}));
    EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte 5 von 61"));
    EXPECT_TRUE(r.Status[0].Zeichen.has_value());
}

TEST(FormKeyDown, RueckAufSpalte0NurDerTon) {
    Zustand z = an(2, 0);
    Schreibe(z, 2, 0, "H");
    Rekorder r(z);
    FormKeyDown(z, r, Taste::Rueck, ohne);
    EXPECT_EQ(Zeilentext(z, 2), "H");
    EXPECT_EQ(r.Protokoll, (Protokoll{"Sound 8", "UpdateStatusPanel"}));
}

TEST(FormKeyDown, EntfLeertDieZelleUnterDemWagenUndTrittWeiter) {
    struct Fall {
        int spalte, danach;
    };
    for (const Fall& f : {Fall{3, 4}, Fall{60, 60}}) {
        Zustand z = an(0, f.spalte);
        Schreibe(z, 0, f.spalte, "x");
        z.Zeichenzahl = 1;
        z.XFeld[7] = {u'-', 0, f.spalte, 0, 1};
        Rekorder r(z);
        FormKeyDown(z, r, Taste::Entf, ohne);
        EXPECT_TRUE(z.BuchstabenFeld(0, f.spalte).frei());
        EXPECT_TRUE(z.XFeld[7].frei());
        EXPECT_EQ(z.Zeichenzahl, 0);
        EXPECT_EQ(z.akt_Spalte, f.danach);
        EXPECT_EQ(r.Protokoll, (Protokoll{"zeichnen", "buchstaben_zeichnen", "bildzeichnen",
                                          "bewegeschlitten", "Sound 9", "UpdateStatusPanel"}));
    }
}

TEST(FormKeyDown, LeereZelleUndLeereZaehlungBleibenBeiNull) {
    Zustand z = an(0, 3);
    Rekorder r(z);
    FormKeyDown(z, r, Taste::Rueck, ohne);
    FormKeyDown(z, r, Taste::Entf, ohne);
    Schreibe(z, 0, 3, "x");  // counted nowhere
    FormKeyDown(z, r, Taste::Entf, ohne);
    EXPECT_EQ(z.Zeichenzahl, 0);
}

TEST(FormKeyDown, UmschaltUndFeststellKlingenNichtBeimHalten) {
    for (Taste t : {Taste::Umschalt, Taste::Feststell}) {
        Zustand z = an(0, 0);
        Rekorder r(z);
        FormKeyDown(z, r, t, umschalt);
        FormKeyDown(z, r, t, umschalt);
        EXPECT_EQ(r.Sounds(), Toene{4});
        EXPECT_TRUE(z.Taste_gehalten);
    }
}

TEST(FormKeyUp, TonDerLoslassendenTasteUndTasteFrei) {
    struct Fall {
        Taste taste;
        Toene toene;
    };
    const Fall faelle[] = {{Taste::Rueck, {6}},     {Taste::Entf, {6}}, {Taste::Umschalt, {4}},
                           {Taste::Feststell, {5}}, {Taste::Tab, {}},   {Taste::Andere, {}}};
    for (const Fall& f : faelle) {
        Zustand z;
        z.Taste_gehalten = true;
        Rekorder r(z);
        FormKeyUp(z, r, f.taste);
        EXPECT_EQ(r.Sounds(), f.toene);
        EXPECT_FALSE(z.Taste_gehalten);
    }
}

// A held key: the platform repeats its key-down and, on X11, sends a synthetic release before
// every repeat. Only the real release at the end counts.
TEST(Tastenwiederholung, GehalteneRueckUndEntfTasten) {
    struct Fall {
        Taste taste;
        bool wiederholungston;
        Toene toene;
    };
    const Fall faelle[] = {{Taste::Rueck, false, {8, 6}},
                           {Taste::Rueck, true, {8, 8, 8, 6}},
                           {Taste::Entf, false, {9, 6}},
                           {Taste::Entf, true, {9, 9, 9, 6}}};
    for (const Fall& f : faelle) {
        Zustand z = an(0, 30);
        z.Tastenwiederholungston = f.wiederholungston;
        Rekorder r(z);
        FormKeyDown(z, r, f.taste, ohne);
        for (int i = 0; i < 2; ++i) {
            FormKeyUp(z, r, f.taste, true);
            FormKeyDown(z, r, f.taste, ohne);
        }
        FormKeyUp(z, r, f.taste);
        EXPECT_EQ(r.Sounds(), f.toene);
        EXPECT_EQ(z.akt_Spalte, f.taste == Taste::Rueck ? 27 : 33) << "every repeat acts";
        EXPECT_FALSE(z.Taste_gehalten);
    }
}

TEST(FormKeyDown, StrgTastenRufenDieLueckenbefehle) {
    Zustand z = an(0, 2);
    Schreibe(z, 0, 0, "abcd");
    z.Zeichenzahl = 4;
    Rekorder r(z);

    FormKeyDown(z, r, Taste::Rueck, strg);  // deletes b, closes the gap
    EXPECT_EQ(Zeilentext(z, 0), "acd");
    EXPECT_EQ(z.akt_Spalte, 1);
    FormKeyDown(z, r, Taste::Entf, strg);  // deletes c
    EXPECT_EQ(Zeilentext(z, 0), "ad");
    FormKeyDown(z, r, Taste::Leertaste, strg);
    EXPECT_EQ(Zeilentext(z, 0), "a d");
    EXPECT_EQ(z.akt_Spalte, 1);
    EXPECT_EQ(r.Sounds(), (Toene{9, 9, 2}));

    // With Shift as well, Backspace is the plain key again: it blanks and steps back.
    r.leeren();
    FormKeyDown(z, r, Taste::Rueck, Modifikatoren{.Umschalt = true, .Strg = true});
    EXPECT_EQ(Zeilentext(z, 0), "  d");
    EXPECT_EQ(z.akt_Spalte, 0);
}

TEST(FormKeyDown, StrgEnterSchiebtEineLeerzeileEinUndSchaltetWeiter) {
    Zustand z = an(3, 17);
    Schreibe(z, 3, 0, "erste");
    Schreibe(z, 4, 0, "zweite");
    Rekorder r(z);
    FormKeyDown(z, r, Taste::Eingabe, strg);
    EXPECT_EQ(Zeilentext(z, 3), "");
    EXPECT_EQ(Zeilentext(z, 4), "erste");
    EXPECT_EQ(Zeilentext(z, 5), "zweite");
    EXPECT_EQ(z.akt_Zeile, 4);
    EXPECT_EQ(z.akt_Spalte, 0);
    EXPECT_EQ(r.Protokoll,
              (Protokoll{"zeichnen", "buchstaben_zeichnen", "Sound 7", "bewegeschlitten",
                         "zeichne_mit_timer", "Sound 7", "UpdateStatusPanel"}));
}

TEST(FormKeyDown, StrgEnterAufDerLetztenZeileWirdGemeldetUndKlingelt) {
    Zustand z = an(64, 17);
    Rekorder r(z);
    FormKeyDown(z, r, Taste::Eingabe, strg);
    EXPECT_EQ(r.Protokoll,
              (Protokoll{"Nachricht: Am Seitenende kann keine Zeile eingeschoben werden!",
                         "Sound 3", "UpdateStatusPanel"}));
}

TEST(AttributAusKnoepfen, JeEinKnopfJederGruppe) {
    struct Stil {
        bool Knopfstellung::*knopf;
        std::uint8_t bits;
    };
    const Stil stile[] = {{&Knopfstellung::Standard, 0},
                          {&Knopfstellung::Standardfett, 8},
                          {&Knopfstellung::Standardkursiv, 16},
                          {&Knopfstellung::Fettkursiv, 24}};
    const Stil farben[] = {{&Knopfstellung::schwarz, schwarz}, {&Knopfstellung::blau, blau},
                           {&Knopfstellung::rot, rot},         {&Knopfstellung::gruen, gruen},
                           {&Knopfstellung::grau, grau},       {&Knopfstellung::Orange, Orange}};
    for (const Stil& s : stile) {
        for (const Stil& f : farben) {
            Knopfstellung k{.Standard = false, .schwarz = false};
            k.*s.knopf = true;
            k.*f.knopf = true;
            EXPECT_EQ(Attribut_aus_Knoepfen(k), s.bits | f.bits);
        }
    }
}

TEST(AttributAusKnoepfen, DieReihenfolgeEntscheidet) {
    EXPECT_EQ(Attribut_aus_Knoepfen({.Standard = false, .schwarz = false}), 0)
        << "no ribbon button down: black";
    // Standard is applied after Standardfett and clears it; grau after gruen adds to it.
    EXPECT_EQ(Attribut_aus_Knoepfen({.Standard = true, .Standardfett = true}), 0);
    EXPECT_EQ(Attribut_aus_Knoepfen({.schwarz = false, .gruen = true, .grau = true}), 7);
}
