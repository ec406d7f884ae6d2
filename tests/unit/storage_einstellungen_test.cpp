#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <limits>

#include "storage/Einstellungen.h"
#include "storage_Hilfen.h"

namespace {
struct Einstellungsordner : ::testing::Test {
    QTemporaryDir tmp;
    QString Datei(const QString& name) const { return tmp.path() + u'/' + name; }
};

// The values of the format table's last column, laid out as the table says: 57 bytes.
QByteArray Vorgaben_Bild() {
    return Bild(57, {{0, 4, 15},
                     {4, 4, 50},
                     {8, 1, 1},
                     {9, 1, 1},
                     {10, 1, 0},
                     {11, 8, f64(1.0)},
                     {19, 8, f64(1.0)},
                     {27, 8, f64(1.0)},
                     {35, 8, f64(1.0)},
                     {43, 8, f64(1.0)},
                     {51, 4, 300000},
                     {55, 1, 1},
                     {56, 1, 0}});
}

// Settings other than the defaults in every field.
QByteArray Eigenes_Bild() {
    return Bild(57, {{0, 4, 20},
                     {4, 4, 77},
                     {8, 1, 0},
                     {9, 1, 0},
                     {10, 1, 1},
                     {11, 8, f64(0.37)},
                     {19, 8, f64(0.1)},
                     {27, 8, f64(0.2)},
                     {35, 8, f64(0.0)},
                     {43, 8, f64(0.5)},
                     {51, 4, 12 * 60000},
                     {55, 1, 0},
                     {56, 1, 3}});
}
}  // namespace

TEST_F(Einstellungsordner, OhneDateiGeschriebenHabenDieEinstellungenDieDokumentiertenBytes) {
    const Zustand z;
    ASSERT_EQ(Einstellungen_speichern(z, Datei("Einstellungen.ini")), std::nullopt);
    EXPECT_EQ(Lesen(Datei("Einstellungen.ini")), Vorgaben_Bild());
}

TEST_F(Einstellungsordner, AlleDreizehnWerteKommenZurueckUndDieReserveWirdWeitergegeben) {
    Schreiben(Datei("Einstellungen.ini"), Eigenes_Bild());
    Zustand z;
    ASSERT_EQ(Einstellungen_laden(z, Datei("Einstellungen.ini")), std::nullopt);
    EXPECT_EQ(z.Blatt_Abstand, 20);
    EXPECT_EQ(z.Einstellung_Reserve, 77);
    EXPECT_FALSE(z.Sound_an);
    EXPECT_FALSE(z.Tastenwiederholungston);
    EXPECT_TRUE(z.SM_Modus);
    EXPECT_EQ(z.Lautstaerke, 0.37);
    EXPECT_EQ(z.Lautstaerke1, 0.1);
    EXPECT_EQ(z.Lautstaerke2, 0.2);
    EXPECT_EQ(z.Lautstaerke3, 0.0);
    EXPECT_EQ(z.Lautstaerke4, 0.5);
    EXPECT_EQ(z.Speicherintervall, 12 * 60000);
    EXPECT_FALSE(z.AutoZeilenUmbruch);
    EXPECT_EQ(z.Register_Index, 3);

    ASSERT_EQ(Einstellungen_speichern(z, Datei("wieder.ini")), std::nullopt);
    EXPECT_EQ(Lesen(Datei("wieder.ini")), Eigenes_Bild());
}

TEST_F(Einstellungsordner, EineKurzeDateiLaesstDieUebrigenFelderBeiIhrenWerten) {
    struct Fall {
        int laenge;
        int reserve;
        bool sm_modus;
        double lautstaerke1;
        int intervall;
        std::uint8_t register_index;
    };
    const Fall faelle[] = {
        {0, 50, false, 1.0, 300000, 0}, {7, 50, false, 1.0, 300000, 0},
        {8, 77, false, 1.0, 300000, 0}, {11, 77, true, 1.0, 300000, 0},
        {26, 77, true, 1.0, 300000, 0}, {27, 77, true, 0.1, 300000, 0},
        {55, 77, true, 0.1, 720000, 0}, {56, 77, true, 0.1, 720000, 0},
        {57, 77, true, 0.1, 720000, 3},
    };
    for (const Fall& f : faelle) {
        Schreiben(Datei("kurz.ini"), Eigenes_Bild().first(f.laenge));
        Zustand z;
        ASSERT_EQ(Einstellungen_laden(z, Datei("kurz.ini")), std::nullopt) << f.laenge;
        EXPECT_EQ(z.Einstellung_Reserve, f.reserve) << f.laenge;
        EXPECT_EQ(z.SM_Modus, f.sm_modus) << f.laenge;
        EXPECT_EQ(z.Lautstaerke1, f.lautstaerke1) << f.laenge;
        EXPECT_EQ(z.Speicherintervall, f.intervall) << f.laenge;
        EXPECT_EQ(z.Register_Index, f.register_index) << f.laenge;
    }
}

