#include <algorithm>

#include "Loeschen_Einfuegen.h"
#include "Meldungen.h"
#include "Ueberschlaege.h"
#include "Zeilenzugriff.h"

void Leerzeichen_einfuegen(Zustand& z, Rueckmeldung& r) {
    TBuchstabe* zeile = akt_Zeilenzellen(z);
    const int sm = z.Spalten_max;
    if (!zeile[sm].frei()) {
        r.Nachricht(Meldung_Letztes_Zeichen_belegt);
        return;
    }
    const int c = z.akt_Spalte;
    for (int i = sm; i > c; --i) zeile[i] = zeile[i - 1];
    zeile[c].Zeichen = u' ';
    Ueberschlaege_Spalten_verschieben(z, z.akt_Seite, z.akt_Zeile, c, +1);

    r.zeichnen();
    r.buchstaben_zeichnen();
    r.SoundAbspielen(2);
}

void Leerzeile_einfuegen(Zustand& z, Rueckmeldung& r) {
    if (!z.Dateiname.isEmpty()) r.Zwischenspeichern(QStringLiteral("Zeile einfuegen"));
    if (z.akt_Zeile == z.Zeilen_max) {
        r.Nachricht(Meldung_Seitenende);
        return;
    }
    const int spalten = z.Spalten_max + 1;
    const int letzte = z.Zeile_im_Feld(z.akt_Seite, z.Zeilen_max);
    const TBuchstabe* letzte_zeile = z.BuchstabenFeld.Zeile(letzte);
    if (!std::all_of(letzte_zeile, letzte_zeile + spalten,
                     [](const TBuchstabe& b) { return b.frei(); })) {
        r.Nachricht(Meldung_Letzte_Zeile_belegt);
        return;
    }

    for (int feldzeile = letzte; feldzeile > z.akt_Feldzeile(); --feldzeile) {
        std::copy_n(z.BuchstabenFeld.Zeile(feldzeile - 1), spalten,
                    z.BuchstabenFeld.Zeile(feldzeile));
    }
    Ueberschlaege_Zeilen_verschieben(z, z.akt_Seite, z.akt_Zeile, +1);
    std::fill_n(akt_Zeilenzellen(z), spalten, TBuchstabe{});

    r.zeichnen();
    r.buchstaben_zeichnen();
    r.SoundAbspielen(7);
}
