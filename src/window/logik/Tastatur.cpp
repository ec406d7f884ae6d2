#include "Tastatur.h"

#include "Loeschen_Einfuegen.h"
#include "Ueberschlaege.h"
#include "Zeilenzugriff.h"
#include "model/Blattgeometrie.h"
#include "model/Statuszeile.h"

namespace {
void Spalte_setzen(Zustand& z, Rueckmeldung& r, int spalte) {
    z.akt_Spalte = spalte;
    r.bewegeschlitten();
    z.Anzeige_Spalte = true;
}

void Zeile_setzen(Zustand& z, Rueckmeldung& r, int zeile) {
    z.akt_Zeile = zeile;
    r.zeichne_mit_timer();
    z.Anzeige_Zeile = true;
}

void Tab(Zustand& z, Rueckmeldung& r) {
    const int w = Tabweite(z);
    Spalte_setzen(z, r,
                  z.akt_Spalte + w > z.Spalten_max ? z.Spalten_max : (z.akt_Spalte / w + 1) * w);
    if (z.akt_Spalte < z.Spalten_max) r.SoundAbspielen(2);
    if (z.akt_Spalte >= z.Spalten_max - z.Klingelabstand) r.SoundAbspielen(3);
}

// Blanks one cell of the cursor's line, as a typewriter's correction key does: nothing moves.
void Zelle_leeren(Zustand& z, Rueckmeldung& r, int spalte) {
    TBuchstabe& zelle = akt_Zeilenzellen(z)[spalte];
    if (!zelle.frei() && z.Zeichenzahl > 0) --z.Zeichenzahl;
    zelle.Zeichen = u' ';
    Ueberschlaege_freigeben(z, z.akt_Seite, z.akt_Zeile, spalte);
    r.zeichnen();
    r.buchstaben_zeichnen();
}

void Rueck(Zustand& z, Rueckmeldung& r) {
    if (z.akt_Spalte > 0) {
        Zelle_leeren(z, r, z.akt_Spalte - 1);
        z.Anzeige_Zeichen = true;
        --z.akt_Spalte;
        z.Anzeige_Spalte = true;
        r.bildzeichnen();
        r.bewegeschlitten();
    }
    Wiederholton(z, r, 8);
}

void Entf(Zustand& z, Rueckmeldung& r) {
    Zelle_leeren(z, r, z.akt_Spalte);
    if (z.akt_Spalte < z.Spalten_max) ++z.akt_Spalte;
    r.bildzeichnen();
    z.Anzeige_Spalte = true;
    z.Anzeige_Zeichen = true;
    r.bewegeschlitten();
    Wiederholton(z, r, 9);
}

void Eingabe(Zustand& z, Rueckmeldung& r) {
    if (z.akt_Zeile < z.Zeilen_max) {
        Spalte_setzen(z, r, 0);
        Zeile_setzen(z, r, z.akt_Zeile + 1);
        r.SoundAbspielen(7);
    } else {
        r.SoundAbspielen(3);
    }
}

void Links(Zustand& z, Rueckmeldung& r) {
    int ton = 0;
    if (!z.SM_Modus && z.akt_Spalte == 0 && z.akt_Zeile > 0) {
        --z.akt_Zeile;
        z.akt_Spalte = z.Spalten_max;
        r.zeichne_mit_timer();
        ton = 10;
    } else if (z.akt_Spalte > 0) {
        --z.akt_Spalte;
        ton = z.akt_Spalte == 0 ? 3 : 10;
    }
    z.Anzeige_Zeile = true;
    z.Anzeige_Spalte = true;
    r.bewegeschlitten();
    if (ton != 0) r.SoundAbspielen(ton);
}

void Rechts(Zustand& z, Rueckmeldung& r) {
    int ton = 0;
    if (!z.SM_Modus && z.akt_Spalte == z.Spalten_max && z.akt_Zeile < z.Zeilen_max) {
        ++z.akt_Zeile;
        z.akt_Spalte = 0;
        r.zeichne_mit_timer();
        ton = 10;
    } else if (z.akt_Spalte < z.Spalten_max) {
        ++z.akt_Spalte;
        ton = z.akt_Spalte == z.Spalten_max ? 3 : 10;
    }
    z.Anzeige_Zeile = true;
    z.Anzeige_Spalte = true;
    r.bewegeschlitten();
    if (ton != 0) r.SoundAbspielen(ton);
}

void Hoch(Zustand& z, Rueckmeldung& r) {
    const int war = z.akt_Zeile;
    if (war > 0) Zeile_setzen(z, r, war - 1);
    if (war == 1) r.SoundAbspielen(3);
    if (war > 0) r.SoundAbspielen(10);
}

void Runter(Zustand& z, Rueckmeldung& r) {
    const int war = z.akt_Zeile;
    if (war < z.Zeilen_max) Zeile_setzen(z, r, war + 1);
    if (war == z.Zeilen_max - 1) r.SoundAbspielen(3);
    if (war < z.Zeilen_max) r.SoundAbspielen(10);
}

// Shift and Caps Lock sound once when pressed, not on the repeats of a held key.
void Umschalttaste(Zustand& z, Rueckmeldung& r) {
    if (!z.Taste_gehalten) r.SoundAbspielen(4);
    z.Taste_gehalten = true;
}
}  // namespace

