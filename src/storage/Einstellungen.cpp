#include "Einstellungen.h"

#include <cmath>

#include "Bytefolge.h"

namespace {
constexpr int Einstellungen_Bytes_Anzahl = 57;
// The assistant's pages: start, new document, settings, documents.
constexpr int Registerseiten = 4;
// An inset wider than this leaves no sheet in any window.
constexpr int Blatt_Abstand_max = 1000;
// The display text of one tree entry; more than this is no tree position.
constexpr qint64 Treeposition_Bytes_max = 64 * 1024;

struct Einstellungswerte {
    int Blatt_Abstand;
    int Einstellung_Reserve;
    bool Sound_an;
    bool Tastenwiederholungston;
    bool SM_Modus;
    double Lautstaerke;
    double Lautstaerke1;
    double Lautstaerke2;
    double Lautstaerke3;
    double Lautstaerke4;
    int Speicherintervall;
    bool AutoZeilenUmbruch;
    std::uint8_t Register_Index;
};

// Calls `feld` for every stored setting in file order, on the same-named member of each object.
template <class F, class... W>
void Einstellungsfelder(F&& feld, W&... w) {
    feld(w.Blatt_Abstand...);
    feld(w.Einstellung_Reserve...);
    feld(w.Sound_an...);
    feld(w.Tastenwiederholungston...);
    feld(w.SM_Modus...);
    feld(w.Lautstaerke...);
    feld(w.Lautstaerke1...);
    feld(w.Lautstaerke2...);
    feld(w.Lautstaerke3...);
    feld(w.Lautstaerke4...);
    feld(w.Speicherintervall...);
    feld(w.AutoZeilenUmbruch...);
    feld(w.Register_Index...);
}

const auto kopieren = [](auto& ziel, const auto& quelle) { ziel = quelle; };

bool Lautstaerke_ok(double v) {
    return std::isfinite(v) && v >= 0.0 && v <= 1.0;
}

std::optional<QString> pruefen(const Einstellungswerte& e) {
    const bool ok = e.Blatt_Abstand >= 0 && e.Blatt_Abstand <= Blatt_Abstand_max &&
                    Lautstaerke_ok(e.Lautstaerke) && Lautstaerke_ok(e.Lautstaerke1) &&
                    Lautstaerke_ok(e.Lautstaerke2) && Lautstaerke_ok(e.Lautstaerke3) &&
                    Lautstaerke_ok(e.Lautstaerke4) && e.Speicherintervall >= 0 &&
                    e.Register_Index < Registerseiten;
    if (ok) return std::nullopt;
    return QString::fromUtf8("Die Datei enthält ungültige Einstellungen.");
}
}  // namespace

QByteArray Einstellungen_Bytes(const Zustand& z) {
    QByteArray bytes;
    bytes.reserve(Einstellungen_Bytes_Anzahl);
    Byteschreiber s(bytes);
    Einstellungsfelder(
        [&s](const auto& wert) {
            using T = std::decay_t<decltype(wert)>;
            if constexpr (std::is_same_v<T, bool>) {
                s.u8(wert ? 1 : 0);
            } else if constexpr (std::is_same_v<T, std::uint8_t>) {
                s.u8(wert);
            } else if constexpr (std::is_same_v<T, double>) {
                s.f64(wert);
            } else {
                static_assert(std::is_same_v<T, int>);
                s.i32(wert);
            }
        },
        z);
    return bytes;
}

std::optional<QString> Einstellungen_uebernehmen(Zustand& z, QByteArrayView bytes) {
    Einstellungswerte e;
    Einstellungsfelder(kopieren, e, z);
    Byteleser l(bytes);
    Einstellungsfelder(
        [&l](auto& wert) {
            using T = std::decay_t<decltype(wert)>;
            if constexpr (std::is_same_v<T, bool>) {
                std::uint8_t b = 0;
                if (l.u8(b)) wert = b != 0;
            } else if constexpr (std::is_same_v<T, std::uint8_t>) {
                l.u8(wert);
            } else if constexpr (std::is_same_v<T, double>) {
                l.f64(wert);
            } else {
                static_assert(std::is_same_v<T, int>);
                l.i32(wert);
            }
        },
        e);
    if (auto grund = pruefen(e)) return grund;
    Einstellungsfelder(kopieren, z, e);
    return std::nullopt;
}

Dateifehler Einstellungen_speichern(const Zustand& z, const QString& datei) {
    return Datei_schreiben(datei, Einstellungen_Bytes(z));
}

Dateifehler Einstellungen_laden(Zustand& z, const QString& datei) {
    QByteArray bytes;
    if (Dateifehler f = Datei_lesen(datei, bytes, Einstellungen_Bytes_Anzahl)) return f;
    if (auto grund = Einstellungen_uebernehmen(z, bytes)) return Fehler_Oeffnen(datei, *grund);
    return std::nullopt;
}

Dateifehler Save_Treeposition(Zustand& z, const QString& datei,
                              const std::optional<QString>& ausgewaehlt) {
    if (!ausgewaehlt) return std::nullopt;
    if (Dateifehler f = Datei_schreiben(datei, ausgewaehlt->toLocal8Bit() + "\r\n")) return f;
    z.Treeposition = *ausgewaehlt;
    return std::nullopt;
}

Dateifehler Read_Treeposition(Zustand& z, const QString& datei) {
    QByteArray bytes;
    if (Dateifehler f = Datei_lesen(datei, bytes, Treeposition_Bytes_max)) return f;
    // A line ends at CR LF, at LF or at CR alone.
    qsizetype ende = 0;
    while (ende < bytes.size() && bytes[ende] != '\r' && bytes[ende] != '\n') ++ende;
    z.Treeposition = QString::fromLocal8Bit(bytes.first(ende));
    return std::nullopt;
}
