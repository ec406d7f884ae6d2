#include "Blattmaler.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "Farben.h"
#include "model/Dokument.h"

namespace {
quint32 Schluessel(char16_t zeichen, std::uint8_t attribut, bool durchsichtig) {
    return quint32{zeichen} | (quint32{attribut} << 16) | (quint32{durchsichtig} << 24);
}

// Blends a premultiplied colour over an opaque pixel.
QRgb Mischen(QRgb quelle, QRgb ziel) {
    const unsigned a = qAlpha(quelle);
    const unsigned rest = 255 - a;
    auto kanal = [&](unsigned q, unsigned d) { return q + (d * rest + 127) / 255; };
    return qRgb(static_cast<int>(kanal(qRed(quelle), qRed(ziel))),
                static_cast<int>(kanal(qGreen(quelle), qGreen(ziel))),
                static_cast<int>(kanal(qBlue(quelle), qBlue(ziel))));
}
}  // namespace

int Blattmaler::Geraet(double logisch) const {
    return static_cast<int>(std::lround(logisch * dpr_));
}

QFont Blattmaler::Schrift(std::uint8_t attribut) const {
    QFont f(familie_);
    f.setPixelSize(std::max(1, pixelgroesse_));
    f.setBold((attribut & Attribut::Fett) != 0);
    f.setItalic((attribut & Attribut::Kursiv) != 0);
    f.setKerning(false);
    return f;
}

void Blattmaler::Kontext_setzen(const Zustand& z, qreal dpr) {
    // The column pitch in whole pixels is the font size in points (at 96 dots per inch).
    const int pixel =
        static_cast<int>(std::lround(z.Geometrie.Schriftgroesse * 96.0 / 72.0 * dpr));
    if (z.Schriftart == familie_ && pixel == pixelgroesse_ && dpr == dpr_ &&
        z.Papierfarbe == papier_ && z.Markierungsfarbe == markierung_) {
        return;
    }
    familie_ = z.Schriftart;
    pixelgroesse_ = pixel;
    dpr_ = dpr;
    papier_ = z.Papierfarbe;
    markierung_ = z.Markierungsfarbe;
    kacheln_.clear();

    int breite = 1;
    int hoehe = 1;
    for (std::uint8_t stil : {std::uint8_t{0}, Attribut::Fett, Attribut::Kursiv,
                              std::uint8_t(Attribut::Fett | Attribut::Kursiv)}) {
        const QFontMetrics fm(Schrift(stil));
        breite = std::max(breite, fm.maxWidth());
        hoehe = std::max(hoehe, fm.height());
    }
    // Ink can reach beyond its cell by far less than a whole glyph in any direction.
    rand_ = hoehe;
    wirk_breite_ = 2 * rand_ + breite;
    wirk_hoehe_ = 2 * rand_ + hoehe;
}

Blattmaler::Kachel Blattmaler::Kachel_rendern(char16_t zeichen, std::uint8_t attribut,
                                              bool durchsichtig) const {
    const QFont schrift = Schrift(attribut);
    const QFontMetrics fm(schrift);
    const QString text{QChar(zeichen)};

    QImage bild(wirk_breite_, wirk_hoehe_, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    Kachel k;
    {
        QPainter p(&bild);
        if (!durchsichtig) {
            k.kern_breite = fm.horizontalAdvance(text);
            k.kern_hoehe = fm.height();
            const Farbe grund = (attribut & Attribut::Markiert) ? markierung_ : papier_;
            p.fillRect(QRect(rand_, rand_, k.kern_breite, k.kern_hoehe), Bildschirmfarbe(grund));
        }
        p.setFont(schrift);
        p.setPen(Farbbandfarbe(attribut));
        p.drawText(QPoint(rand_, rand_ + fm.ascent()), text);
    }
    const QRect kern(rand_, rand_, k.kern_breite, k.kern_hoehe);
    k.kern.reserve(static_cast<std::size_t>(k.kern_breite * k.kern_hoehe));
    for (int y = 0; y < k.kern_hoehe; ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(rand_ + y));
        for (int x = 0; x < k.kern_breite; ++x) k.kern.push_back(zeile[rand_ + x] | 0xFF000000u);
    }
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            if (qAlpha(zeile[x]) != 0 && !kern.contains(x, y)) {
                k.rand.push_back({x - rand_, y - rand_, zeile[x]});
            }
        }
    }
    return k;
}

