#include "Dokumentdatei.h"

#include <QFile>
#include <limits>

#include "Bytefolge.h"
#include "Seitenwerte.h"
#include "model/Schrifttabelle.h"

namespace {
constexpr Seitenformat Format = Seitenformat::Dokument;
constexpr int Kopf_Bytes = 12;
constexpr int Zelle_Bytes = 4;
constexpr int Ueberschlag_Bytes = 16;

struct Kopf {
    std::int32_t zeilen = 0;
    std::int32_t spalten = 0;
    std::int32_t ueberschlaege = 0;
};

// Checks the header against the file's length, before anything is allocated for it.
std::optional<QString> Kopf_pruefen(QByteArrayView bytes, std::int64_t laenge, Kopf& k) {
    Byteleser l(bytes);
    if (laenge < Kopf_Bytes || !l.i32(k.zeilen) || !l.i32(k.spalten) || !l.i32(k.ueberschlaege)) {
        return QString::fromUtf8("Die Datei ist kürzer als der Dateikopf.");
    }
    if (k.zeilen < 0 || k.spalten < 0 || k.ueberschlaege < 0) {
        return QString::fromUtf8("Die Größenangaben im Dateikopf sind ungültig.");
    }
    const std::int64_t raster_ende =
        Dokument_Laenge(k.zeilen, k.spalten, 0) - Seitenwerte_Bytes(Format);
    const std::int64_t liste_ende =
        Dokument_Laenge(k.zeilen, k.spalten, k.ueberschlaege) - Seitenwerte_Bytes(Format);
    const std::int64_t soll = Dokument_Laenge(k.zeilen, k.spalten, k.ueberschlaege);
    if (laenge < raster_ende) return QString::fromUtf8("Die Datei endet mitten im Zeichenraster.");
    if (laenge < liste_ende) {
        return QString::fromUtf8(
            "Die Datei endet mitten in der Liste der überschriebenen Zeichen.");
    }
    if (laenge < soll) return QString::fromUtf8("Die Datei endet mitten in den Seitenangaben.");
    if (laenge > soll) return QString::fromUtf8("Die Datei ist länger, als ihr Dateikopf angibt.");
    return std::nullopt;
}

char16_t Zeichen_bei(const unsigned char* p) {
    return static_cast<char16_t>(p[0] | p[1] << 8);
}

std::int32_t Zahl_bei(const unsigned char* p) {
    return static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                                     std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24);
}

void Zeichen_setzen(unsigned char* p, char16_t zeichen) {
    p[0] = static_cast<unsigned char>(zeichen);
    p[1] = static_cast<unsigned char>(zeichen >> 8);
}

void Zahl_setzen(unsigned char* p, std::int32_t zahl) {
    const auto u = static_cast<std::uint32_t>(zahl);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(u >> (8 * i));
}
}  // namespace

std::int64_t Dokument_Laenge(std::int64_t zeilen, std::int64_t spalten,
                             std::int64_t ueberschlaege) {
    // Counts read from a file may be anything up to 2^31 - 1; a grid too large to add the rest
    // to gives the largest length, which no file has.
    constexpr std::int64_t gross = std::numeric_limits<std::int64_t>::max();
    if (zeilen < 0 || spalten < 0 || ueberschlaege < 0) return gross;
    if (spalten != 0 && zeilen > gross / 2 / Zelle_Bytes / spalten) return gross;
    return Kopf_Bytes + Zelle_Bytes * zeilen * spalten + Ueberschlag_Bytes * ueberschlaege +
           Seitenwerte_Bytes(Format);
}

