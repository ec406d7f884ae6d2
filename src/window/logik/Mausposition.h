#pragma once
// Placing the carriage with the mouse, from the sheet geometry of the last layout. Ignored while
// SM_Modus is on ("Schreibposition nicht mit Mausklick setzen").

#include "Rueckmeldung.h"
#include "model/Zustand.h"

// A mouse button pressed on the sheet at (x, y), pixels from the sheet's top left corner: the
// cursor goes to the line and column under the pointer, clamped to the page.
void SchreibflaecheMouseDown(Zustand& z, Rueckmeldung& r, int x, int y);

// A mouse button pressed on the guide bar at x, pixels from the bar's left edge (the bar spans
// the background panel): the cursor goes to the column under the pointer; the line stays. At the
// first or last column the bell rings and is cut off at once by the cursor sound.
void Image1MouseDown(Zustand& z, Rueckmeldung& r, int x);
