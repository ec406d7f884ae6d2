#include "Seitenwerte.h"

#include "Bytefolge.h"

namespace {
// Limits that keep every sum and product of the sheet geometry and the editing commands well
// inside int; no real paper or typewriter comes near them.
constexpr int Blattmass_max = 10000;  // mm
constexpr int Teilung_max = 1000;     // characters per inch, line spacing in percent
constexpr int Bearbeitungsstunden_max = 1000000;

bool zwischen(int wert, int von, int bis) {
    return wert >= von && wert <= bis;
}
}  // namespace

Seitenwerte Seitenwerte_von(const Zustand& z, Seitenformat format) {
    Seitenwerte w;
    Seitenfelder(
        format, [](auto& ziel, const auto& quelle) { ziel = quelle; }, w, z);
    return w;
}

void Seitenwerte_setzen(Zustand& z, const Seitenwerte& w, Seitenformat format) {
    Seitenfelder(
        format, [](auto& ziel, const auto& quelle) { ziel = quelle; }, z, w);
}

std::optional<QString> Seitenwerte_pruefen(const Seitenwerte& w, Seitenformat format) {
    const int grenze = Positionen_max - 1;
    if (!zwischen(w.Zeilen_max, 1, grenze) || !zwischen(w.Spalten_max, 1, grenze)) {
        return QString::fromUtf8("Die Zeilen- oder Spaltenzahl liegt außerhalb von 1 bis 300.");
    }
    // A template stores no current page; its page count only divides the capacity it shows.
    const bool seite_ok =
        format == Seitenformat::Vorlage || zwischen(w.akt_Seite, 1, w.Seitenanzahl);
    if (w.Seitenanzahl < 1 || !seite_ok || !zwischen(w.akt_Zeile, 0, w.Zeilen_max) ||
        !zwischen(w.akt_Spalte, 0, w.Spalten_max)) {
        return QString::fromUtf8("Die Seitenzahl oder die Schreibposition ist ungültig.");
    }
    const bool masse_ok =
        zwischen(w.Blattbreite_mm, 1, Blattmass_max) &&
        zwischen(w.Blatthoehe_mm, 1, Blattmass_max) && zwischen(w.Rand_links, 0, Blattmass_max) &&
        zwischen(w.Rand_rechts, 0, Blattmass_max) && zwischen(w.Rand_oben, 0, Blattmass_max) &&
        zwischen(w.Rand_unten, 0, Blattmass_max);
    // The margins leave a writing area: the geometry divides its width and height.
    const bool blatt_ok = masse_ok && w.Rand_links + w.Rand_rechts < w.Blattbreite_mm &&
                          w.Rand_oben + w.Rand_unten < w.Blatthoehe_mm;
    const bool schrift_ok =
        zwischen(w.Zeichendichte, 1, Teilung_max) && zwischen(w.Zeilenabstand, 1, Teilung_max) &&
        zwischen(w.Tabulatorweite, 1, grenze) && zwischen(w.Klingelabstand, 0, grenze);
    const bool zeit_ok = zwischen(w.Bearbeitungszeit_Min, 0, 59) &&
                         zwischen(w.Bearbeitungszeit_Std, 0, Bearbeitungsstunden_max);
    if (!blatt_ok || !schrift_ok || !zeit_ok) {
        return QString::fromUtf8("Die Seiteneinrichtung ist ungültig.");
    }
    return std::nullopt;
}

namespace {
// One stored field of each kind: int32, a colour as int32, a byte, a flag as a byte.
struct Feldschreiber {
    Byteschreiber& s;
    void operator()(int wert) const { s.i32(wert); }
    void operator()(Farbe wert) const { s.u32(wert); }
    void operator()(std::uint8_t wert) const { s.u8(wert); }
    void operator()(bool wert) const { s.u8(wert ? 1 : 0); }
};

struct Feldleser {
    Byteleser& l;
    void operator()(int& wert) const { l.i32(wert); }
    void operator()(Farbe& wert) const { l.u32(wert); }
    void operator()(std::uint8_t& wert) const { l.u8(wert); }
    void operator()(bool& wert) const {
        std::uint8_t b = 0;
        if (l.u8(b)) wert = b != 0;
    }
};
}  // namespace

void Seitenwerte_schreiben(Byteschreiber& s, const Seitenwerte& w, Seitenformat format) {
    Seitenfelder(format, Feldschreiber{s}, w);
}

void Seitenwerte_lesen(Byteleser& l, Seitenwerte& w, Seitenformat format) {
    Seitenfelder(format, Feldleser{l}, w);
}
