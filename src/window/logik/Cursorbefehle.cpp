#include "Cursorbefehle.h"

#include "Zeilenzugriff.h"

namespace {
void Sprung_beenden(Zustand& z, Rueckmeldung& r, int spalte) {
    z.akt_Spalte = spalte;
    r.SoundAbspielen(2);
    z.Anzeige_Spalte = true;
    r.UpdateStatusPanel();
    r.bewegeschlitten();
}
}  // namespace

void aWortendeExecute(Zustand& z, Rueckmeldung& r) {
    if (z.akt_Spalte <= 0) return;
    const TBuchstabe* zeile = akt_Zeilenzellen(z);
    int c = z.akt_Spalte;
    if (zeile[c - 1].frei()) {
        do --c;
        while (zeile[c].frei() && c > 0);
    } else {
        do --c;
        while (!zeile[c].frei() && c > 0);
        if (c > 0) ++c;
    }
    Sprung_beenden(z, r, c);
}

void aWortanfangExecute(Zustand& z, Rueckmeldung& r) {
    const int sm = z.Spalten_max;
    if (z.akt_Spalte >= sm) return;
    const TBuchstabe* zeile = akt_Zeilenzellen(z);
    int c = z.akt_Spalte;
    if (zeile[c + 1].frei()) {
        do ++c;
        while (zeile[c].frei() && c < sm);
    } else {
        do ++c;
        while (!zeile[c].frei() && c < sm);
        if (c < sm) --c;
    }
    Sprung_beenden(z, r, c);
}

void Zeilenanfang1Click(Zustand& z, Rueckmeldung& r) {
    z.akt_Spalte = 0;
    r.bewegeschlitten();
}

void Zeilenende1Click(Zustand& z, Rueckmeldung& r) {
    z.akt_Spalte = z.Spalten_max;
    r.bewegeschlitten();
}

void Seitenanfang1Click(Zustand& z, Rueckmeldung& r) {
    z.akt_Zeile = 1;
    z.akt_Spalte = 1;
    r.bewegeschlitten();
    r.zeichne_mit_timer();
}
