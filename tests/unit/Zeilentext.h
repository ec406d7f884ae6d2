#pragma once
// Reading a grid row back as text, for comparing with what a test expects.

#include <QString>
#include <string>

#include "model/Zustand.h"

// The characters of a grid row without the trailing blanks, as UTF-8 so that a failing test
// prints them readably.
inline std::string Zeilentext(const Zustand& z, int feldzeile) {
    QString text;
    for (int c = 0; c < z.BuchstabenFeld.Spalten(); ++c) {
        text += QChar(z.BuchstabenFeld(feldzeile, c).Zeichen);
    }
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text.toStdString();
}

// The character count of a grid row's occupied cells.
inline int Belegte_Zellen(const Zustand& z, int feldzeile) {
    int n = 0;
    for (int c = 0; c < z.BuchstabenFeld.Spalten(); ++c) {
        if (!z.BuchstabenFeld(feldzeile, c).frei()) ++n;
    }
    return n;
}
