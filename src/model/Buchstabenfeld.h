#pragma once
// The page grid: one flat vector of cells with a fixed row length. Rows run over all pages,
// so a page is one contiguous block of rows.

#include <cassert>
#include <vector>

#include "Strukturen.h"

class TBuchstabenFeld {
public:
    // Gives the grid `zeilen` rows of `spalten` free cells each.
    void neu(int zeilen, int spalten) {
        assert(zeilen >= 0 && spalten >= 0);
        spalten_ = spalten;
        zeilen_ = zeilen;
        zellen_.assign(static_cast<std::size_t>(zeilen) * static_cast<std::size_t>(spalten),
                       TBuchstabe{});
    }

    int Zeilen() const { return zeilen_; }
    int Spalten() const { return spalten_; }

    TBuchstabe& operator()(int zeile, int spalte) { return zellen_[index(zeile, spalte)]; }
    const TBuchstabe& operator()(int zeile, int spalte) const {
        return zellen_[index(zeile, spalte)];
    }

    // First cell of a row; the row's cells follow contiguously.
    TBuchstabe* Zeile(int zeile) { return zellen_.data() + index(zeile, 0); }
    const TBuchstabe* Zeile(int zeile) const { return zellen_.data() + index(zeile, 0); }

    const std::vector<TBuchstabe>& Zellen() const { return zellen_; }

    bool operator==(const TBuchstabenFeld&) const = default;

private:
    std::size_t index(int zeile, int spalte) const {
        assert(zeile >= 0 && zeile < zeilen_ && spalte >= 0 && spalte < spalten_);
        return static_cast<std::size_t>(zeile) * static_cast<std::size_t>(spalten_) +
               static_cast<std::size_t>(spalte);
    }

    std::vector<TBuchstabe> zellen_;
    int zeilen_ = 0;
    int spalten_ = 0;
};