QByteArray Dokument_Bytes(const Zustand& z) {
    const TBuchstabenFeld& feld = z.BuchstabenFeld;
    const int zeilen = feld.Zeilen();
    const int spalten = feld.Spalten();
    const auto ueberschlaege = static_cast<std::int32_t>(z.XFeld.size());

    // Grid and list are the bulk of a file: written straight into the finished size.
    QByteArray bytes(static_cast<qsizetype>(Dokument_Laenge(zeilen, spalten, ueberschlaege) -
                                            Seitenwerte_Bytes(Format)),
                     Qt::Uninitialized);
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    Zahl_setzen(p, zeilen);
    Zahl_setzen(p + 4, spalten);
    Zahl_setzen(p + 8, ueberschlaege);
    p += Kopf_Bytes;
    for (int r = 0; r < zeilen; ++r) {
        const TBuchstabe* zeile = feld.Zeile(r);
        for (int c = 0; c < spalten; ++c, p += Zelle_Bytes) {
            Zeichen_setzen(p, zeile[c].Zeichen);
            p[2] = zeile[c].attribut;
            p[3] = 0;
        }
    }
    for (const XBuchstabe& x : z.XFeld) {
        Zeichen_setzen(p, x.Zeichen);
        p[2] = x.attribut;
        p[3] = 0;
        Zahl_setzen(p + 4, x.spalte);
        Zahl_setzen(p + 8, x.Zeile);
        Zahl_setzen(p + 12, x.seite);
        p += Ueberschlag_Bytes;
    }
    Byteschreiber s(bytes);
    Seitenwerte_schreiben(s, Seitenwerte_von(z, Format), Format);
    return bytes;
}

std::optional<QString> Dokument_uebernehmen(Zustand& z, QByteArrayView bytes) {
    Kopf k;
    if (auto grund = Kopf_pruefen(bytes, bytes.size(), k)) return grund;

    // The page setup at the end says what the grid must look like; check it before the grid.
    const std::int64_t anhang = bytes.size() - Seitenwerte_Bytes(Format);
    Seitenwerte w = Seitenwerte_von(z, Format);
    Byteleser l(bytes.sliced(anhang));
    Seitenwerte_lesen(l, w, Format);
    if (auto grund = Seitenwerte_pruefen(w, Format)) return grund;
    if (k.zeilen != std::int64_t{w.Seitenanzahl} * (w.Zeilen_max + 1) ||
        k.spalten != w.Spalten_max + 1) {
        return QString::fromUtf8(
            "Das Zeichenraster passt nicht zu Seitenzahl, Zeilen- und Spaltenzahl der Datei.");
    }

    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + Kopf_Bytes;
    TBuchstabenFeld feld;
    feld.neu(k.zeilen, k.spalten);
    for (int r = 0; r < k.zeilen; ++r) {
        TBuchstabe* zeile = feld.Zeile(r);
        for (int c = 0; c < k.spalten; ++c, p += Zelle_Bytes) {
            zeile[c] = {Zeichen_bei(p), p[2]};
        }
    }
    std::vector<XBuchstabe> xfeld(static_cast<std::size_t>(k.ueberschlaege));
    for (XBuchstabe& x : xfeld) {
        x = {Zeichen_bei(p), p[2], Zahl_bei(p + 4), Zahl_bei(p + 8), Zahl_bei(p + 12)};
        p += Ueberschlag_Bytes;
    }

    z.BuchstabenFeld = std::move(feld);
    z.XFeld = std::move(xfeld);
    Seitenwerte_setzen(z, w, Format);
    z.Schriftart = Schriftart_von(z.Schriftindex);
    return std::nullopt;
}

Dateifehler Speichern(Zustand& z, const QString& datei) {
    const std::uint8_t index = Get_Schriftindex(z.Schriftart);
    const std::uint8_t bisher = z.Schriftindex;
    z.Schriftindex = index;
    const QByteArray bytes = Dokument_Bytes(z);
    if (Dateifehler f = Datei_schreiben(datei, bytes)) {
        z.Schriftindex = bisher;
        return f;
    }
    return std::nullopt;
}

Dateifehler Laden(Zustand& z, const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return Fehler_Oeffnen(datei, f.errorString());
    }
    const std::int64_t laenge = f.size();
    QByteArray bytes = f.read(Kopf_Bytes);
    Kopf k;
    if (auto grund = Kopf_pruefen(bytes, laenge, k)) return Fehler_Oeffnen(datei, *grund);
    // The length now agrees with the counts: reading the rest allocates only what is real.
    std::int64_t gelesen = bytes.size();
    bytes.resize(static_cast<qsizetype>(laenge));
    while (gelesen < laenge) {
        const qint64 n = f.read(bytes.data() + gelesen, laenge - gelesen);
        if (n < 0) return Fehler_Oeffnen(datei, f.errorString());
        if (n == 0) break;  // the file became shorter meanwhile: the check below refuses it
        gelesen += n;
    }
    bytes.truncate(static_cast<qsizetype>(gelesen));
    if (auto grund = Dokument_uebernehmen(z, bytes)) return Fehler_Oeffnen(datei, *grund);
    return std::nullopt;
}
