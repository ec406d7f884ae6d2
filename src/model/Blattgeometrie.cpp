#include "Blattgeometrie.h"

#include <cmath>

#include "Zustand.h"

int Runden(double x) { return static_cast<int>(std::nearbyint(x)); }

int Abschneiden(double x) { return static_cast<int>(std::trunc(x)); }

void blatt_berechnen(Zustand& z, int hintergrund_breite, int hintergrund_hoehe) {
    Blattgeometrie& g = z.Geometrie;
    g.Spalten_X.fill(0);
    g.Zeilen_Y.fill(0);

    const int breite = hintergrund_breite - 2 * z.Blatt_Abstand;
    const int hoehe = Runden(static_cast<double>(breite * z.Blatthoehe_mm) / z.Blattbreite_mm);
    g.Blatt.setLeft(z.Blatt_Abstand);
    g.Blatt.setWidth(breite);
    g.Blatt.setHeight(hoehe);

    g.Pixel_pro_mm = static_cast<double>(breite) / z.Blattbreite_mm;
    // The divisor is the highest column index: the last column starts on the right margin.
    g.Spaltenbreite_px =
        (z.Blattbreite_mm - z.Rand_links - z.Rand_rechts) * g.Pixel_pro_mm / z.Spalten_max;
    for (int i = 0; i <= z.Spalten_max && i < Positionen_max; ++i) {
        g.Spalten_X[i] = Runden(z.Rand_links * g.Pixel_pro_mm + i * g.Spaltenbreite_px);
    }
    g.Schriftgroesse = Abschneiden(g.Spaltenbreite_px);

    g.Zeilenhoehe_px =
        (z.Blatthoehe_mm - z.Rand_oben - z.Rand_unten) * g.Pixel_pro_mm / z.Zeilen_max;
    for (int i = 0; i <= z.Zeilen_max && i < Positionen_max; ++i) {
        g.Zeilen_Y[i] = Runden(z.Rand_oben * g.Pixel_pro_mm + i * g.Zeilenhoehe_px);
    }

    // The writing line stays just above the guide bar in the middle of the panel; the paper moves.
    const int mitte = hintergrund_hoehe / 2;
    const int oben_rand = Abschneiden(z.Rand_oben * g.Pixel_pro_mm);
    const double bis_zeile = (z.akt_Zeile + 1) * g.Zeilenhoehe_px;
    switch (z.Zeilenabstand) {
        case 100:
        case 125:
        case 150:
            g.Blatt.moveTop(mitte - oben_rand - Abschneiden(bis_zeile + 0.1 * g.Zeilenhoehe_px));
            break;
        case 200:
            g.Blatt.moveTop(mitte - oben_rand - Abschneiden(bis_zeile));
            break;
        default:
            break;
    }

    const int f = g.Schriftgroesse;
    g.waagen.setHeight(f);
    switch (z.Zeilenabstand) {
        case 100: g.waagen.moveTop(mitte - f / 10); break;
        case 125: g.waagen.moveTop(mitte - f / 2); break;
        case 150: g.waagen.moveTop(mitte - Runden(f * 0.9)); break;
        case 200: g.waagen.moveTop(mitte - Runden(f * 1.5)); break;
        default: break;
    }
    g.waagen.setLeft(0);
    g.waagen.setWidth(hintergrund_breite);

    g.schlitten.setWidth(Runden(g.Spaltenbreite_px));
    g.schlitten.setHeight(g.waagen.height());
    g.schlitten.moveTop(g.waagen.top());

    bewegeschlitten(z);
}

void bewegeschlitten(Zustand& z) {
    if (z.akt_Spalte > z.Spalten_max) z.akt_Spalte = z.Spalten_max;
    if (z.akt_Zeile > z.Zeilen_max) z.akt_Zeile = z.Zeilen_max;
    z.Geometrie.schlitten.moveLeft(Schlitten_links(z));
}

int Schlitten_links(const Zustand& z) {
    const Blattgeometrie& g = z.Geometrie;
    // Two separate truncations: the marker may stand a pixel off the column's drawing position.
    return Abschneiden(z.Rand_links * g.Pixel_pro_mm) + z.Blatt_Abstand +
           Abschneiden(z.akt_Spalte * g.Spaltenbreite_px);
}

QRect Schreibbereich(const Blattgeometrie& g, int spalten_max, int zeilen_max) {
    const int links = g.Spalten_X[0];
    const int oben = g.Zeilen_Y[0];
    const int rechts = g.Spalten_X[spalten_max] + Abschneiden(g.Spaltenbreite_px);
    const int unten = g.Zeilen_Y[zeilen_max] + Abschneiden(g.Zeilenhoehe_px);
    return QRect(QPoint(links, oben), QPoint(rechts - 1, unten - 1));
}
