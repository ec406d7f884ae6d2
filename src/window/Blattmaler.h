#pragma once
// Paints the sheet picture: paper, the characters of the current page and the overstrikes.
//
// Characters are drawn from a cache of pre-rendered glyph tiles: a tile holds the opaque cell
// (background and glyph) as whole rows that are copied into the picture, plus the few pixels of
// ink that reach outside the cell, which are blended. A full page is thus a few thousand row
// copies, and redrawing the surroundings of one cell replays exactly the operations a full
// drawing performs there, so the picture after a keystroke equals that of a full drawing.
// All coordinates here are device pixels of the picture.

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <vector>

#include "model/Zustand.h"

class Blattmaler {
public:
    // Makes `bild` the size of the sheet (logical size times dpr) and paints the empty paper.
    void zeichnen(QImage& bild, const Zustand& z, QSize blattgroesse, qreal dpr);
    // Draws every character of the current page over what is there; returns whether any drawn
    // character is marked.
    bool buchstaben_zeichnen(QImage& bild, const Zustand& z, qreal dpr);
    // Redraws paper, characters and overstrikes around one cell of the current page (line within
    // the page, column) and returns the device rectangle it changed.
    QRect zelle_zeichnen(QImage& bild, const Zustand& z, int zeile, int spalte, qreal dpr);

    // The font the characters of an attribute are drawn in (device pixel size).
    QFont Schrift(std::uint8_t attribut) const;

private:
    struct Randpunkt {
        int dx;
        int dy;
        QRgb farbe;  // premultiplied
    };
    struct Kachel {
        int kern_breite = 0;  // the opaque cell, from the tile origin
        int kern_hoehe = 0;
        std::vector<QRgb> kern;
        std::vector<Randpunkt> rand;  // ink outside the cell, relative to the tile origin
    };

    void Kontext_setzen(const Zustand& z, qreal dpr);
    const Kachel& kachel(char16_t zeichen, std::uint8_t attribut, bool durchsichtig);
    Kachel Kachel_rendern(char16_t zeichen, std::uint8_t attribut, bool durchsichtig) const;
    void Papier_malen(QImage& bild, const Zustand& z, const QRect& ausschnitt) const;
    bool Zellen_malen(QImage& bild, const Zustand& z, int zeile_von, int zeile_bis,
                      int spalte_von, int spalte_bis, const QRect& ausschnitt);
    void Ueberschlaege_malen(QImage& bild, const Zustand& z, const QRect& ausschnitt);
    static void Kachel_setzen(QImage& bild, const Kachel& k, int x, int y, const QRect& ausschnitt);
    QRect Wirkbereich(int x, int y) const;
    int Geraet(double logisch) const;

    // What the cached tiles depend on.
    QString familie_;
    int pixelgroesse_ = 0;
    qreal dpr_ = 0;
    Farbe papier_ = 0;
    Farbe markierung_ = 0;
    // Tile origin inside its square of influence, and that square's size.
    int rand_ = 0;
    int wirk_breite_ = 0;
    int wirk_hoehe_ = 0;
    QHash<quint32, Kachel> kacheln_;
};
