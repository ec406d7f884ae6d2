#pragma once
// The cursor's line and the small rules every key and command of the line shares.

#include <algorithm>

#include "Rueckmeldung.h"
#include "model/Zustand.h"

// The cells of the cursor's line, columns 0 to Spalten_max.
inline TBuchstabe* akt_Zeilenzellen(Zustand& z) {
    return z.BuchstabenFeld.Zeile(z.akt_Feldzeile());
}
inline const TBuchstabe* akt_Zeilenzellen(const Zustand& z) {
    return z.BuchstabenFeld.Zeile(z.akt_Feldzeile());
}

// The bell test: the carriage stands Klingelabstand columns before the end or on the last one.
inline bool Klingelspalte(const Zustand& z) {
    return z.akt_Spalte == z.Spalten_max - z.Klingelabstand || z.akt_Spalte == z.Spalten_max;
}

// The distance of the tab stops; a page setup without a usable width steps column by column
// instead of dividing by zero.
inline int Tabweite(const Zustand& z) {
    return std::max(1, z.Tabulatorweite);
}

// Sound n of a key that repeats while held (Backspace, Delete and the delete commands): heard
// on every repeat only with the key-repeat tone on, otherwise once until the key is released.
inline void Wiederholton(Zustand& z, Rueckmeldung& r, int n) {
    if (z.Tastenwiederholungston || !z.Taste_gehalten) r.SoundAbspielen(n);
    z.Taste_gehalten = true;
}
