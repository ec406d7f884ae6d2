#pragma once
// The grid size that a page setup gives: how many columns and lines fit inside the margins at the
// density and line spacing of the template.

#include "model/Zustand.h"

struct Rastergroesse {
    int Spalten_max = 0;
    int Zeilen_max = 0;
};

// With w = Blattbreite_mm − Rand_links − Rand_rechts and h = Blatthoehe_mm − Rand_oben −
// Rand_unten: Spalten_max = Trunc(w × Zeichendichte / 25.4) − 1 and Zeilen_max = Trunc(Spalten_max
// / (Zeilenabstand / 100 × 1.5) × h / w) − 1, evaluated left to right in extended precision (A4,
// margins 25/30/20/23, 10 cpi, single spacing: 60 and 64). A setup without room inside its margins
// gives 0 for both.
Rastergroesse Rastergroesse_berechnen(const Zustand& z);

// Before a stored document is loaded: Spalten_max and Zeilen_max from the formulas, an empty grid
// of one page of that size and an empty overstrike list; the cursor is left alone.
void Feld_fuer_Laden_vorbereiten(Zustand& z);
