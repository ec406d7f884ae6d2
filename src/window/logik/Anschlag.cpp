// FormKeyPress: a character struck at the carriage, with the automatic wrap at the line's end.

#include <algorithm>
#include <string_view>

#include "Loeschen_Einfuegen.h"
#include "Meldungen.h"
#include "Tastatur.h"
#include "Ueberschlaege.h"
#include "Zeilenzugriff.h"

namespace {
enum class Umbruch { keiner, Wort, Leerzeichen };

bool Grossbuchstabe(char16_t k) {
    return (k >= u'A' && k <= u'Z') || k == u'Ä' || k == u'Ö' || k == u'Ü';
}

// The automatic wrap, with the carriage on the occupied last column of a line that has a line
// below it. The word that ends in the last column moves to the start of the next line when that
// line has room for it and the character after it. A word without a blank before it fills the
// whole line and cannot move: it never has that room.
Umbruch Zeilenumbruch(Zustand& z, Rueckmeldung& r, char16_t k) {
    const int sm = z.Spalten_max;
    TBuchstabe* zeile = akt_Zeilenzellen(z);
    int d = sm;
    while (d > 0 && !zeile[d - 1].frei()) --d;
    const int n = sm - d + 1;

    TBuchstabe* naechste = z.BuchstabenFeld.Zeile(z.akt_Feldzeile() + 1);
    if (d > 0 &&
        std::all_of(naechste, naechste + n + 1, [](const TBuchstabe& b) { return b.frei(); })) {
        std::copy_n(zeile + d, n, naechste);
        std::fill_n(zeile + d, n, TBuchstabe{});
        Ueberschlaege_umbrechen(z, z.akt_Seite, z.akt_Zeile, d);
        z.akt_Spalte = n;
        ++z.akt_Zeile;
        z.Anzeige_Zeile = true;
        return Umbruch::Wort;
    }
    if (k == u' ') {
        ++z.akt_Zeile;
        z.akt_Spalte = 0;
        r.SoundAbspielen(7);
        z.Anzeige_Zeile = true;
        z.Anzeige_Spalte = true;
        return Umbruch::Leerzeichen;
    }
    return Umbruch::keiner;
}

// Strikes k at the carriage: into a free cell, or onto the occupied one as an overstrike. A blank
// struck onto a character leaves no trace and takes no overstrike entry.
void anschlagen(Zustand& z, char16_t k, std::uint8_t attribut) {
    TBuchstabe& zelle = akt_Zeilenzellen(z)[z.akt_Spalte];
    z.Anzeige_Spalte = true;
    if (zelle.frei()) {
        if (k != u' ') ++z.Zeichenzahl;
        z.Anzeige_Zeichen = true;
        zelle = TBuchstabe{k, attribut};
    } else if (k != u' ') {
        Ueberschlag_eintragen(z, XBuchstabe{k, attribut, z.akt_Spalte, z.akt_Zeile, z.akt_Seite});
    }
}
}  // namespace

bool Zeichen_erlaubt(char16_t k) {
    if (k >= u' ' && k <= u'~') return k != u'\'' && k != u'\\';
    constexpr std::u16string_view weitere = u"§°²³´µÀÁÄÈÉÌÍÒÓÖÚÜßàáäèéìíòóöùúü";
    return weitere.find(k) != std::u16string_view::npos;
}

void FormKeyPress(Zustand& z, Rueckmeldung& r, char16_t k, std::uint8_t attribut) {
    if (!Zeichen_erlaubt(k)) return;
    if (z.Modus_Einfuegen && !akt_Zeilenzellen(z)[z.Spalten_max].frei()) {
        r.Nachricht(Meldung_Einfuegen_Zeilenende);
        return;
    }
    const bool belegt = !akt_Zeilenzellen(z)[z.akt_Spalte].frei();
    if (z.Modus_Einfuegen) Leerzeichen_einfuegen(z, r);

    Umbruch umbruch = Umbruch::keiner;
    if (z.AutoZeilenUmbruch && z.akt_Spalte == z.Spalten_max && z.akt_Zeile < z.Zeilen_max &&
        belegt) {
        umbruch = Zeilenumbruch(z, r, k);
    }

    anschlagen(z, k, attribut);
    const int spalte = z.akt_Spalte;
    if (z.akt_Spalte < z.Spalten_max) ++z.akt_Spalte;

    r.zeichne_mit_timer();
    r.UpdateStatusPanel();
    if (umbruch == Umbruch::Wort) {
        // The moved word leaves its old cells: paper and characters are drawn anew.
        r.zeichnen();
        r.buchstaben_zeichnen();
    } else {
        r.zelle_zeichnen(z.akt_Zeile, spalte);
    }
    r.bewegeschlitten();

    if (umbruch != Umbruch::keiner) {
        r.SoundAbspielen(7);
    } else if (k == u' ') {
        r.SoundAbspielen(Klingelspalte(z) ? 3 : 2);
        z.Anzeige_Spalte = true;
        r.UpdateStatusPanel();
    } else {
        r.SoundAbspielen(Klingelspalte(z) ? 3 : Grossbuchstabe(k) ? 11 : 1);
    }
}
