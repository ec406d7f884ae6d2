#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Fixtures.h"
#include "model/Schrifttabelle.h"
#include "storage/Vorlage.h"
#include "storage_Hilfen.h"

namespace {
struct Vorlagenordner : ::testing::Test {
    QTemporaryDir tmp;
    QString Datei(const QString& name) const { return tmp.path() + u'/' + name; }
};
}  // namespace

TEST_F(Vorlagenordner, StandardvorlageHatDieDokumentiertenBytesUndSetztDenZustand) {
    Zustand z = Standardzustand();
    z.Vorlagenpfad = tmp.path();
    z.Zeilen_max = 9;
    z.Spalten_max = 19;
    z.Schriftart = QStringLiteral("Pookie");
    z.Schriftindex = 2;
    z.Bearbeitungszeit_Std = 3;
    z.BuchstabenFeld(0, 0) = {u'x', 0};
    z.XFeld[4] = {u'/', 0, 1, 1, 1};

    ASSERT_EQ(StandardVorlageErzeugen(z), std::nullopt);

    EXPECT_EQ(Lesen(Datei("A4 Standard.qxv")), Standardvorlage_Bild());
    EXPECT_EQ(Standardvorlage_Datei(z), Datei("A4 Standard.qxv"));
    // The grid is emptied at the sizes in force before the call.
    EXPECT_EQ(z.BuchstabenFeld.Zeilen(), 10);
    EXPECT_EQ(z.BuchstabenFeld.Spalten(), 20);
    EXPECT_TRUE(z.BuchstabenFeld(0, 0).frei());
    EXPECT_TRUE(z.XFeld[4].frei());
    EXPECT_EQ(z.Zeilen_max, 64);
    EXPECT_EQ(z.Spalten_max, 60);
    EXPECT_EQ(z.Rand_unten, 23);
    EXPECT_EQ(z.Bearbeitungszeit_Std, 0);
    EXPECT_EQ(z.Schriftindex, 0);
    EXPECT_EQ(z.Schriftart, "Pookie") << "only the index is set";
}

TEST_F(Vorlagenordner, StandardvorlageOhneVorlagenordnerSchreibtNirgendwohin) {
    Zustand z = Standardzustand();
    z.Zeilen_max = 9;
    const auto fehler = StandardVorlageErzeugen(z);
    ASSERT_TRUE(fehler);
    EXPECT_TRUE(fehler->startsWith("Datei \"A4 Standard.qxv\" kann nicht erstellt werden. "));
    EXPECT_EQ(z.Zeilen_max, 9);
}

TEST_F(Vorlagenordner, SpeichernUndLadenGebenAlle22WerteZurueckMitBearbeitungszeitNull) {
    Zustand z = Standardzustand();
    z.Blattbreite_mm = 297;
    z.Blatthoehe_mm = 420;
    z.Rand_links = 6;
    z.Rand_rechts = 7;
    z.Rand_oben = 8;
    z.Rand_unten = 9;
    z.Schriftart = QString::fromUtf8("Dislexiæ");
    z.Zeichendichte = 12;
    z.Zeilenabstand = 150;
    z.Tabulatorweite = 8;
    z.Randfarbe = RGB(1, 2, 3);
    z.Rand_fuellen = false;
    z.Blattrahmenfarbe = Systemfarbe(28);
    z.Papierfarbe = RGB(250, 240, 230);
    z.Klingelabstand = 5;
    z.akt_Zeile = 11;
    z.akt_Spalte = 12;
    z.Bearbeitungszeit_Min = 42;
    z.Bearbeitungszeit_Std = 7;
    z.Seitenanzahl = 1;
    z.Zeilen_max = 126;
    z.Spalten_max = 133;

    ASSERT_EQ(Vorlage_Speichern(z, Datei("Brief.qxv")), std::nullopt);
    EXPECT_EQ(z.Schriftindex, 3);
    EXPECT_EQ(z.Bearbeitungszeit_Min, 0);
    EXPECT_EQ(z.Bearbeitungszeit_Std, 0);
    const QByteArray bytes = Lesen(Datei("Brief.qxv"));
    ASSERT_EQ(bytes.size(), 82);
    EXPECT_EQ(bytes.mid(37, 4), QByteArray("\x01\x02\x03\x00", 4));
    EXPECT_EQ(bytes.mid(42, 4), QByteArray("\x1c\x00\x00\xff", 4));

    Zustand g = Standardzustand();
    g.Bearbeitungszeit_Min = 5;
    ASSERT_EQ(Vorlage_Laden(g, Datei("Brief.qxv")), std::nullopt);
    EXPECT_EQ(g.Blattbreite_mm, 297);
    EXPECT_EQ(g.Blatthoehe_mm, 420);
    EXPECT_EQ(g.Rand_links, 6);
    EXPECT_EQ(g.Rand_rechts, 7);
    EXPECT_EQ(g.Rand_oben, 8);
    EXPECT_EQ(g.Rand_unten, 9);
    EXPECT_EQ(g.Schriftindex, 3);
    EXPECT_EQ(g.Schriftart, QString::fromUtf8("Dislexiæ"));
    EXPECT_EQ(g.Zeichendichte, 12);
    EXPECT_EQ(g.Zeilenabstand, 150);
    EXPECT_EQ(g.Tabulatorweite, 8);
    EXPECT_EQ(g.Randfarbe, RGB(1, 2, 3));
    EXPECT_FALSE(g.Rand_fuellen);
    EXPECT_EQ(g.Blattrahmenfarbe, Systemfarbe(28));
    EXPECT_EQ(g.Papierfarbe, RGB(250, 240, 230));
    EXPECT_EQ(g.Klingelabstand, 5);
    EXPECT_EQ(g.akt_Zeile, 11);
    EXPECT_EQ(g.akt_Spalte, 12);
    EXPECT_EQ(g.Bearbeitungszeit_Min, 0);
    EXPECT_EQ(g.Bearbeitungszeit_Std, 0);
    EXPECT_EQ(g.Seitenanzahl, 1);
    EXPECT_EQ(g.Zeilen_max, 126);
    EXPECT_EQ(g.Spalten_max, 133);
    EXPECT_EQ(g.BuchstabenFeld.Zeilen(), 65) << "a template leaves the grid alone";
}

