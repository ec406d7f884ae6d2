#include <algorithm>

#include "Loeschen_Einfuegen.h"
#include "Ueberschlaege.h"
#include "Zeilenzugriff.h"

namespace {
void neu_zeichnen(Rueckmeldung& r) {
    r.zeichnen();
    r.buchstaben_zeichnen();
}

// Deletes the character at the cursor and closes the gap; shared by both delete commands.
void Zeichen_an_Cursor_loeschen(Zustand& z, Rueckmeldung& r) {
    TBuchstabe* zeile = akt_Zeilenzellen(z);
    const int sm = z.Spalten_max;
    const int c = z.akt_Spalte;
    if (!zeile[c].frei() && z.Zeichenzahl > 0) --z.Zeichenzahl;
    zeile[c].Zeichen = u' ';
    Ueberschlaege_loeschen(z, z.akt_Seite, z.akt_Zeile, c);
    neu_zeichnen(r);

    for (int i = c; i < sm; ++i) zeile[i] = zeile[i + 1];
    zeile[sm] = TBuchstabe{};
    Ueberschlaege_Spalten_verschieben(z, z.akt_Seite, z.akt_Zeile, c, -1);

    neu_zeichnen(r);
    r.bildzeichnen();
    z.Anzeige_Spalte = true;
    z.Anzeige_Zeichen = true;
    r.UpdateStatusPanel();
    r.bewegeschlitten();
    Wiederholton(z, r, 9);
}
}  // namespace

void Zeichen_loeschen(Zustand& z, Rueckmeldung& r) {
    if (!z.Dateiname.isEmpty()) r.Zwischenspeichern(QStringLiteral("Zeichen loeschen"));
    Zeichen_an_Cursor_loeschen(z, r);
}

void Zeichen_loeschen_Backspace(Zustand& z, Rueckmeldung& r) {
    if (z.akt_Spalte == 0) return;
    --z.akt_Spalte;
    Zeichen_an_Cursor_loeschen(z, r);
}

void Zeile_loeschen(Zustand& z, Rueckmeldung& r) {
    if (!z.Dateiname.isEmpty()) r.Zwischenspeichern(QStringLiteral("Zeile loeschen"));
    const int spalten = z.Spalten_max + 1;
    TBuchstabe* zeile = akt_Zeilenzellen(z);
    for (int c = 0; c < spalten; ++c) {
        // The page's count loses the line's characters with them.
        if (!zeile[c].frei() && z.Zeichenzahl > 0) --z.Zeichenzahl;
        zeile[c].Zeichen = u' ';
    }
    Zeilenueberschlaege_freigeben(z, z.akt_Seite, z.akt_Zeile);

    if (z.akt_Zeile < z.Zeilen_max) {
        const int letzte = z.Zeile_im_Feld(z.akt_Seite, z.Zeilen_max);
        for (int feldzeile = z.akt_Feldzeile(); feldzeile < letzte; ++feldzeile) {
            std::copy_n(z.BuchstabenFeld.Zeile(feldzeile + 1), spalten,
                        z.BuchstabenFeld.Zeile(feldzeile));
        }
        Ueberschlaege_Zeilen_verschieben(z, z.akt_Seite, z.akt_Zeile + 1, -1);
        std::fill_n(z.BuchstabenFeld.Zeile(letzte), spalten, TBuchstabe{});
    }

    neu_zeichnen(r);
    z.Anzeige_Zeichen = true;
    r.UpdateStatusPanel();
    r.SoundAbspielen(14);
}
