#include <gtest/gtest.h>

#include "Fixtures.h"

TEST(BuchstabenFeldNeu, MaktEineLeereSeiteUndSetztDenCursorZurueck) {
    Zustand z;
    z.Zeilen_max = 64;
    z.Spalten_max = 60;
    z.akt_Zeile = 7;
    z.akt_Spalte = 9;
    z.akt_Seite = 3;
    z.Seitenanzahl = 3;
    z.XFeld.assign(3, XBuchstabe{u'x', 5, 1, 2, 4});

    BuchstabenFeld_neu(z);

    EXPECT_EQ(z.BuchstabenFeld.Zeilen(), 65);
    EXPECT_EQ(z.BuchstabenFeld.Spalten(), 61);
    for (const TBuchstabe& b : z.BuchstabenFeld.Zellen()) EXPECT_EQ(b, (TBuchstabe{u' ', 0}));
    ASSERT_EQ(z.XFeld.size(), 500u);
    for (const XBuchstabe& x : z.XFeld) {
        EXPECT_TRUE(x.frei());
        EXPECT_EQ(x.attribut, 0);
        EXPECT_EQ(x.spalte, 0);
        EXPECT_EQ(x.Zeile, 0);
    }
    // A freed entry keeps its page: it is free by its character alone.
    EXPECT_EQ(z.XFeld[0].seite, 4);
    EXPECT_EQ(z.akt_Zeile, 0);
    EXPECT_EQ(z.akt_Spalte, 0);
    EXPECT_EQ(z.akt_Seite, 1);
    EXPECT_EQ(z.Seitenanzahl, 3) << "the page count is the caller's business";
}

TEST(Zustand, FeldzeileZaehltUeberAlleSeiten) {
    Zustand z;
    z.Zeilen_max = 64;
    EXPECT_EQ(z.Zeile_im_Feld(3, 10), 140);
    EXPECT_EQ(z.Zeile_im_Feld(1, 0), 0);
    EXPECT_EQ(z.Zeile_im_Feld(2, 0), 65);
}

TEST(ZeichenZaehlen, ZaehltBelegteZellenNurDerAktuellenSeite) {
    Zustand z = Standardzustand();
    z.Seitenanzahl = 2;
    z.BuchstabenFeld.neu(2 * 65, 61);
    Schreibe(z, 0, 0, "abc");                 // page 1
    Schreibe(z, 64, 58, "xyz");               // last line of page 1
    Schreibe(z, 65, 0, "Haus");               // first line of page 2
    Schreibe(z, 129, 60, "!");                // last cell of page 2
    z.BuchstabenFeld(66, 3) = {u' ', 2};      // a coloured blank is free
    z.XFeld[1] = {u'/', 0, 1, 0, 2};          // overstrikes count for nothing

    z.akt_Seite = 1;
    Zeichen_zaehlen(z);
    EXPECT_EQ(z.Zeichenzahl, 6);
    z.akt_Seite = 2;
    Zeichen_zaehlen(z);
    EXPECT_EQ(z.Zeichenzahl, 5);
}

TEST(DokumentNeuWerte, KapazitaetIstProduktDerHoechstenIndizes) {
    Zustand z = Standardzustand();
    Dokument_neu_Werte(z);
    EXPECT_EQ(z.Zeichen_max, 3840) << "not the 3965 cells of a page";
    EXPECT_TRUE(z.Anzeige_Zeile && z.Anzeige_Spalte && z.Anzeige_Seite && z.Anzeige_Zeichen &&
                z.Anzeige_Zeit);
}

TEST(Attribut, KodierungDerBits) {
    const std::uint8_t a = Farbindex::Orange | Attribut::Fett | Attribut::Kursiv | Attribut::Markiert;
    EXPECT_EQ(a, 7 + 8 + 16 + 32);
    EXPECT_EQ(a & Attribut::Farbmaske, 7);
    EXPECT_EQ(RGB(250, 142, 14), 0x000E8EFAu);
    EXPECT_TRUE(ist_Systemfarbe(Systemfarbe(28)));
    EXPECT_FALSE(ist_Systemfarbe(RGB(255, 255, 255)));
}

TEST(FeldPasst, PrueftZeilenUndSpaltenGegenSeiteneinrichtung) {
    Zustand z = Standardzustand();
    EXPECT_TRUE(Feld_passt(z));
    z.Seitenanzahl = 2;
    EXPECT_FALSE(Feld_passt(z)) << "two pages but a one-page grid";
    z.BuchstabenFeld.neu(130, 61);
    EXPECT_TRUE(Feld_passt(z));
    z.akt_Seite = 3;
    EXPECT_FALSE(Feld_passt(z));
    EXPECT_FALSE(Feld_passt(Zustand{})) << "no document yet";
}
