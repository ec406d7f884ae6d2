#pragma once
// The record types every part of the program shares: a grid cell, an overstruck character,
// the start-up job, colours and the encoding of a cell's attribute byte.

#include <cstdint>

// One cell of the page grid. A cell is free exactly when it holds a blank, whatever its attribute.
struct TBuchstabe {
    char16_t Zeichen = u' ';
    std::uint8_t attribut = 0;

    bool frei() const { return Zeichen == u' '; }
    bool operator==(const TBuchstabe&) const = default;
};

// A character struck onto an already occupied cell. Zeile is the line within its page.
struct XBuchstabe {
    char16_t Zeichen = u' ';
    std::uint8_t attribut = 0;
    std::int32_t spalte = 0;
    std::int32_t Zeile = 0;
    std::int32_t seite = 0;

    bool frei() const { return Zeichen == u' '; }
    bool operator==(const XBuchstabe&) const = default;
};

// What the typewriter window does the next time it is shown.
struct TAuftrag {
    bool Laden = false;
    bool Vorlage = false;
    bool Neu = false;
};

// The attribute byte: colour index in bits 0-2, bold, italic and marked above it.
namespace Attribut {
constexpr std::uint8_t Farbmaske = 0x07;
constexpr std::uint8_t Fett = 0x08;
constexpr std::uint8_t Kursiv = 0x10;
constexpr std::uint8_t Markiert = 0x20;
}  // namespace Attribut

// Ribbon colour indices as they stand in bits 0-2 of an attribute (5 and 6 are never produced).
enum Farbindex : std::uint8_t { schwarz = 0, blau = 1, rot = 2, grau = 3, gruen = 4, Orange = 7 };

// Colours are 0x00BBGGRR; a high byte of 255 names a desktop system colour by its index.
using Farbe = std::uint32_t;

constexpr Farbe RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Farbe{r} | (Farbe{g} << 8) | (Farbe{b} << 16);
}
constexpr Farbe Systemfarbe(std::uint8_t index) { return 0xFF000000u | index; }
constexpr bool ist_Systemfarbe(Farbe f) { return (f >> 24) == 0xFF; }
constexpr std::uint8_t Rotanteil(Farbe f) { return f & 0xFF; }
constexpr std::uint8_t Gruenanteil(Farbe f) { return (f >> 8) & 0xFF; }
constexpr std::uint8_t Blauanteil(Farbe f) { return (f >> 16) & 0xFF; }

// Number of entries a new document's overstrike list gets.
constexpr int XFeld_max = 500;

// The sheet geometry keeps this many column and line positions; Spalten_max and Zeilen_max
// never exceed Positionen_max - 1.
constexpr int Positionen_max = 301;
