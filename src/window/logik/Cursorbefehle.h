#pragma once
// The menu's and actions' ways of moving the cursor within the line or page. No cell changes.
// A word is a run of non-blank cells of the cursor's line; only the blank separates words.

#include "Rueckmeldung.h"
#include "model/Zustand.h"

// Ctrl+Left (menu entry "Nächstes Wort"): to the start of the word touching the cursor from the
// left, or across a gap to the last character of the word before it, or to column 0.
void aWortendeExecute(Zustand& z, Rueckmeldung& r);
// Ctrl+Right (menu entry "Letztes Wort"): to the end of the word the cursor is in, or across a gap
// to the first character of the next word, or to the last column.
void aWortanfangExecute(Zustand& z, Rueckmeldung& r);

// Menu "Zeilenanfang": column 0. No sound; the status line keeps its old column.
void Zeilenanfang1Click(Zustand& z, Rueckmeldung& r);
// Menu "Zeilenende": the last column. No sound; the status line keeps its old column.
void Zeilenende1Click(Zustand& z, Rueckmeldung& r);
// Menu "Seitenanfang": line 1, column 1. No sound; the status line keeps its old position.
void Seitenanfang1Click(Zustand& z, Rueckmeldung& r);
