#include "Dokument.h"

void BuchstabenFeld_neu(Zustand& z) {
    z.BuchstabenFeld.neu(z.Zeilen_max + 1, z.Spalten_max + 1);
    z.XFeld.resize(XFeld_max);
    for (XBuchstabe& x : z.XFeld) {
        // The page of a free entry is of no meaning and stays as it was.
        x.Zeichen = u' ';
        x.attribut = 0;
        x.spalte = 0;
        x.Zeile = 0;
    }
    z.akt_Spalte = 0;
    z.akt_Zeile = 0;
    z.akt_Seite = 1;
}

bool Feld_passt(const Zustand& z) {
    return z.Seitenanzahl >= 1 && z.akt_Seite >= 1 && z.akt_Seite <= z.Seitenanzahl &&
           z.BuchstabenFeld.Spalten() == z.Spalten_max + 1 &&
           z.BuchstabenFeld.Zeilen() == z.Seitenanzahl * (z.Zeilen_max + 1);
}

void Zeichen_zaehlen(Zustand& z) {
    z.Zeichenzahl = 0;
    const int erste = z.Zeile_im_Feld(z.akt_Seite, 0);
    const int letzte = z.Zeile_im_Feld(z.akt_Seite, z.Zeilen_max);
    if (erste < 0 || letzte >= z.BuchstabenFeld.Zeilen()) return;
    const int spalten = z.BuchstabenFeld.Spalten();
    for (int r = erste; r <= letzte; ++r) {
        const TBuchstabe* zeile = z.BuchstabenFeld.Zeile(r);
        for (int c = 0; c < spalten; ++c) {
            if (!zeile[c].frei()) ++z.Zeichenzahl;
        }
    }
}

void Dokument_neu_Werte(Zustand& z) {
    z.Zeichen_max = z.Zeilen_max * z.Spalten_max;
    z.Anzeige_Zeile = z.Anzeige_Spalte = z.Anzeige_Seite = z.Anzeige_Zeichen = z.Anzeige_Zeit =
        true;
}

void Standardseite_einrichten(Zustand& z) {
    z.Blattbreite_mm = 210;
    z.Blatthoehe_mm = 297;
    z.Rand_links = 25;
    z.Rand_rechts = 30;
    z.Rand_oben = 20;
    z.Rand_unten = 23;
    z.Schriftindex = 0;
    z.Zeichendichte = 10;
    z.Zeilenabstand = 100;
    z.Tabulatorweite = 10;
    z.Randfarbe = RGB(251, 251, 251);
    z.Rand_fuellen = true;
    z.Blattrahmenfarbe = RGB(128, 128, 128);
    z.Papierfarbe = RGB(255, 255, 255);
    z.Klingelabstand = 10;
    z.akt_Zeile = 1;
    z.akt_Spalte = 1;
    z.Bearbeitungszeit_Min = 0;
    z.Bearbeitungszeit_Std = 0;
    z.Seitenanzahl = 1;
    z.Zeilen_max = 64;
    z.Spalten_max = 60;
}
