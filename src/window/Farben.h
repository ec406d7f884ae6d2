#pragma once
// Turning the program's 0x00BBGGRR colours and ribbon indices into screen colours.

#include <QColor>

#include "model/Strukturen.h"

// A stored colour as a screen colour; a system colour by index becomes the desktop's colour
// of that role (the marking background, system colour 28, is a light grey-blue).
QColor Bildschirmfarbe(Farbe f);

// The ribbon colour of an attribute's colour index. Indices 5 and 6 are never produced; they
// are drawn black.
QColor Farbbandfarbe(std::uint8_t attribut);
