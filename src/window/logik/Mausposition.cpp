#include "Mausposition.h"

#include "model/Blattgeometrie.h"

namespace {
// The column or line under a pointer `abstand` pixels beyond the first one, with `teilung` pixels
// per step: clamped to 0 to `hoechste` before truncating. Without a layout yet it is 0.
int Spur(double abstand, double teilung, int hoechste) {
    if (!(teilung > 0.0)) return 0;
    double q = (abstand < 0.0 ? 0.0 : abstand) / teilung;
    if (q > hoechste) q = hoechste;
    return Abschneiden(q);
}
}  // namespace

void SchreibflaecheMouseDown(Zustand& z, Rueckmeldung& r, int x, int y) {
    if (z.SM_Modus) return;
    const Blattgeometrie& g = z.Geometrie;
    z.akt_Zeile = Spur(y - z.Rand_oben * g.Pixel_pro_mm, g.Zeilenhoehe_px, z.Zeilen_max);
    r.zeichne_mit_timer();
    z.akt_Spalte = Spur(x - z.Rand_links * g.Pixel_pro_mm, g.Spaltenbreite_px, z.Spalten_max);
    r.bewegeschlitten();
    z.Anzeige_Spalte = true;
    z.Anzeige_Zeile = true;
    r.UpdateStatusPanel();
    r.SoundAbspielen(10);
}

void Image1MouseDown(Zustand& z, Rueckmeldung& r, int x) {
    if (z.SM_Modus) return;
    const Blattgeometrie& g = z.Geometrie;
    // The bar spans the background panel; the sheet stands centred in it.
    const double blattrand = (g.waagen.width() - g.Blatt.width()) / 2.0;
    const int c =
        Spur(x - z.Rand_links * g.Pixel_pro_mm - blattrand, g.Spaltenbreite_px, z.Spalten_max);
    if (c == 0 || c == z.Spalten_max) r.SoundAbspielen(3);
    z.akt_Spalte = c;
    r.bewegeschlitten();
    z.Anzeige_Spalte = true;
    r.UpdateStatusPanel();
    r.SoundAbspielen(10);
}
