#pragma once
// Test helpers for the file formats: byte images laid out field by field from the documented
// tables (independent of the code under test), files in temporary folders.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <bit>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <vector>

// One row of a format table: a field of `groesse` bytes at `offset`, little-endian.
struct Feld {
    std::int64_t offset;
    int groesse;
    std::uint64_t wert;
};

// Writes the fields into a byte image, each at `basis` + its offset.
inline void Felder_setzen(QByteArray& bild, std::int64_t basis, const std::vector<Feld>& felder) {
    for (const Feld& f : felder) {
        for (int i = 0; i < f.groesse; ++i) {
            bild[static_cast<qsizetype>(basis + f.offset + i)] =
                static_cast<char>((f.wert >> (8 * i)) & 0xFF);
        }
    }
}

// A byte image of the given length: zeros with the fields written into it.
inline QByteArray Bild(std::int64_t laenge, const std::vector<Feld>& felder) {
    QByteArray bild(static_cast<qsizetype>(laenge), '\0');
    Felder_setzen(bild, 0, felder);
    return bild;
}

// A signed 32-bit value as the unsigned pattern a field holds.
constexpr std::uint64_t s32(std::int32_t v) {
    return static_cast<std::uint32_t>(v);
}
constexpr std::uint64_t f64(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// The standard template as the format table lays it out: 82 bytes.
inline QByteArray Standardvorlage_Bild() {
    return Bild(82,
                {{0, 4, 210},       {4, 4, 297}, {8, 4, 25},        {12, 4, 30},       {16, 4, 20},
                 {20, 4, 23},       {24, 1, 0},  {25, 4, 10},       {29, 4, 100},      {33, 4, 10},
                 {37, 4, 0xFBFBFB}, {41, 1, 1},  {42, 4, 0x808080}, {46, 4, 0xFFFFFF}, {50, 4, 10},
                 {54, 4, 1},        {58, 4, 1},  {62, 4, 0},        {66, 4, 0},        {70, 4, 1},
                 {74, 4, 64},       {78, 4, 60}});
}

inline QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

inline void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pfad.toStdString();
    ASSERT_EQ(f.write(inhalt), inhalt.size());
}

// Let GoogleTest print QStrings and optional error texts readably.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
