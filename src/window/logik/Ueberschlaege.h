#pragma once
// The overstrike list XFeld: entering a character struck onto an occupied cell, freeing the
// entries of deleted cells and moving the entries of moved cells. Every pass covers the entries
// that exist, however many a document brings (none at all included). Free entries are never moved.

#include "model/Zustand.h"

// Puts an overstruck character into the free entry with the lowest index from 1 on, or into the
// last entry when none is free; index 0 is never used. A list with no entry beyond index 0 (a file
// may bring one) is first given XFeld_max entries, so the stroke is kept.
void Ueberschlag_eintragen(Zustand& z, const XBuchstabe& x);

// Frees (character to blank) every entry on the cell.
void Ueberschlaege_freigeben(Zustand& z, int seite, int zeile, int spalte);
// Frees every entry on the line.
void Zeilenueberschlaege_freigeben(Zustand& z, int seite, int zeile);
// Clears (every field to blank or 0) every entry on the cell.
void Ueberschlaege_loeschen(Zustand& z, int seite, int zeile, int spalte);

// Moves the entries of a line from column `ab_spalte` on by `versatz` columns. An entry pushed
// beyond the line is freed: it would stand on no cell.
void Ueberschlaege_Spalten_verschieben(Zustand& z, int seite, int zeile, int ab_spalte,
                                       int versatz);
// Moves the entries of a page from line `ab_zeile` on by `versatz` lines; an entry pushed beyond
// the page is freed.
void Ueberschlaege_Zeilen_verschieben(Zustand& z, int seite, int ab_zeile, int versatz);
// The wrap: the entries of a line from column `ab_spalte` to its end go to the start of the next
// line, column `ab_spalte` becoming column 0.
void Ueberschlaege_umbrechen(Zustand& z, int seite, int zeile, int ab_spalte);