const Blattmaler::Kachel& Blattmaler::kachel(char16_t zeichen, std::uint8_t attribut,
                                             bool durchsichtig) {
    const quint32 schluessel = Schluessel(zeichen, attribut, durchsichtig);
    auto it = kacheln_.constFind(schluessel);
    if (it == kacheln_.constEnd()) {
        it = kacheln_.insert(schluessel, Kachel_rendern(zeichen, attribut, durchsichtig));
    }
    return *it;
}

void Blattmaler::Kachel_setzen(QImage& bild, const Kachel& k, int x, int y,
                               const QRect& ausschnitt) {
    const int x0 = std::max(x, ausschnitt.left());
    const int x1 = std::min(x + k.kern_breite, ausschnitt.right() + 1);
    if (x0 < x1) {
        const int y0 = std::max(y, ausschnitt.top());
        const int y1 = std::min(y + k.kern_hoehe, ausschnitt.bottom() + 1);
        for (int zy = y0; zy < y1; ++zy) {
            auto* ziel = reinterpret_cast<QRgb*>(bild.scanLine(zy)) + x0;
            const QRgb* quelle = k.kern.data() + (zy - y) * k.kern_breite + (x0 - x);
            std::memcpy(ziel, quelle, static_cast<std::size_t>(x1 - x0) * sizeof(QRgb));
        }
    }
    for (const Randpunkt& p : k.rand) {
        const int px = x + p.dx;
        const int py = y + p.dy;
        if (!ausschnitt.contains(px, py)) continue;
        QRgb& ziel = reinterpret_cast<QRgb*>(bild.scanLine(py))[px];
        ziel = Mischen(p.farbe, ziel);
    }
}

QRect Blattmaler::Wirkbereich(int x, int y) const {
    return QRect(x - rand_, y - rand_, wirk_breite_, wirk_hoehe_);
}

void Blattmaler::Papier_malen(QImage& bild, const Zustand& z, const QRect& ausschnitt) const {
    const Blattgeometrie& g = z.Geometrie;
    const QRect blatt = bild.rect();
    const int dicke = std::max(1, Geraet(1.0));
    QPainter p(&bild);
    p.setClipRect(ausschnitt);
    auto rahmen = [&](const QRect& r, const QColor& farbe) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), dicke), farbe);
        p.fillRect(QRect(r.left(), r.bottom() - dicke + 1, r.width(), dicke), farbe);
        p.fillRect(QRect(r.left(), r.top(), dicke, r.height()), farbe);
        p.fillRect(QRect(r.right() - dicke + 1, r.top(), dicke, r.height()), farbe);
    };
    const QColor papier = Bildschirmfarbe(z.Papierfarbe);
    const QColor randfarbe = Bildschirmfarbe(z.Randfarbe);
    const QRect logisch = Schreibbereich(g, z.Spalten_max, z.Zeilen_max);
    const QRect schreibbereich(QPoint(Geraet(logisch.left()), Geraet(logisch.top())),
                               QPoint(Geraet(logisch.right() + 1) - 1,
                                      Geraet(logisch.bottom() + 1) - 1));

    if (z.Randfarbe == z.Papierfarbe) {
        p.fillRect(blatt, papier);
        rahmen(blatt, Bildschirmfarbe(z.Blattrahmenfarbe));
    } else if (z.Rand_fuellen) {
        p.fillRect(blatt, randfarbe);
        rahmen(blatt, Bildschirmfarbe(z.Blattrahmenfarbe));
        p.fillRect(schreibbereich, papier);
    } else {
        p.fillRect(blatt, papier);
        rahmen(blatt, Bildschirmfarbe(z.Blattrahmenfarbe));
        rahmen(schreibbereich, randfarbe);
    }
}