TEST_F(Einstellungsordner, UnbrauchbareEinstellungenWerdenAbgelehntUndNichtsWirdUebernommen) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double unendlich = std::numeric_limits<double>::infinity();
    const struct {
        const char* was;
        Feld feld;
    } faelle[] = {
        {"Lautstaerke NaN", {11, 8, f64(nan)}},
        {"Lautstaerke unendlich", {19, 8, f64(unendlich)}},
        {"Lautstaerke ueber 100 %", {27, 8, f64(1.5)}},
        {"Lautstaerke negativ", {43, 8, f64(-0.1)}},
        {"Intervall negativ", {51, 4, s32(-60000)}},
        {"Blattabstand negativ", {0, 4, s32(-1)}},
        {"Blattabstand riesig", {0, 4, s32(INT32_MAX)}},
        {"Registerseite 4", {56, 1, 4}},
    };
    for (const auto& f : faelle) {
        QByteArray bild = Eigenes_Bild();
        Felder_setzen(bild, 0, {f.feld});
        Schreiben(Datei("kaputt.ini"), bild);
        Zustand z;
        const auto fehler = Einstellungen_laden(z, Datei("kaputt.ini"));
        EXPECT_EQ(fehler, QString::fromUtf8("Datei %1 kann nicht geöffnet werden. Die Datei "
                                            "enthält ungültige Einstellungen.")
                              .arg(Datei("kaputt.ini")))
            << f.was;
        EXPECT_EQ(z.Einstellung_Reserve, 50) << f.was;
        EXPECT_TRUE(z.Sound_an) << f.was;
    }
}

TEST_F(Einstellungsordner, DieBaumpositionIstEineZeileMitCrLf) {
    Zustand z;
    const QString datei = Datei("Position.ini");
    ASSERT_EQ(Save_Treeposition(z, datei, QString::fromUtf8("Meine Dokumente/Brief an Jörg")),
              std::nullopt);
    EXPECT_EQ(Lesen(datei), QByteArray("Meine Dokumente/Brief an J\xc3\xb6rg\r\n"));
    EXPECT_EQ(z.Treeposition, QString::fromUtf8("Meine Dokumente/Brief an Jörg"));

    Zustand g;
    ASSERT_EQ(Read_Treeposition(g, datei), std::nullopt);
    EXPECT_EQ(g.Treeposition, QString::fromUtf8("Meine Dokumente/Brief an Jörg"));
}

TEST_F(Einstellungsordner, OhneAuswahlBleibtDieAlteBaumpositionStehen) {
    const QString datei = Datei("Position.ini");
    Schreiben(datei, "Alt\r\n");
    Zustand z;
    z.Treeposition = QStringLiteral("bisher");
    ASSERT_EQ(Save_Treeposition(z, datei, std::nullopt), std::nullopt);
    EXPECT_EQ(Lesen(datei), "Alt\r\n");
    EXPECT_EQ(z.Treeposition, "bisher");
}

TEST_F(Einstellungsordner, DieBaumpositionIstDieErsteZeileWieSieAuchEndet) {
    const struct {
        QByteArray inhalt;
        const char* erwartet;
    } faelle[] = {
        {"", ""},
        {"\r\n", ""},
        {"Brief", "Brief"},
        {"Brief\n2\n", "Brief"},
        {"Brief\r2", "Brief"},
        {"Brief\r\nNotiz\r\n", "Brief"},
    };
    for (const auto& f : faelle) {
        Schreiben(Datei("Position.ini"), f.inhalt);
        Zustand z;
        z.Treeposition = QStringLiteral("vorher");
        ASSERT_EQ(Read_Treeposition(z, Datei("Position.ini")), std::nullopt);
        EXPECT_EQ(z.Treeposition, f.erwartet) << f.inhalt.toStdString();
    }
}
