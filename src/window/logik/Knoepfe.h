#pragma once
// The attribute of a newly typed character, built from the ribbon and style buttons.

#include <cstdint>

// Which buttons of the style group and of the ribbon group are down.
struct Knopfstellung {
    bool Standard = true;
    bool Standardfett = false;
    bool Standardkursiv = false;
    bool Fettkursiv = false;

    bool schwarz = true;
    bool blau = false;
    bool rot = false;
    bool gruen = false;
    bool grau = false;
    bool Orange = false;
};

// Starts from 0 and applies the buttons that are down in a fixed order: Standardfett, Standard,
// Standardkursiv, Fettkursiv, then schwarz, blau, rot, gruen, grau, Orange. With one button of
// each group down this is the cell encoding; with no ribbon button down the colour is black.
std::uint8_t Attribut_aus_Knoepfen(const Knopfstellung& k);