void Blattmaler::Zellen_malen(QImage& bild, const Zustand& z, int zeile_von, int zeile_bis,
                              int spalte_von, int spalte_bis, const QRect& ausschnitt) {
    const Blattgeometrie& g = z.Geometrie;
    const int erste_feldzeile = z.Zeile_im_Feld(z.akt_Seite, 0);
    for (int zeile = zeile_von; zeile <= zeile_bis; ++zeile) {
        const TBuchstabe* zellen = z.BuchstabenFeld.Zeile(erste_feldzeile + zeile);
        const int y = Geraet(g.Zeilen_Y[zeile]);
        for (int spalte = spalte_von; spalte <= spalte_bis; ++spalte) {
            const TBuchstabe& b = zellen[spalte];
            if (b.frei()) continue;
            Kachel_setzen(bild, kachel(b.Zeichen, b.attribut, false), Geraet(g.Spalten_X[spalte]),
                          y, ausschnitt);
        }
    }
}

void Blattmaler::Ueberschlaege_malen(QImage& bild, const Zustand& z, const QRect& ausschnitt) {
    const Blattgeometrie& g = z.Geometrie;
    // Entry 0 is never filled by typing; the drawing starts at 1 as the typing does.
    for (std::size_t i = 1; i < z.XFeld.size(); ++i) {
        const XBuchstabe& x = z.XFeld[i];
        if (!Zeichenbar(z, x)) continue;
        const int px = Geraet(g.Spalten_X[static_cast<std::size_t>(x.spalte)]);
        const int py = Geraet(g.Zeilen_Y[static_cast<std::size_t>(x.Zeile)]);
        if (!Wirkbereich(px, py).intersects(ausschnitt)) continue;
        Kachel_setzen(bild, kachel(x.Zeichen, x.attribut, true), px, py, ausschnitt);
    }
}

bool Blattmaler::Zeichenbar(const Zustand& z, const XBuchstabe& x) const {
    return !x.frei() && x.seite == z.akt_Seite && x.spalte >= 0 && x.spalte <= z.Spalten_max &&
           x.Zeile >= 0 && x.Zeile <= z.Zeilen_max;
}

Blattmaler::Anlage Blattmaler::Anlage_von(const QImage& bild, const Zustand& z, qreal dpr) const {
    Anlage a;
    a.groesse = bild.size();
    a.dpr = dpr;
    a.schrift = z.Schriftart;
    a.schriftgroesse = z.Geometrie.Schriftgroesse;
    a.papier = z.Papierfarbe;
    a.rand = z.Randfarbe;
    a.rahmen = z.Blattrahmenfarbe;
    a.markierung = z.Markierungsfarbe;
    a.fuellen = z.Rand_fuellen;
    a.spalten_max = z.Spalten_max;
    a.zeilen_max = z.Zeilen_max;
    a.seite = z.akt_Seite;
    a.spalten_x = z.Geometrie.Spalten_X;
    a.zeilen_y = z.Geometrie.Zeilen_Y;
    return a;
}

bool Blattmaler::passt(const QImage& bild, const Zustand& z, qreal dpr) const {
    return stand_gueltig_ && !bild.isNull() && anlage_ == Anlage_von(bild, z, dpr);
}

void Blattmaler::zeichnen(QImage& bild, const Zustand& z, QSize blattgroesse, qreal dpr) {
    Kontext_setzen(z, dpr);
    const QSize geraet(std::max(1, Geraet(blattgroesse.width())),
                       std::max(1, Geraet(blattgroesse.height())));
    if (bild.size() != geraet || bild.format() != QImage::Format_RGB32) {
        bild = QImage(geraet, QImage::Format_RGB32);
    }
    bild.setDevicePixelRatio(dpr);
    Papier_malen(bild, z, bild.rect());
    stand_gueltig_ = true;
    anlage_ = Anlage_von(bild, z, dpr);
    zellen_.assign(static_cast<std::size_t>((z.Zeilen_max + 1) * (z.Spalten_max + 1)),
                   TBuchstabe{});
    ueberschlaege_.clear();
}

