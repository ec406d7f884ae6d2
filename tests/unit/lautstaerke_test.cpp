#include <gtest/gtest.h>

#include <limits>

#include "sound/logik/Lautstaerkeregler.h"

TEST(Reglerposition, RundetHalbeZurGeradenNachbarstelleUndBleibtImBereich) {
    const struct {
        double lautstaerke;
        int position;
    } faelle[] = {
        {0.0, 0},
        {1.0, 100},
        {0.37, 37},
        {0.57, 57},
        {0.125, 12},  // 12.5 goes to the even neighbour
        {0.135, 14},  // 13.5 likewise
        {0.004, 0},
        {0.996, 100},
        {-0.5, 0},
        {7.0, 100},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), 100},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Reglerposition(f.lautstaerke), f.position) << f.lautstaerke;
}

TEST(Prozenttext, GanzeProzentOhneNachkommastellen) {
    for (int p = 0; p <= 100; ++p) {
        EXPECT_EQ(Prozenttext(Lautstaerke_von(p)), QString::number(p) + u'%') << p;
    }
    EXPECT_EQ(Prozenttext(0.125), QStringLiteral("12,5%"));
    EXPECT_EQ(Lautstaerke_von(12), 0.12);
}

TEST(Speicherminuten, GanzeMinutenBisDreissigUndNullWirdFuenf) {
    const struct {
        int intervall;
        int minuten;
    } faelle[] = {
        {0, 5},        {300000, 5},
        {60000, 1},    {59999, 0},
        {90000, 1},    {1800000, 30},
        {5400000, 30}, {-90000, 0},
        {720000, 12},  {std::numeric_limits<int>::max(), 30},
    };
    for (const auto& f : faelle) EXPECT_EQ(Speicherminuten(f.intervall), f.minuten) << f.intervall;
    EXPECT_EQ(Speicherintervall_von(12), 720000);
    EXPECT_EQ(Speicherintervall_von(0), 0);
    EXPECT_EQ(Minutentext(12), QStringLiteral("12min"));
    EXPECT_EQ(Minutentext(0), QStringLiteral("0min"));
}
