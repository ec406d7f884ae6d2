#pragma once
// The largest page the template editor can make, every cell occupied: A3, margins of 6 mm,
// 12 characters per inch (134 x 126 cells), mixed colours and styles, 499 overstrikes.

#include "model/Dokument.h"
#include "model/Schrifttabelle.h"
#include "model/Zustand.h"

inline void Grosse_Seite_einrichten(Zustand& z) {
    Standardseite_einrichten(z);
    z.Blattbreite_mm = 297;
    z.Blatthoehe_mm = 420;
    z.Rand_links = z.Rand_rechts = z.Rand_oben = z.Rand_unten = 6;
    z.Zeichendichte = 12;
    z.Spalten_max = 133;
    z.Zeilen_max = 125;
    z.Schriftart = Schriftart_von(0);
    BuchstabenFeld_neu(z);
    static const char16_t text[] = u"Der Wagen läuft, die Glocke klingt: ÄÖÜ ß § 0123456789 XYZ";
    constexpr int laenge = static_cast<int>(sizeof(text) / sizeof(text[0])) - 1;
    const std::uint8_t attribute[] = {0, 1, 2 | 8, 3 | 16, 4 | 24, 7, 0 | 32, 1 | 8 | 32};
    for (int zeile = 0; zeile <= z.Zeilen_max; ++zeile) {
        for (int spalte = 0; spalte <= z.Spalten_max; ++spalte) {
            char16_t c = text[(zeile * 7 + spalte) % laenge];
            if (c == u' ') c = u'_';
            z.BuchstabenFeld(zeile, spalte) = {c, attribute[(zeile + spalte / 5) % 8]};
        }
    }
    for (int i = 1; i < XFeld_max; ++i) {
        z.XFeld[static_cast<std::size_t>(i)] = {u'/', static_cast<std::uint8_t>(i % 8),
                                                (i * 13) % (z.Spalten_max + 1),
                                                (i * 7) % (z.Zeilen_max + 1), 1};
    }
    Zeichen_zaehlen(z);
}