bool FormShortCut(Zustand& z, Rueckmeldung& r, Taste taste, Modifikatoren mod) {
    if (!mod.keine()) return false;
    switch (taste) {
        case Taste::Tab:
            Tab(z, r);
            break;
        case Taste::Bild_hoch:
            Zeile_setzen(z, r, 0);
            r.SoundAbspielen(3);
            break;
        case Taste::Bild_runter:
            Zeile_setzen(z, r, z.Zeilen_max);
            r.SoundAbspielen(3);
            break;
        case Taste::Ende:
            Spalte_setzen(z, r, z.Spalten_max);
            r.SoundAbspielen(3);
            break;
        case Taste::Pos1:
            Spalte_setzen(z, r, 0);
            r.SoundAbspielen(3);
            break;
        default:
            return false;
    }
    r.UpdateStatusPanel();
    return true;
}

void ShiftTabExecute(Zustand& z, Rueckmeldung& r) {
    const int w = Tabweite(z);
    const int spalte = Abschneiden(static_cast<double>(z.akt_Spalte) / w - 1.0) * w;
    z.akt_Spalte = spalte < 1 ? 0 : spalte;
    r.bewegeschlitten();
    z.Anzeige_Spalte = true;
    r.UpdateStatusPanel();
    r.SoundAbspielen(z.akt_Spalte > 0 ? 2 : 3);
}

void FormKeyDown(Zustand& z, Rueckmeldung& r, Taste taste, Modifikatoren mod) {
    if (mod.nur_Strg()) {
        switch (taste) {
            case Taste::Rueck:
                Zeichen_loeschen_Backspace(z, r);
                return;
            case Taste::Entf:
                Zeichen_loeschen(z, r);
                return;
            case Taste::Leertaste:
                Leerzeichen_einfuegen(z, r);
                return;
            // A blank line, and then the carriage returns onto the next line as for Enter.
            case Taste::Eingabe:
                Leerzeile_einfuegen(z, r);
                break;
            default:
                break;
        }
    }
    switch (taste) {
        case Taste::Rueck:
            Rueck(z, r);
            break;
        case Taste::Entf:
            Entf(z, r);
            break;
        case Taste::Eingabe:
            Eingabe(z, r);
            break;
        case Taste::Umschalt:
        case Taste::Feststell:
            Umschalttaste(z, r);
            break;
        case Taste::Escape:
            r.zeichnen();
            r.buchstaben_zeichnen();
            break;
        case Taste::Links:
            Links(z, r);
            break;
        case Taste::Rechts:
            Rechts(z, r);
            break;
        case Taste::Hoch:
            Hoch(z, r);
            break;
        case Taste::Runter:
            Runter(z, r);
            break;
        default:
            return;
    }
    r.UpdateStatusPanel();
}

void FormKeyUp(Zustand& z, Rueckmeldung& r, Taste taste, bool automatisch) {
    if (automatisch) return;
    switch (taste) {
        case Taste::Rueck:
        case Taste::Entf:
            r.SoundAbspielen(6);
            break;
        case Taste::Umschalt:
            r.SoundAbspielen(4);
            break;
        case Taste::Feststell:
            r.SoundAbspielen(5);
            break;
        default:
            break;
    }
    z.Taste_gehalten = false;
}

QString Modus_Einfuegen_ButtonClick(Zustand& z, bool unten) {
    z.Modus_Einfuegen = unten;
    return unten ? Modus_Einfuegen_Text : QString();
}
