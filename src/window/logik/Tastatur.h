#pragma once
// The typewriter's keyboard. A key reaches the handlers in this order: FormShortCut (before any
// focus handling, so Tab never moves the focus); the shortcuts of the menus and actions (Shift+Tab
// runs ShiftTabExecute); FormKeyDown; FormKeyPress with the key's character, if it makes one;
// FormKeyUp on release.

#include <QString>
#include <cstdint>

#include "Rueckmeldung.h"
#include "model/Zustand.h"

enum class Taste {
    Tab,
    Bild_hoch,
    Bild_runter,
    Ende,
    Pos1,
    Rueck,
    Entf,
    Eingabe,
    Umschalt,
    Feststell,
    Escape,
    Links,
    Rechts,
    Hoch,
    Runter,
    Leertaste,
    Andere
};

// The modifier keys held with a key.
struct Modifikatoren {
    bool Umschalt = false;
    bool Strg = false;
    bool Alt = false;

    bool keine() const { return !Umschalt && !Strg && !Alt; }
    bool nur_Strg() const { return Strg && !Umschalt && !Alt; }
};

// Tab, Page Up, Page Down, End and Home without modifier; true when the key was handled and must
// go no further.
bool FormShortCut(Zustand& z, Rueckmeldung& r, Taste taste, Modifikatoren mod);

// Shift+Tab: back to the previous tab stop.
void ShiftTabExecute(Zustand& z, Rueckmeldung& r);

// Every key-down that no shortcut took, with its automatic repeats.
void FormKeyDown(Zustand& z, Rueckmeldung& r, Taste taste, Modifikatoren mod);

// A key's release. A release the platform sends between the automatic repeats of a held key
// (`automatisch`) is no release and changes nothing.
void FormKeyUp(Zustand& z, Rueckmeldung& r, Taste taste, bool automatisch = false);

// The toggle button "M": switches insert mode and gives the text of the status line's mode label.
QString Modus_Einfuegen_ButtonClick(Zustand& z, bool unten);

// The character of a key: struck at the carriage with attribute `attribut`
// (Attribut_aus_Knoepfen), or ignored when it is not one the typewriter has.
void FormKeyPress(Zustand& z, Rueckmeldung& r, char16_t k, std::uint8_t attribut);

// Whether the typewriter has the character: printable ASCII but the apostrophe and the backslash,
// and § ° ² ³ ´ µ, the accented vowels and umlauts of the German keyboard, and ß.
bool Zeichen_erlaubt(char16_t k);