QRect Blattmaler::buchstaben_zeichnen(QImage& bild, const Zustand& z, qreal dpr, bool& markiert) {
    markiert = false;
    if (!Feld_passt(z) || bild.isNull()) return {};
    if (!passt(bild, z, dpr)) zeichnen(bild, z, bild.deviceIndependentSize().toSize(), dpr);
    Kontext_setzen(z, dpr);

    // The cells and overstrikes that differ from what the picture shows.
    std::vector<std::pair<int, int>> geaendert;
    const int spalten = z.Spalten_max + 1;
    const int erste_feldzeile = z.Zeile_im_Feld(z.akt_Seite, 0);
    for (int zeile = 0; zeile <= z.Zeilen_max; ++zeile) {
        const TBuchstabe* neu = z.BuchstabenFeld.Zeile(erste_feldzeile + zeile);
        TBuchstabe* alt = zellen_.data() + static_cast<std::ptrdiff_t>(zeile) * spalten;
        for (int spalte = 0; spalte < spalten; ++spalte) {
            const TBuchstabe& b = neu[spalte];
            markiert |= !b.frei() && (b.attribut & Attribut::Markiert);
            if (b == alt[spalte] || (b.frei() && alt[spalte].frei())) continue;
            alt[spalte] = b;
            geaendert.emplace_back(zeile, spalte);
        }
    }
    const std::size_t eintraege = std::max(z.XFeld.size(), ueberschlaege_.size());
    for (std::size_t i = 1; i < eintraege; ++i) {
        const XBuchstabe leer;
        const XBuchstabe& alt = i < ueberschlaege_.size() ? ueberschlaege_[i] : leer;
        const XBuchstabe& neu = i < z.XFeld.size() ? z.XFeld[i] : leer;
        const bool alt_sichtbar = Zeichenbar(z, alt);
        const bool neu_sichtbar = Zeichenbar(z, neu);
        if (alt_sichtbar == neu_sichtbar && (!neu_sichtbar || alt == neu)) continue;
        if (alt_sichtbar) geaendert.emplace_back(alt.Zeile, alt.spalte);
        if (neu_sichtbar) geaendert.emplace_back(neu.Zeile, neu.spalte);
    }
    ueberschlaege_ = z.XFeld;

    // Past a handful of places a drawing of the whole page is cheaper.
    if (geaendert.size() > zellen_.size() / 16) {
        Papier_malen(bild, z, bild.rect());
        Zellen_malen(bild, z, 0, z.Zeilen_max, 0, z.Spalten_max, bild.rect());
        Ueberschlaege_malen(bild, z, bild.rect());
        return bild.rect();
    }
    QRect bereich;
    for (const auto& [zeile, spalte] : geaendert) {
        bereich |= Zelle_nachziehen(bild, z, zeile, spalte);
    }
    return bereich;
}

QRect Blattmaler::Zelle_nachziehen(QImage& bild, const Zustand& z, int zeile, int spalte) {
    const Blattgeometrie& g = z.Geometrie;
    const QRect bereich = Wirkbereich(Geraet(g.Spalten_X[spalte]), Geraet(g.Zeilen_Y[zeile]))
                              .intersected(bild.rect());
    if (bereich.isEmpty()) return bereich;

    // Every cell whose influence reaches the area, in the order of a full drawing.
    auto betroffen = [&](const auto& positionen, int hoechster, int von, int bis, int ausdehnung) {
        std::pair<int, int> spanne{hoechster + 1, -1};
        for (int i = 0; i <= hoechster; ++i) {
            const int anfang = Geraet(positionen[static_cast<std::size_t>(i)]) - rand_;
            if (anfang <= bis && anfang + ausdehnung > von) {
                spanne.first = std::min(spanne.first, i);
                spanne.second = std::max(spanne.second, i);
            }
        }
        return spanne;
    };
    const auto [spalte_von, spalte_bis] =
        betroffen(g.Spalten_X, z.Spalten_max, bereich.left(), bereich.right(), wirk_breite_);
    const auto [zeile_von, zeile_bis] =
        betroffen(g.Zeilen_Y, z.Zeilen_max, bereich.top(), bereich.bottom(), wirk_hoehe_);

    Papier_malen(bild, z, bereich);
    if (spalte_von <= spalte_bis && zeile_von <= zeile_bis) {
        Zellen_malen(bild, z, zeile_von, zeile_bis, spalte_von, spalte_bis, bereich);
    }
    Ueberschlaege_malen(bild, z, bereich);
    return bereich;
}
