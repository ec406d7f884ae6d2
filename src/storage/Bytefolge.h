#pragma once
// Little-endian fields one after another, without alignment: the building blocks of the
// document, template and settings formats. Every field is put together byte by byte, so the
// files look the same whatever the machine.

#include <QByteArray>
#include <QByteArrayView>
#include <bit>
#include <cstdint>

// Appends fields to a byte array.
class Byteschreiber {
  public:
    explicit Byteschreiber(QByteArray& ziel) : ziel_(ziel) {}

    void u8(std::uint8_t wert) { ziel_.append(static_cast<char>(wert)); }
    void u16(std::uint16_t wert) {
        u8(static_cast<std::uint8_t>(wert));
        u8(static_cast<std::uint8_t>(wert >> 8));
    }
    void u32(std::uint32_t wert) {
        u16(static_cast<std::uint16_t>(wert));
        u16(static_cast<std::uint16_t>(wert >> 16));
    }
    void i32(std::int32_t wert) { u32(static_cast<std::uint32_t>(wert)); }
    void f64(double wert) {
        const auto bits = std::bit_cast<std::uint64_t>(wert);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }

  private:
    QByteArray& ziel_;
};

// Takes fields from the front of a byte sequence. A field that does not fit wholly into what is
// left is not taken, and neither is any field after it: the reader returns false and leaves the
// variable as it was.
class Byteleser {
  public:
    explicit Byteleser(QByteArrayView quelle) : quelle_(quelle) {}

    qsizetype Position() const { return pos_; }
    qsizetype Rest() const { return quelle_.size() - pos_; }

    bool u8(std::uint8_t& wert) {
        if (!vorhanden(1)) return false;
        wert = byte(0);
        pos_ += 1;
        return true;
    }
    bool u16(std::uint16_t& wert) {
        if (!vorhanden(2)) return false;
        wert = static_cast<std::uint16_t>(byte(0) | byte(1) << 8);
        pos_ += 2;
        return true;
    }
    bool u32(std::uint32_t& wert) {
        if (!vorhanden(4)) return false;
        wert = std::uint32_t{byte(0)} | std::uint32_t{byte(1)} << 8 | std::uint32_t{byte(2)} << 16 |
               std::uint32_t{byte(3)} << 24;
        pos_ += 4;
        return true;
    }
    bool i32(std::int32_t& wert) {
        std::uint32_t roh = 0;
        if (!u32(roh)) return false;
        wert = static_cast<std::int32_t>(roh);
        return true;
    }
    bool f64(double& wert) {
        if (!vorhanden(8)) return false;
        std::uint32_t unten = 0;
        std::uint32_t oben = 0;
        u32(unten);
        u32(oben);
        wert = std::bit_cast<double>(std::uint64_t{oben} << 32 | unten);
        return true;
    }

  private:
    bool vorhanden(qsizetype n) {
        if (Rest() < n) erschoepft_ = true;
        return !erschoepft_;
    }
    std::uint8_t byte(qsizetype i) const { return static_cast<std::uint8_t>(quelle_[pos_ + i]); }

    QByteArrayView quelle_;
    qsizetype pos_ = 0;
    bool erschoepft_ = false;
};
