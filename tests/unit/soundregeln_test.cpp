#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Fixtures.h"
#include "sound/logik/Soundregeln.h"

namespace {
struct Soundrecorder : Soundausgabe {
    std::vector<std::pair<int, std::uint16_t>> gespielt;
    void abspielen(int n, std::uint16_t stufe) override { gespielt.emplace_back(n, stufe); }
};
}  // namespace

TEST(SoundAbspielen, SpieltJedenSoundMitDerLautstaerkeSeinerGruppe) {
    Zustand z;
    z.Lautstaerke1 = 0.1;
    z.Lautstaerke2 = 0.2;
    z.Lautstaerke3 = 0.3;
    z.Lautstaerke4 = 0.4;
    const int gruppe[15] = {0, 1, 1, 4, 3, 3, 3, 3, 3, 3, 3, 2, 4, 4, 4};
    const double lautstaerke[5] = {0, 0.1, 0.2, 0.3, 0.4};
    for (int n = 1; n <= 14; ++n) {
        Soundrecorder r;
        SoundAbspielen(z, r, n);
        ASSERT_EQ(r.gespielt.size(), 1u) << n;
        EXPECT_EQ(r.gespielt[0].first, n);
        EXPECT_EQ(r.gespielt[0].second, Lautstaerke_Stufe(lautstaerke[gruppe[n]])) << n;
    }
}

TEST(SoundAbspielen, UnbekannteNummernUndAbgeschalteterTonSpielenNichts) {
    Zustand z;
    Soundrecorder r;
    SoundAbspielen(z, r, 0);
    SoundAbspielen(z, r, 15);
    SoundAbspielen(z, r, 255);
    EXPECT_TRUE(r.gespielt.empty());
    z.Sound_an = false;
    for (int n = 1; n <= 14; ++n) SoundAbspielen(z, r, n);
    for (int k = 1; k <= 4; ++k) SoundTesten(z, r, k);
    EXPECT_TRUE(r.gespielt.empty());
}

TEST(LautstaerkeStufe, RundetHalbeZurGeradenStufe) {
    EXPECT_EQ(Lautstaerke_Stufe(0.0), 0);
    EXPECT_EQ(Lautstaerke_Stufe(0.5), 32768) << "32767.5 goes to the even neighbour";
    EXPECT_EQ(Lautstaerke_Stufe(1.0), 65535);
    EXPECT_EQ(Lautstaerke_Stufe(0.25), 16384) << "16383.75";
}

TEST(SoundTesten, JedeGruppeHatIhrenTestton) {
    Zustand z;
    z.Lautstaerke3 = 0.0;
    z.Lautstaerke4 = 1.0;
    Soundrecorder r;
    for (int k = 0; k <= 5; ++k) SoundTesten(z, r, k);
    ASSERT_EQ(r.gespielt.size(), 4u);
    EXPECT_EQ(r.gespielt[0].first, 1);
    EXPECT_EQ(r.gespielt[1].first, 11);
    EXPECT_EQ(r.gespielt[2], (std::pair<int, std::uint16_t>{13, 65535}))
        << "the group 3 test plays sound 13 at the group 4 volume";
    EXPECT_EQ(r.gespielt[3].first, 3);
}

TEST(Soundtabelle, LaengenUndKanaele) {
    EXPECT_EQ(Sound_Daten(12).Kanaele, 1);
    for (int n = 1; n <= 14; ++n) {
        if (n != 12) {
            EXPECT_EQ(Sound_Daten(n).Kanaele, 2) << n;
        }
    }
    EXPECT_DOUBLE_EQ(Sound_Daten(5).Dauer_s, Sound_Daten(6).Dauer_s);
    EXPECT_DOUBLE_EQ(Sound_Daten(1).Dauer_s, Sound_Daten(11).Dauer_s);
}
