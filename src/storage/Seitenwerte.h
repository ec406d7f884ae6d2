#pragma once
// The page setup and cursor values that a template holds and that close every document file,
// in the order in which both formats store them, and the checks a loaded set must pass.

#include <QString>
#include <cstdint>
#include <optional>

#include "model/Zustand.h"

struct Seitenwerte {
    int Blattbreite_mm = 0;
    int Blatthoehe_mm = 0;
    int Rand_links = 0;
    int Rand_rechts = 0;
    int Rand_oben = 0;
    int Rand_unten = 0;
    std::uint8_t Schriftindex = 0;
    int Zeichendichte = 0;
    int Zeilenabstand = 0;
    int Tabulatorweite = 0;
    Farbe Randfarbe = 0;
    bool Rand_fuellen = false;
    Farbe Blattrahmenfarbe = 0;
    Farbe Papierfarbe = 0;
    int Klingelabstand = 0;
    int akt_Zeile = 0;
    int akt_Spalte = 0;
    int akt_Seite = 1;  // stored by documents only
    int Bearbeitungszeit_Min = 0;
    int Bearbeitungszeit_Std = 0;
    int Seitenanzahl = 0;
    int Zeilen_max = 0;
    int Spalten_max = 0;
};

enum class Seitenformat { Vorlage, Dokument };

// Bytes of the stored values: 82 in a template, 86 at the end of a document.
constexpr int Seitenwerte_Bytes(Seitenformat f) {
    return f == Seitenformat::Vorlage ? 82 : 86;
}

// Calls `feld` for every stored value in file order, on the same-named member of each object
// given (one object to read or write it, two to copy it from the second into the first).
template <class F, class... W>
void Seitenfelder(Seitenformat format, F&& feld, W&... w) {
    feld(w.Blattbreite_mm...);
    feld(w.Blatthoehe_mm...);
    feld(w.Rand_links...);
    feld(w.Rand_rechts...);
    feld(w.Rand_oben...);
    feld(w.Rand_unten...);
    feld(w.Schriftindex...);
    feld(w.Zeichendichte...);
    feld(w.Zeilenabstand...);
    feld(w.Tabulatorweite...);
    feld(w.Randfarbe...);
    feld(w.Rand_fuellen...);
    feld(w.Blattrahmenfarbe...);
    feld(w.Papierfarbe...);
    feld(w.Klingelabstand...);
    feld(w.akt_Zeile...);
    feld(w.akt_Spalte...);
    if (format == Seitenformat::Dokument) feld(w.akt_Seite...);
    feld(w.Bearbeitungszeit_Min...);
    feld(w.Bearbeitungszeit_Std...);
    feld(w.Seitenanzahl...);
    feld(w.Zeilen_max...);
    feld(w.Spalten_max...);
}

// The values as the state holds them now.
Seitenwerte Seitenwerte_von(const Zustand& z, Seitenformat format);
// Puts the values into the state (akt_Seite only for the document format).
void Seitenwerte_setzen(Zustand& z, const Seitenwerte& w, Seitenformat format);

// Why loaded values would leave the program inconsistent, or nothing when they are sound:
// lines and columns 1 to 300, at least one page, the cursor on a page of the document, a paper
// with room inside its margins, tab width, bell distance, spacing, density and editing time in
// ranges the typewriter can work with.
std::optional<QString> Seitenwerte_pruefen(const Seitenwerte& w, Seitenformat format);

class Byteschreiber;
class Byteleser;

// Writes the values in file order.
void Seitenwerte_schreiben(Byteschreiber& s, const Seitenwerte& w, Seitenformat format);
// Reads the values in file order as far as whole fields are there; the rest keep their values.
void Seitenwerte_lesen(Byteleser& l, Seitenwerte& w, Seitenformat format);
