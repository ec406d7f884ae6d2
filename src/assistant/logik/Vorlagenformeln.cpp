#include "Vorlagenformeln.h"

#include <algorithm>

#include "model/Dokument.h"

Rastergroesse Rastergroesse_berechnen(const Zustand& z) {
    const long double w = z.Blattbreite_mm - z.Rand_links - z.Rand_rechts;
    const long double h = z.Blatthoehe_mm - z.Rand_oben - z.Rand_unten;
    if (w <= 0 || h <= 0 || z.Zeichendichte <= 0 || z.Zeilenabstand <= 0) return {};
    Rastergroesse r;
    r.Spalten_max = static_cast<int>(w * z.Zeichendichte / 25.4L) - 1;
    const long double zeilen = r.Spalten_max / (z.Zeilenabstand / 100.0L * 1.5L) * h / w;
    r.Zeilen_max = static_cast<int>(zeilen) - 1;
    r.Spalten_max = std::max(r.Spalten_max, 0);
    r.Zeilen_max = std::max(r.Zeilen_max, 0);
    return r;
}

void Feld_fuer_Laden_vorbereiten(Zustand& z) {
    const Rastergroesse r = Rastergroesse_berechnen(z);
    z.Spalten_max = r.Spalten_max;
    z.Zeilen_max = r.Zeilen_max;
    const int zeile = z.akt_Zeile;
    const int spalte = z.akt_Spalte;
    const int seite = z.akt_Seite;
    BuchstabenFeld_neu(z);
    z.akt_Zeile = zeile;
    z.akt_Spalte = spalte;
    z.akt_Seite = seite;
}
