#pragma once
// Reads the embedded sound files for the tests, independently of the player's decoder.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

struct Wavdaten {
    int format = 0;  // 1 = PCM
    int kanaele = 0;
    int abtastrate = 0;
    int bits = 0;
    int blockgroesse = 0;
    std::vector<std::int16_t> proben;  // interleaved

    double dauer_s() const { return static_cast<double>(proben.size()) / kanaele / abtastrate; }
};

inline QByteArray Sounddatei(int n) {
    QFile datei(QStringLiteral(":/sounds/%1.wav").arg(n));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Parses a RIFF/WAVE file with 16-bit samples; nullopt when it is not one.
inline std::optional<Wavdaten> Wav_lesen(const QByteArray& b) {
    const auto u16 = [&](qsizetype i) {
        return static_cast<int>(static_cast<std::uint8_t>(b[i]) |
                                (static_cast<std::uint8_t>(b[i + 1]) << 8));
    };
    const auto u32 = [&](qsizetype i) {
        return static_cast<qsizetype>(static_cast<std::uint32_t>(u16(i)) |
                                      (static_cast<std::uint32_t>(u16(i + 2)) << 16));
    };
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return std::nullopt;
    Wavdaten w;
    bool fmt_gesehen = false;
    for (qsizetype i = 12; i + 8 <= b.size();) {
        const QByteArray id = b.mid(i, 4);
        const qsizetype laenge = u32(i + 4);
        const qsizetype inhalt = i + 8;
        if (inhalt + laenge > b.size()) return std::nullopt;
        if (id == "fmt " && laenge >= 16) {
            w.format = u16(inhalt);
            w.kanaele = u16(inhalt + 2);
            w.abtastrate = static_cast<int>(u32(inhalt + 4));
            w.blockgroesse = u16(inhalt + 12);
            w.bits = u16(inhalt + 14);
            fmt_gesehen = true;
        } else if (id == "data" && fmt_gesehen && w.bits == 16) {
            for (qsizetype k = 0; k + 1 < laenge; k += 2) {
                w.proben.push_back(static_cast<std::int16_t>(u16(inhalt + k)));
            }
            return w;
        }
        i = inhalt + laenge + (laenge & 1);
    }
    return std::nullopt;
}

inline int Spitze(const std::vector<std::int16_t>& proben) {
    int s = 0;
    for (std::int16_t p : proben) s = std::max(s, std::abs(static_cast<int>(p)));
    return s;
}
