#pragma once
// The five commands that close or open a gap within the cursor's line or page. Text never flows
// into another line or page: where a push would drop text, the command refuses with a message.
// Cells move with their attribute, overstrikes move with their cells.

#include "Rueckmeldung.h"
#include "model/Zustand.h"

// Ctrl+Del: deletes the character at the cursor and pulls the rest of the line one column left.
void Zeichen_loeschen(Zustand& z, Rueckmeldung& r);
// Ctrl+Backspace: the same for the character left of the cursor, which then holds the cursor.
// Does nothing at all on column 0.
void Zeichen_loeschen_Backspace(Zustand& z, Rueckmeldung& r);
// Ctrl+Shift+Del: deletes the cursor's line and pulls the lines below it up by one.
void Zeile_loeschen(Zustand& z, Rueckmeldung& r);
// Ctrl+Space: opens a blank cell at the cursor and pushes the rest of the line right.
void Leerzeichen_einfuegen(Zustand& z, Rueckmeldung& r);
// Ctrl+Enter: opens a blank line at the cursor's line and pushes the lines below it down.
void Leerzeile_einfuegen(Zustand& z, Rueckmeldung& r);
