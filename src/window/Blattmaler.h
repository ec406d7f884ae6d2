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
#include <array>
#include <vector>

#include "model/Zustand.h"

class Blattmaler {
public:
    // Makes `bild` the size of the sheet (logical size times dpr) and paints the empty paper;
    // the picture then shows an empty page.
    void zeichnen(QImage& bild, const Zustand& z, QSize blattgroesse, qreal dpr);
    // Brings the characters and overstrikes of the current page onto the picture. Only what
    // differs from the page the picture shows is redrawn, each with its surroundings; a picture
    // of another layout, page or colours is drawn afresh. Afterwards the picture equals a full
    // drawing of the page. Returns the device rectangle that changed; `markiert` tells whether
    // any character of the page is marked.
    QRect buchstaben_zeichnen(QImage& bild, const Zustand& z, qreal dpr, bool& markiert);
    // Whether the picture was drawn for the current layout, page and colours, so that bringing
    // its characters up to date is enough.
    bool passt(const QImage& bild, const Zustand& z, qreal dpr) const;

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
    // Everything besides the characters that the picture depends on.
    struct Anlage {
        QSize groesse;
        qreal dpr = 0;
        QString schrift;
        int schriftgroesse = 0;
        Farbe papier = 0, rand = 0, rahmen = 0, markierung = 0;
        bool fuellen = false;
        int spalten_max = -1, zeilen_max = -1, seite = 0;
        std::array<int, Positionen_max> spalten_x{}, zeilen_y{};
        bool operator==(const Anlage&) const = default;
    };

    Anlage Anlage_von(const QImage& bild, const Zustand& z, qreal dpr) const;
    void Kontext_setzen(const Zustand& z, qreal dpr);
    const Kachel& kachel(char16_t zeichen, std::uint8_t attribut, bool durchsichtig);
    Kachel Kachel_rendern(char16_t zeichen, std::uint8_t attribut, bool durchsichtig) const;
    void Papier_malen(QImage& bild, const Zustand& z, const QRect& ausschnitt) const;
    void Zellen_malen(QImage& bild, const Zustand& z, int zeile_von, int zeile_bis,
                      int spalte_von, int spalte_bis, const QRect& ausschnitt);
    void Ueberschlaege_malen(QImage& bild, const Zustand& z, const QRect& ausschnitt);
    QRect Zelle_nachziehen(QImage& bild, const Zustand& z, int zeile, int spalte);
    static void Kachel_setzen(QImage& bild, const Kachel& k, int x, int y, const QRect& ausschnitt);
    QRect Wirkbereich(int x, int y) const;
    int Geraet(double logisch) const;
    bool Zeichenbar(const Zustand& z, const XBuchstabe& x) const;

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

    // The page the picture shows: it equals a full drawing of these cells and overstrikes.
    bool stand_gueltig_ = false;
    Anlage anlage_;
    std::vector<TBuchstabe> zellen_;
    std::vector<XBuchstabe> ueberschlaege_;
};
