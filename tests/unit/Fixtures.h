#pragma once
// Small helpers to build document states for tests.

#include <QString>
#include <initializer_list>

#include "model/Dokument.h"
#include "model/Zustand.h"

// A state with the standard page set up and an empty one-page grid.
inline Zustand Standardzustand() {
    Zustand z;
    Standardseite_einrichten(z);
    BuchstabenFeld_neu(z);
    return z;
}

// Writes the text into the cells of one row from column `spalte` on (blanks stay free).
inline void Schreibe(Zustand& z, int feldzeile, int spalte, const QString& text,
                     std::uint8_t attribut = 0) {
    for (int i = 0; i < text.size(); ++i) {
        z.BuchstabenFeld(feldzeile, spalte + i) = {text[i].unicode(), attribut};
    }
}