TEST(Schrifttabelle, JederNameFuehrtZuSeinemIndexUndZurueck) {
    const char* namen[] = {"Courier New",   "Erika Ormig",     "Pookie",
                           "Dislexi\u00e6", "GF Halda Normal", "GF Halda Smashed"};
    for (std::uint8_t i = 0; i < 6; ++i) {
        const QString name = QString::fromUtf8(namen[i]);
        EXPECT_EQ(Get_Schriftindex(name), i) << namen[i];
        EXPECT_EQ(Schriftart_von(i), name);
    }
    EXPECT_EQ(Schriftart_von(3).at(7), QChar(0x00E6));
}

TEST_F(Vorlagenordner, EinSchriftindexAusserhalbDerTabelleLaesstDieSchriftartLeer) {
    QByteArray bild = Standardvorlage_Bild();
    Felder_setzen(bild, 0, {{24, 1, 6}});
    Schreiben(Datei("x.qxv"), bild);
    Zustand z = Standardzustand();
    z.Schriftart = QStringLiteral("Courier New");
    ASSERT_EQ(Vorlage_Laden(z, Datei("x.qxv")), std::nullopt);
    EXPECT_EQ(z.Schriftindex, 6);
    EXPECT_TRUE(z.Schriftart.isEmpty());
}

// A short template sets the fields it holds whole; a field cut off, and every field after it,
// keeps its value.
TEST_F(Vorlagenordner, EineKurzeVorlageSetztNurIhreGanzenFelder) {
    struct Fall {
        int laenge;
        int blattbreite, schriftindex, zeichendichte, zeilenabstand;
        bool rand_fuellen;
        int spalten_max;
    };
    // Before loading: width 210, index 0, density 10, spacing 100, margins not filled, 60 columns.
    const Fall faelle[] = {
        {0, 210, 0, 10, 100, false, 60},  {3, 210, 0, 10, 100, false, 60},
        {4, 297, 0, 10, 100, false, 60},  {25, 297, 5, 10, 100, false, 60},
        {27, 297, 5, 10, 100, false, 60}, {29, 297, 5, 12, 100, false, 60},
        {33, 297, 5, 12, 125, false, 60}, {42, 297, 5, 12, 125, true, 60},
        {81, 297, 5, 12, 125, true, 60},  {82, 297, 5, 12, 125, true, 99},
    };
    const QByteArray voll = Bild(82, {{0, 4, 297},
                                      {4, 4, 420},
                                      {8, 4, 10},
                                      {12, 4, 10},
                                      {16, 4, 10},
                                      {20, 4, 10},
                                      {24, 1, 5},
                                      {25, 4, 12},
                                      {29, 4, 125},
                                      {33, 4, 10},
                                      {41, 1, 1},
                                      {50, 4, 10},
                                      {70, 4, 1},
                                      {74, 4, 64},
                                      {78, 4, 99}});
    for (const Fall& f : faelle) {
        Schreiben(Datei("kurz.qxv"), voll.first(f.laenge));
        Zustand z = Standardzustand();
        z.Rand_fuellen = false;
        ASSERT_EQ(Vorlage_Laden(z, Datei("kurz.qxv")), std::nullopt) << f.laenge;
        EXPECT_EQ(z.Blattbreite_mm, f.blattbreite) << f.laenge;
        EXPECT_EQ(z.Schriftindex, f.schriftindex) << f.laenge;
        EXPECT_EQ(z.Zeichendichte, f.zeichendichte) << f.laenge;
        EXPECT_EQ(z.Zeilenabstand, f.zeilenabstand) << f.laenge;
        EXPECT_EQ(z.Rand_fuellen, f.rand_fuellen) << f.laenge;
        EXPECT_EQ(z.Spalten_max, f.spalten_max) << f.laenge;
    }
}

