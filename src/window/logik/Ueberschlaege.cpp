#include "Ueberschlaege.h"

#include <algorithm>

namespace {
bool auf_Zeile(const XBuchstabe& x, int seite, int zeile) {
    return x.seite == seite && x.Zeile == zeile;
}
bool auf_Zelle(const XBuchstabe& x, int seite, int zeile, int spalte) {
    return auf_Zeile(x, seite, zeile) && x.spalte == spalte;
}
}  // namespace

void Ueberschlag_eintragen(Zustand& z, const XBuchstabe& x) {
    if (z.XFeld.size() < 2) z.XFeld.resize(XFeld_max);
    const auto frei = std::find_if(z.XFeld.begin() + 1, z.XFeld.end(),
                                   [](const XBuchstabe& e) { return e.frei(); });
    *(frei != z.XFeld.end() ? frei : z.XFeld.end() - 1) = x;
}

void Ueberschlaege_freigeben(Zustand& z, int seite, int zeile, int spalte) {
    for (XBuchstabe& x : z.XFeld) {
        if (auf_Zelle(x, seite, zeile, spalte)) x.Zeichen = u' ';
    }
}

void Zeilenueberschlaege_freigeben(Zustand& z, int seite, int zeile) {
    for (XBuchstabe& x : z.XFeld) {
        if (auf_Zeile(x, seite, zeile)) x.Zeichen = u' ';
    }
}

void Ueberschlaege_loeschen(Zustand& z, int seite, int zeile, int spalte) {
    for (XBuchstabe& x : z.XFeld) {
        if (auf_Zelle(x, seite, zeile, spalte)) x = XBuchstabe{u' ', 0, 0, 0, 0};
    }
}

void Ueberschlaege_Spalten_verschieben(Zustand& z, int seite, int zeile, int ab_spalte,
                                       int versatz) {
    for (XBuchstabe& x : z.XFeld) {
        if (x.frei() || !auf_Zeile(x, seite, zeile) || x.spalte < ab_spalte) continue;
        x.spalte += versatz;
        if (x.spalte < 0 || x.spalte > z.Spalten_max) x.Zeichen = u' ';
    }
}

void Ueberschlaege_Zeilen_verschieben(Zustand& z, int seite, int ab_zeile, int versatz) {
    for (XBuchstabe& x : z.XFeld) {
        if (x.frei() || x.seite != seite || x.Zeile < ab_zeile) continue;
        x.Zeile += versatz;
        if (x.Zeile < 0 || x.Zeile > z.Zeilen_max) x.Zeichen = u' ';
    }
}

void Ueberschlaege_umbrechen(Zustand& z, int seite, int zeile, int ab_spalte) {
    for (XBuchstabe& x : z.XFeld) {
        if (x.frei() || !auf_Zeile(x, seite, zeile) || x.spalte < ab_spalte) continue;
        x.spalte -= ab_spalte;
        x.Zeile += 1;
    }
}
