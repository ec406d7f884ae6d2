#include <gtest/gtest.h>

#include "Fixtures.h"
#include "model/Statuszeile.h"

TEST(UpdateStatusPanel, SchreibtDieGemeldetenFelder) {
    Zustand z = Standardzustand();
    z.Seitenanzahl = 3;
    z.Zeichenzahl = 12;
    Dokument_neu_Werte(z);
    const Statustexte t = UpdateStatusPanel(z);
    EXPECT_EQ(t.Zeile, "Zeilen 1 von 65");
    EXPECT_EQ(t.Spalte, "Spalte 1 von 61");
    EXPECT_EQ(t.Seite, "Seite 1 von 3");
    EXPECT_EQ(t.Zeichen, "Zeichen 12 von 3840");
    EXPECT_EQ(t.Zeit, "Bearbeitungszeit: 00:00");
    EXPECT_FALSE(z.Anzeige_Zeile || z.Anzeige_Spalte || z.Anzeige_Seite || z.Anzeige_Zeichen ||
                 z.Anzeige_Zeit);
}

TEST(UpdateStatusPanel, OhneMeldungBleibtAllesStehen) {
    Zustand z = Standardzustand();
    const Statustexte t = UpdateStatusPanel(z);
    EXPECT_FALSE(t.Zeile || t.Spalte || t.Seite || t.Zeichen || t.Zeit);
    z.Anzeige_Spalte = true;
    z.akt_Spalte = 9;
    const Statustexte nur_spalte = UpdateStatusPanel(z);
    EXPECT_EQ(nur_spalte.Spalte, "Spalte 10 von 61");
    EXPECT_FALSE(nur_spalte.Zeile || nur_spalte.Seite || nur_spalte.Zeichen || nur_spalte.Zeit);
}

TEST(Bearbeitungszeit, UhrZaehltMinutenUndStunden) {
    struct Fall {
        int std, min;
        const char* danach;
    };
    for (const Fall f : {Fall{1, 59, "Bearbeitungszeit: 02:00"}, Fall{0, 0, "Bearbeitungszeit: 00:01"},
                         Fall{9, 8, "Bearbeitungszeit: 09:09"},
                         Fall{99, 59, "Bearbeitungszeit: 100:00"}}) {
        Zustand z;
        z.Bearbeitungszeit_Std = f.std;
        z.Bearbeitungszeit_Min = f.min;
        Minute_zaehlen(z);
        EXPECT_TRUE(z.Anzeige_Zeit);
        EXPECT_EQ(UpdateStatusPanel(z).Zeit, f.danach);
    }
}
