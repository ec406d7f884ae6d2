// The embedded sounds: every one is a well-formed 16-bit wave file of the documented length and
// channel count, audible, and the same as a fresh run of the generator makes.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "Wavdaten.h"
#include "sound/logik/Soundregeln.h"

namespace {
TEST(Sounddaten, JederKlangHatFormatLaengeUndKanaeleDerTabelle) {
    for (int n = 1; n <= Sound_Anzahl; ++n) {
        SCOPED_TRACE(n);
        const auto w = Wav_lesen(Sounddatei(n));
        ASSERT_TRUE(w.has_value());
        EXPECT_EQ(w->format, 1);
        EXPECT_EQ(w->bits, 16);
        EXPECT_EQ(w->abtastrate, 44100);
        EXPECT_EQ(w->kanaele, Sound_Daten(n).Kanaele);
        EXPECT_EQ(w->blockgroesse, 2 * w->kanaele);
        EXPECT_NEAR(w->dauer_s(), Sound_Daten(n).Dauer_s, 0.1 * Sound_Daten(n).Dauer_s);
        // Audible, yet not clipped.
        EXPECT_GT(Spitze(w->proben), 32767 / 10);
        EXPECT_LT(Spitze(w->proben), 32767);
    }
}

TEST(Sounddaten, LoslassklaengeGleichAnschlaegeVerschieden) {
    EXPECT_EQ(Sounddatei(5), Sounddatei(6));
    const auto klein = Wav_lesen(Sounddatei(1));
    const auto gross = Wav_lesen(Sounddatei(11));
    ASSERT_TRUE(klein && gross);
    EXPECT_EQ(klein->proben.size(), gross->proben.size());
    EXPECT_NE(klein->proben, gross->proben);
}

TEST(Sounddaten, GeneratorErzeugtJedesMalDieselbenDaten) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    ASSERT_EQ(QProcess::execute(QStringLiteral(TASTROLIX_SOUNDGEN), {ordner.path()}), 0);
    for (int n = 1; n <= Sound_Anzahl; ++n) {
        QFile neu(QDir(ordner.path()).filePath(QStringLiteral("%1.wav").arg(n)));
        ASSERT_TRUE(neu.open(QIODevice::ReadOnly)) << n;
        EXPECT_EQ(neu.readAll(), Sounddatei(n)) << n;
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
