#include <gtest/gtest.h>

#include <string>

#include "Fixtures.h"

namespace {
Zustand A4_im_Panel(int akt_Zeile = 0) {
    Zustand z = Standardzustand();
    z.akt_Zeile = akt_Zeile;
    blatt_berechnen(z, 1120, 800);
    return z;
}
}  // namespace

TEST(BlattBerechnen, StandardseiteInEinemPanelVon1120Pixeln) {
    const Zustand z = A4_im_Panel();
    const Blattgeometrie& g = z.Geometrie;
    EXPECT_EQ(g.Blatt.left(), 15);
    EXPECT_EQ(g.Blatt.width(), 1090);
    EXPECT_EQ(g.Blatt.height(), 1542);
    EXPECT_NEAR(g.Pixel_pro_mm, 5.1905, 1e-4);
    EXPECT_NEAR(g.Spaltenbreite_px, 13.409, 1e-3);
    EXPECT_NEAR(g.Zeilenhoehe_px, 20.600, 1e-3);
    EXPECT_EQ(g.Schriftgroesse, 13);
    EXPECT_EQ(g.Spalten_X[0], 130);
    EXPECT_EQ(g.Spalten_X[60], 934);
    EXPECT_EQ(g.Spalten_X[61], 0) << "positions beyond the page stay 0";
    EXPECT_EQ(g.Zeilen_Y[0], 104);
    EXPECT_EQ(g.Zeilen_Y[64], 1422);
    EXPECT_EQ(g.Zeilen_Y[65], 0);
}

TEST(BlattBerechnen, RundetHalbeZurGeradenZahl) {
    EXPECT_EQ(Runden(0.5), 0);
    EXPECT_EQ(Runden(1.5), 2);
    EXPECT_EQ(Runden(2.5), 2);
    EXPECT_EQ(Runden(-2.5), -2);
    EXPECT_EQ(Abschneiden(-2.7), -2);
    EXPECT_EQ(Abschneiden(2.7), 2);
}

TEST(BlattBerechnen, DieSchreibzeileBleibtStehenDasPapierWandert) {
    const Zustand z0 = A4_im_Panel(0);
    const Zustand z1 = A4_im_Panel(1);
    // M = 400, O = T(20 x 5.19) = 103, T(1.1 x 20.6) = 22.
    EXPECT_EQ(z0.Geometrie.Blatt.top(), 400 - 103 - 22);
    EXPECT_NEAR(z0.Geometrie.Blatt.top() - z1.Geometrie.Blatt.top(), 20.6, 1.0);
    EXPECT_EQ(z0.Geometrie.waagen, z1.Geometrie.waagen);
    EXPECT_EQ(z0.Geometrie.schlitten, z1.Geometrie.schlitten);
    // The current line sits just above the guide bar.
    const int zeile_unten = z1.Geometrie.Blatt.top() + z1.Geometrie.Zeilen_Y[1] + 20;
    EXPECT_LE(zeile_unten, z1.Geometrie.waagen.top() + 2);
}

struct Zeilenabstandsfall {
    int Zeilenabstand;
    int Blatt_oben;    // with akt_Zeile 0 in an 800-pixel panel
    int waagen_oben;   // F = 13
};

class Zeilenabstand : public ::testing::TestWithParam<Zeilenabstandsfall> {};

TEST_P(Zeilenabstand, LegtBlattUndFuehrungsschieneFest) {
    const Zeilenabstandsfall fall = GetParam();
    Zustand z = Standardzustand();
    z.Zeilenabstand = fall.Zeilenabstand;
    blatt_berechnen(z, 1120, 800);
    EXPECT_EQ(z.Geometrie.Blatt.top(), fall.Blatt_oben);
    EXPECT_EQ(z.Geometrie.waagen.top(), fall.waagen_oben);
    EXPECT_EQ(z.Geometrie.waagen.height(), 13);
    EXPECT_EQ(z.Geometrie.schlitten.top(), fall.waagen_oben);
    EXPECT_EQ(z.Geometrie.schlitten.height(), 13);
    EXPECT_EQ(z.Geometrie.schlitten.width(), 13);
}

// M = 400, O = 103, one line 20.6 px: T(22.66) = 22 with the tenth, T(20.6) = 20 without.
INSTANTIATE_TEST_SUITE_P(
    Faelle, Zeilenabstand,
    ::testing::Values(Zeilenabstandsfall{100, 275, 400 - 1}, Zeilenabstandsfall{125, 275, 400 - 6},
                      Zeilenabstandsfall{150, 275, 400 - 12},
                      Zeilenabstandsfall{200, 277, 400 - 20}),
    [](const ::testing::TestParamInfo<Zeilenabstandsfall>& fall) {
        return "Prozent" + std::to_string(fall.param.Zeilenabstand);
    });

TEST(BlattBerechnen, UnbekannterZeilenabstandLaesstBlattUndSchieneStehen) {
    Zustand z = Standardzustand();
    blatt_berechnen(z, 1120, 800);
    const QRect blatt = z.Geometrie.Blatt;
    const QRect waagen = z.Geometrie.waagen;
    z.Zeilenabstand = 175;
    z.akt_Zeile = 10;
    blatt_berechnen(z, 1120, 600);
    EXPECT_EQ(z.Geometrie.Blatt.top(), blatt.top());
    EXPECT_EQ(z.Geometrie.waagen.top(), waagen.top());
}

TEST(Bewegeschlitten, KlemmtDenCursorUndSetztDieMarke) {
    Zustand z = A4_im_Panel();
    z.akt_Spalte = 70;
    z.akt_Zeile = 80;
    bewegeschlitten(z);
    EXPECT_EQ(z.akt_Spalte, 60);
    EXPECT_EQ(z.akt_Zeile, 64);
    // T(25 x 5.1905) + 15 + T(60 x 13.409) = 129 + 15 + 804
    EXPECT_EQ(z.Geometrie.schlitten.left(), 948);
    z.akt_Spalte = 0;
    bewegeschlitten(z);
    EXPECT_EQ(z.Geometrie.schlitten.left(), 144);
}

TEST(Schreibbereich, EndetEineSpaltenbreiteHinterDemRechtenRand) {
    const Zustand z = A4_im_Panel();
    const QRect r = Schreibbereich(z.Geometrie, z.Spalten_max, z.Zeilen_max);
    EXPECT_EQ(r.left(), 130);
    EXPECT_EQ(r.top(), 104);
    EXPECT_EQ(r.right() + 1, 934 + 13);
    EXPECT_EQ(r.bottom() + 1, 1422 + 20);
}
