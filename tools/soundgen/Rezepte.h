#pragma once
// The recipes of the fourteen typewriter sounds.

#include "Synthese.h"

struct Klangform {
    int frames;   // length in sample frames at 44100 Hz
    int kanaele;  // 1 mono, 2 stereo
};

// Length and channels of sound n (1 to 14).
Klangform Klang_Form(int n);

// Sound n (1 to 14) as a stereo buffer of the length of Klang_Form(n); a mono sound has the
// same samples on both sides. Sounds 5 and 6 are one recipe.
Stereopuffer Klang_erzeugen(int n);