// A template whose values the typewriter could not work with is refused, naming the file, and
// nothing of it is taken.
TEST_F(Vorlagenordner, EineUnbrauchbareVorlageWirdAbgelehntUndDerZustandBleibt) {
    struct Fall {
        const char* was;
        std::vector<Feld> felder;
        const char* grund;
    };
    const char* raster = "Die Zeilen- oder Spaltenzahl liegt außerhalb von 1 bis 300.";
    const char* position = "Die Seitenzahl oder die Schreibposition ist ungültig.";
    const char* seite = "Die Seiteneinrichtung ist ungültig.";
    const Fall faelle[] = {
        {"keine Zeilen", {{74, 4, 0}}, raster},
        {"301 Spalten", {{78, 4, 301}}, raster},
        {"negative Spalten", {{78, 4, s32(-1)}}, raster},
        {"keine Seite", {{70, 4, 0}}, position},
        {"Zeile hinter der Seite", {{54, 4, 65}}, position},
        {"Spalte vor der Seite", {{58, 4, s32(-1)}}, position},
        {"Blatt ohne Breite", {{0, 4, 0}}, seite},
        {"Raender breiter als das Blatt", {{8, 4, 105}, {12, 4, 105}}, seite},
        {"negativer Rand", {{16, 4, s32(-5)}}, seite},
        {"riesiger Rand", {{20, 4, s32(INT32_MAX)}}, seite},
        {"Tabulatorweite 0", {{33, 4, 0}}, seite},
        {"Zeilenabstand 0", {{29, 4, 0}}, seite},
        {"Klingelabstand negativ", {{50, 4, s32(INT32_MIN)}}, seite},
        {"60 Minuten", {{62, 4, 60}}, seite},
    };
    for (const Fall& f : faelle) {
        QByteArray bild = Standardvorlage_Bild();
        Felder_setzen(bild, 0, f.felder);
        Schreiben(Datei("kaputt.qxv"), bild);
        Zustand z = Standardzustand();
        z.Blattbreite_mm = 111;
        z.Schriftart = QStringLiteral("Pookie");
        const auto fehler = Vorlage_Laden(z, Datei("kaputt.qxv"));
        EXPECT_EQ(fehler, QString::fromUtf8("Datei %1 kann nicht geöffnet werden. %2")
                              .arg(Datei("kaputt.qxv"), QString::fromUtf8(f.grund)))
            << f.was;
        EXPECT_EQ(z.Blattbreite_mm, 111) << f.was;
        EXPECT_EQ(z.Schriftart, "Pookie") << f.was;
        EXPECT_EQ(z.Zeilen_max, 64) << f.was;
    }
}

TEST_F(Vorlagenordner, EineVorlageMitZweiSeitenWirdGelesen) {
    QByteArray bild = Standardvorlage_Bild();
    Felder_setzen(bild, 0, {{70, 4, 2}});
    Schreiben(Datei("zwei.qxv"), bild);
    Zustand z = Standardzustand();
    ASSERT_EQ(Vorlage_Laden(z, Datei("zwei.qxv")), std::nullopt);
    EXPECT_EQ(z.Seitenanzahl, 2);
}

TEST_F(Vorlagenordner, DateifehlerNennenPfadUndGrundUndAendernNichts) {
    Zustand z = Standardzustand();
    z.Bearbeitungszeit_Min = 17;
    z.Schriftart = QStringLiteral("Pookie");
    z.Schriftindex = 0;

    const QString fehlt = Datei("gibt es nicht/Brief.qxv");
    const auto beim_schreiben = Vorlage_Speichern(z, fehlt);
    ASSERT_TRUE(beim_schreiben);
    EXPECT_TRUE(beim_schreiben->startsWith("Datei \"" + fehlt + "\" kann nicht erstellt werden. "))
        << beim_schreiben->toStdString();
    EXPECT_GT(beim_schreiben->size(),
              QString("Datei \"" + fehlt + "\" kann nicht erstellt werden. ").size())
        << "the system's reason follows";
    EXPECT_EQ(z.Bearbeitungszeit_Min, 17) << "a failed save resets nothing";
    EXPECT_EQ(z.Schriftindex, 0);

    const auto beim_lesen = Vorlage_Laden(z, Datei("fehlt.qxv"));
    ASSERT_TRUE(beim_lesen);
    EXPECT_TRUE(beim_lesen->startsWith(
        QString::fromUtf8("Datei %1 kann nicht geöffnet werden. ").arg(Datei("fehlt.qxv"))));
    EXPECT_EQ(z.Bearbeitungszeit_Min, 17);
}
