#pragma once
// Where the sheet, its columns and lines, the guide bar and the carriage marker stand on screen.
// All positions are pixels relative to the background panel, or to the sheet for the tables.

#include <QRect>
#include <array>

#include "Strukturen.h"

struct Zustand;

struct Blattgeometrie {
    double Pixel_pro_mm = 0.0;
    double Spaltenbreite_px = 0.0;
    double Zeilenhoehe_px = 0.0;
    // Left edge of each column and top of each line, from the sheet's left and top edges.
    std::array<int, Positionen_max> Spalten_X{};
    std::array<int, Positionen_max> Zeilen_Y{};
    // Font size of the sheet's characters in points: the column pitch in whole pixels.
    int Schriftgroesse = 0;

    QRect Blatt;      // the sheet of paper (top usually negative)
    QRect waagen;     // the guide bar; its left and width follow the panel
    QRect schlitten;  // the carriage marker on the guide bar

    bool operator==(const Blattgeometrie&) const = default;
};

// N(x): nearest integer, ties to the even neighbour.
int Runden(double x);
// T(x): truncation toward zero.
int Abschneiden(double x);

// Recomputes the whole geometry for a background panel of the given size and places the
// carriage (which clamps the cursor to the page). Keeps the sheet's and the guide bar's top
// for a line spacing other than 100, 125, 150 and 200.
void blatt_berechnen(Zustand& z, int hintergrund_breite, int hintergrund_hoehe);

// Clamps the cursor to the page and moves the carriage marker to the cursor column.
void bewegeschlitten(Zustand& z);

// The carriage's left edge for the cursor column, without clamping the cursor first.
int Schlitten_links(const Zustand& z);

// The writing area on the sheet: from the first column and line to one pitch beyond the last.
// Right and bottom are exclusive, as for a rectangle drawn from corner to corner.
QRect Schreibbereich(const Blattgeometrie& g, int spalten_max, int zeilen_max);

