#pragma once
// Setting a document up: an empty grid, counting the characters of a page, the standard page.

#include "Zustand.h"

// Makes the grid new and empty for one page of the current size, frees every overstrike and
// puts the cursor to line 0, column 0 of page 1. Seitenanzahl is left as it is.
void BuchstabenFeld_neu(Zustand& z);

// Whether the grid has exactly the rows and columns the page setup and page count ask for.
bool Feld_passt(const Zustand& z);

// Sets Zeichenzahl to the number of occupied cells of the current page (overstrikes not counted).
void Zeichen_zaehlen(Zustand& z);

// The document-side part of bringing the window in line with a new document: the page's
// capacity and all five status refresh requests.
void Dokument_neu_Werte(Zustand& z);

// Puts the page setup of the standard template into the state (A4, margins 25/30/20/23,
// 61 columns, 65 lines, 10 cpi, single spacing, standard colours, cursor 1/1, one page).
// The font name is not touched, only its index.
void Standardseite_einrichten(Zustand& z);
