#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <functional>

#include "Fixtures.h"
#include "storage/Dokumentdatei.h"
#include "storage_Hilfen.h"

namespace {
constexpr int Kopf = 12;

// A one-page standard document with a few cells, overstrikes, colours and the cursor set.
Zustand Briefzustand() {
    Zustand z = Standardzustand();
    Schreibe(z, 0, 0, "H");
    z.BuchstabenFeld(3, 5) = {u'\u00e4', blau | Attribut::Fett};
    z.BuchstabenFeld(64, 60) = {u'\u20ac', Orange | Attribut::Kursiv | Attribut::Markiert};
    z.BuchstabenFeld(10, 10) = {u' ', rot};  // a coloured blank stays as it is
    z.XFeld[1] = {u'/', rot, 5, 3, 1};
    z.XFeld[499] = {u'_', 0, 60, 64, 1};
    z.Schriftart = QStringLiteral("Pookie");
    z.Randfarbe = RGB(1, 2, 3);
    z.Rand_fuellen = false;
    z.Blattrahmenfarbe = Systemfarbe(28);
    z.Papierfarbe = RGB(0xCC, 0xDD, 0xEE);
    z.akt_Zeile = 3;
    z.akt_Spalte = 6;
    z.Bearbeitungszeit_Std = 2;
    z.Bearbeitungszeit_Min = 35;
    return z;
}

// The same document laid out by the format tables: header, 65 × 61 cells, 500 entries, trailer.
QByteArray Briefbild() {
    const std::int64_t T = Kopf + 65 * 61 * 4 + 500 * 16;
    QByteArray b = Bild(T + 86, {{0, 4, 65}, {4, 4, 61}, {8, 4, 500}});
    for (int i = 0; i < 65 * 61; ++i) Felder_setzen(b, Kopf + 4 * i, {{0, 2, 0x20}});
    const auto zelle = [](int zeile, int spalte) { return Kopf + 4 * (zeile * 61 + spalte); };
    Felder_setzen(b, zelle(0, 0), {{0, 2, 'H'}});
    Felder_setzen(b, zelle(3, 5), {{0, 2, 0x00E4}, {2, 1, 1 | 8}});
    Felder_setzen(b, zelle(64, 60), {{0, 2, 0x20AC}, {2, 1, 7 | 16 | 32}});
    Felder_setzen(b, zelle(10, 10), {{2, 1, 2}});
    const std::int64_t X = Kopf + 65 * 61 * 4;
    for (int i = 0; i < 500; ++i) Felder_setzen(b, X + 16 * i, {{0, 2, 0x20}});
    Felder_setzen(b, X + 16 * 1, {{0, 2, '/'}, {2, 1, 2}, {4, 4, 5}, {8, 4, 3}, {12, 4, 1}});
    Felder_setzen(b, X + 16 * 499, {{0, 2, '_'}, {4, 4, 60}, {8, 4, 64}, {12, 4, 1}});
    Felder_setzen(
        b, T, {{0, 4, 210},       {4, 4, 297}, {8, 4, 25},          {12, 4, 30},       {16, 4, 20},
               {20, 4, 23},       {24, 1, 2},  {25, 4, 10},         {29, 4, 100},      {33, 4, 10},
               {37, 4, 0x030201}, {41, 1, 0},  {42, 4, 0xFF00001C}, {46, 4, 0xEEDDCC}, {50, 4, 10},
               {54, 4, 3},        {58, 4, 6},  {62, 4, 1},          {66, 4, 35},       {70, 4, 2},
               {74, 4, 1},        {78, 4, 64}, {82, 4, 60}});
    return b;
}

struct Dokumentordner : ::testing::Test {
    QTemporaryDir tmp;
    QString Datei(const QString& name) const { return tmp.path() + u'/' + name; }
};

// Saves with the process allowed to write files of 20000 bytes at most, in a child process of a
// death test: the kernel kills it at the limit (SIGXFSZ) or, with that signal ignored, the write
// fails. Ends the process with 0 when the failure was reported.
void Speichern_mit_Groessengrenze(Zustand& z, const QString& ziel) {
    const rlimit grenze{20000, 20000};
    setrlimit(RLIMIT_FSIZE, &grenze);
    const auto fehler = Speichern(z, ziel);
    const bool gemeldet =
        fehler && fehler->startsWith("Datei \"" + ziel + "\" kann nicht erstellt werden. ");
    std::_Exit(gemeldet ? 0 : 1);
}

// Everything a document load could change, to see that a refused file changed nothing.
QByteArray Fingerabdruck(const Zustand& z) {
    return Dokument_Bytes(z) + z.Schriftart.toUtf8();
}
}  // namespace

TEST_F(Dokumentordner, EineSeiteHatDieDokumentiertenBytes) {
    Zustand z = Briefzustand();
    ASSERT_EQ(Speichern(z, Datei("Brief.qxt")), std::nullopt);
    const QByteArray bytes = Lesen(Datei("Brief.qxt"));
    EXPECT_EQ(bytes.size(), 23958);
    EXPECT_EQ(bytes, Briefbild());
    EXPECT_EQ(z.Schriftindex, 2) << "the index of Schriftart is taken on saving";
}

TEST_F(Dokumentordner, DreiSeitenHaben55678BytesUndDieZeilenLaufenUeberAlleSeiten) {
    Zustand z = Standardzustand();
    z.Seitenanzahl = 3;
    z.BuchstabenFeld.neu(195, 61);
    z.BuchstabenFeld(z.Zeile_im_Feld(3, 10), 7) = {u'Q', 0};
    ASSERT_EQ(Speichern(z, Datei("drei.qxt")), std::nullopt);
    const QByteArray bytes = Lesen(Datei("drei.qxt"));
    ASSERT_EQ(bytes.size(), 55678);
    EXPECT_EQ(bytes.first(4), QByteArray("\xc3\x00\x00\x00", 4));  // R = 195
    EXPECT_EQ(bytes.at(Kopf + 4 * (140 * 61 + 7)), 'Q');
    EXPECT_EQ(bytes.mid(55678 - 86 + 74, 4), QByteArray("\x03\x00\x00\x00", 4));
}

TEST_F(Dokumentordner, LadenGibtJedeZelleJedenUeberschlagUndAlle23WerteZurueck) {
    Zustand z = Briefzustand();
    z.Seitenanzahl = 2;
    z.BuchstabenFeld.neu(130, 61);
    Schreibe(z, 129, 50, "Ende");
    z.XFeld.resize(7);
    z.XFeld[6] = {u'x', 3, 1, 2, 2};
    z.Blattbreite_mm = 297;
    z.Blatthoehe_mm = 420;
    z.Rand_links = 6;
    z.Rand_rechts = 7;
    z.Rand_oben = 8;
    z.Rand_unten = 9;
    z.Schriftart = QStringLiteral("GF Halda Smashed");
    z.Zeichendichte = 12;
    z.Zeilenabstand = 200;
    z.Tabulatorweite = 4;
    z.Klingelabstand = 3;
    z.akt_Zeile = 64;
    z.akt_Spalte = 60;
    z.akt_Seite = 2;
    z.Bearbeitungszeit_Min = 59;
    z.Bearbeitungszeit_Std = 1234;
    ASSERT_EQ(Speichern(z, Datei("a.qxt")), std::nullopt);

    Zustand g = Standardzustand();
    ASSERT_EQ(Laden(g, Datei("a.qxt")), std::nullopt);
    EXPECT_EQ(g.BuchstabenFeld, z.BuchstabenFeld);
    EXPECT_EQ(g.XFeld, z.XFeld);
    EXPECT_EQ(g.Blattbreite_mm, 297);
    EXPECT_EQ(g.Blatthoehe_mm, 420);
    EXPECT_EQ(g.Rand_links, 6);
    EXPECT_EQ(g.Rand_rechts, 7);
    EXPECT_EQ(g.Rand_oben, 8);
    EXPECT_EQ(g.Rand_unten, 9);
    EXPECT_EQ(g.Schriftindex, 5);
    EXPECT_EQ(g.Schriftart, "GF Halda Smashed");
    EXPECT_EQ(g.Zeichendichte, 12);
    EXPECT_EQ(g.Zeilenabstand, 200);
    EXPECT_EQ(g.Tabulatorweite, 4);
    EXPECT_EQ(g.Randfarbe, RGB(1, 2, 3));
    EXPECT_FALSE(g.Rand_fuellen);
    EXPECT_EQ(g.Blattrahmenfarbe, Systemfarbe(28));
    EXPECT_EQ(g.Papierfarbe, RGB(0xCC, 0xDD, 0xEE));
    EXPECT_EQ(g.Klingelabstand, 3);
    EXPECT_EQ(g.akt_Zeile, 64);
    EXPECT_EQ(g.akt_Spalte, 60);
    EXPECT_EQ(g.akt_Seite, 2);
    EXPECT_EQ(g.Bearbeitungszeit_Min, 59);
    EXPECT_EQ(g.Bearbeitungszeit_Std, 1234);
    EXPECT_EQ(g.Seitenanzahl, 2);
    EXPECT_EQ(g.Zeilen_max, 64);
    EXPECT_EQ(g.Spalten_max, 60);
}

TEST_F(Dokumentordner, EinDokumentAndererGroesseKommtMitSeinerGroesse) {
    Zustand klein = Standardzustand();
    klein.Zeilen_max = 2;
    klein.Spalten_max = 3;
    BuchstabenFeld_neu(klein);
    klein.XFeld.clear();  // a file may bring no overstrike entries at all
    Schreibe(klein, 2, 0, "abcd");
    ASSERT_EQ(Speichern(klein, Datei("klein.qxt")), std::nullopt);
    EXPECT_EQ(Lesen(Datei("klein.qxt")).size(), 12 + 3 * 4 * 4 + 86);

    Zustand z = Briefzustand();
    ASSERT_EQ(Laden(z, Datei("klein.qxt")), std::nullopt);
    EXPECT_EQ(z.BuchstabenFeld.Zeilen(), 3);
    EXPECT_EQ(z.BuchstabenFeld.Spalten(), 4);
    EXPECT_EQ(z.BuchstabenFeld(2, 3).Zeichen, u'd');
    EXPECT_TRUE(z.XFeld.empty());
    EXPECT_EQ(z.Zeilen_max, 2);
}

TEST_F(Dokumentordner, EinSchriftindexAusserhalbDerTabelleLaesstDieSchriftartLeer) {
    Zustand z = Briefzustand();
    z.Schriftart = QStringLiteral("Arial");  // not in the table: stored as index 6
    ASSERT_EQ(Speichern(z, Datei("a.qxt")), std::nullopt);
    EXPECT_EQ(z.Schriftindex, 6);
    Zustand g = Briefzustand();
    ASSERT_EQ(Laden(g, Datei("a.qxt")), std::nullopt);
    EXPECT_EQ(g.Schriftindex, 6);
    EXPECT_TRUE(g.Schriftart.isEmpty());
}

// Every file that would leave the program inconsistent is refused with its reason, and the open
// document stays exactly as it was.
TEST_F(Dokumentordner, FeindlicheDateienWerdenAbgelehntUndDasDokumentBleibt) {
    const std::int64_t T = 23958 - 86;
    const auto gepatcht = [](std::vector<Feld> felder) {
        return [felder] {
            QByteArray b = Briefbild();
            Felder_setzen(b, 0, felder);
            return b;
        };
    };
    const auto gekuerzt = [](qsizetype laenge) {
        return [laenge] { return Briefbild().first(laenge); };
    };
    // A state the program should never have, written as it is.
    const auto aus_zustand = [](std::function<void(Zustand&)> aendern) {
        return [aendern] {
            Zustand z = Briefzustand();
            aendern(z);
            return Dokument_Bytes(z);
        };
    };
    struct Fall {
        const char* was;
        std::function<QByteArray()> bytes;
        const char* grund;
    };
    const char* kurz = "Die Datei ist kürzer als der Dateikopf.";
    const char* zaehler = "Die Größenangaben im Dateikopf sind ungültig.";
    const char* im_raster = "Die Datei endet mitten im Zeichenraster.";
    const char* in_liste = "Die Datei endet mitten in der Liste der überschriebenen Zeichen.";
    const char* im_anhang = "Die Datei endet mitten in den Seitenangaben.";
    const char* passt_nicht =
        "Das Zeichenraster passt nicht zu Seitenzahl, Zeilen- und Spaltenzahl der Datei.";
    const char* grenzen = "Die Zeilen- oder Spaltenzahl liegt außerhalb von 1 bis 300.";
    const char* position = "Die Seitenzahl oder die Schreibposition ist ungültig.";
    const char* seite = "Die Seiteneinrichtung ist ungültig.";
    const Fall faelle[] = {
        {"leer", gekuerzt(0), kurz},
        {"halber Kopf", gekuerzt(11), kurz},
        {"negative Zeilen", gepatcht({{0, 4, s32(-1)}}), zaehler},
        {"negative Spalten", gepatcht({{4, 4, s32(-61)}}), zaehler},
        {"negative Ueberschlaege", gepatcht({{8, 4, s32(INT32_MIN)}}), zaehler},
        {"riesiges Raster", gepatcht({{0, 4, INT32_MAX}, {4, 4, INT32_MAX}}), im_raster},
        {"riesige Liste", gepatcht({{8, 4, INT32_MAX}}), in_liste},
        {"nur der Kopf", gekuerzt(Kopf), im_raster},
        {"Ende im Raster", gekuerzt(Kopf + 4 * 65 * 61 - 1), im_raster},
        {"Ende in der Liste", gekuerzt(T - 3), in_liste},
        {"Ende im Anhang", gekuerzt(23958 - 1), im_anhang},
        {"ein Byte zu viel", [] { return Briefbild() + 'x'; },
         "Die Datei ist länger, als ihr Dateikopf angibt."},
        {"Raster mit zwei Seiten, Anhang mit einer",
         aus_zustand([](Zustand& z) { z.BuchstabenFeld.neu(130, 61); }), passt_nicht},
        {"Zeilen ungleich der Seitenzahl", gepatcht({{T + 74, 4, 2}}), passt_nicht},
        {"Spalten ungleich dem Raster", gepatcht({{T + 82, 4, 59}}), passt_nicht},
        {"Zeilen_max 0", aus_zustand([](Zustand& z) {
             z.Zeilen_max = 0;
             z.BuchstabenFeld.neu(1, 61);
         }),
         grenzen},
        {"Spalten_max 301", aus_zustand([](Zustand& z) {
             z.Spalten_max = 301;
             z.BuchstabenFeld.neu(65, 302);
         }),
         grenzen},
        {"Seitenanzahl 0", aus_zustand([](Zustand& z) {
             z.Seitenanzahl = 0;
             z.BuchstabenFeld.neu(0, 61);
         }),
         position},
        {"aktuelle Seite 0", gepatcht({{T + 62, 4, 0}}), position},
        {"aktuelle Seite hinter dem Ende", gepatcht({{T + 62, 4, 2}}), position},
        {"Zeile hinter der Seite", gepatcht({{T + 54, 4, 65}}), position},
        {"negative Spalte", gepatcht({{T + 58, 4, s32(-1)}}), position},
        {"Spalte hinter der Zeile", gepatcht({{T + 58, 4, 61}}), position},
        {"Blatt ohne Hoehe", gepatcht({{T + 4, 4, 0}}), seite},
        {"Raender hoeher als das Blatt", gepatcht({{T + 16, 4, 200}, {T + 20, 4, 97}}), seite},
        {"Tabulatorweite 0", gepatcht({{T + 33, 4, 0}}), seite},
        {"negative Stunden", gepatcht({{T + 70, 4, s32(-1)}}), seite},
    };
    for (const Fall& f : faelle) {
        Schreiben(Datei("kaputt.qxt"), f.bytes());
        Zustand z = Standardzustand();
        Schreibe(z, 5, 5, "Vorher");
        z.Schriftart = QStringLiteral("Courier New");
        const QByteArray vorher = Fingerabdruck(z);
        const auto fehler = Laden(z, Datei("kaputt.qxt"));
        EXPECT_EQ(fehler, QString::fromUtf8("Datei %1 kann nicht geöffnet werden. %2")
                              .arg(Datei("kaputt.qxt"), QString::fromUtf8(f.grund)))
            << f.was;
        EXPECT_EQ(Fingerabdruck(z), vorher) << f.was;
    }
}

TEST_F(Dokumentordner, EineFehlendeDateiNenntPfadUndGrund) {
    Zustand z = Briefzustand();
    const QByteArray vorher = Fingerabdruck(z);
    const auto fehler = Laden(z, Datei("fehlt.qxt"));
    ASSERT_TRUE(fehler);
    const QString anfang =
        QString::fromUtf8("Datei %1 kann nicht geöffnet werden. ").arg(Datei("fehlt.qxt"));
    EXPECT_TRUE(fehler->startsWith(anfang)) << fehler->toStdString();
    EXPECT_GT(fehler->size(), anfang.size());
    EXPECT_EQ(Fingerabdruck(z), vorher);
}

TEST_F(Dokumentordner, EinFehlgeschlagenesSpeichernWirdGemeldetUndAendertNichts) {
    Zustand z = Briefzustand();
    z.Schriftindex = 0;
    const QString ziel = Datei("kein Ordner/Brief.qxt");
    const auto fehler = Speichern(z, ziel);
    ASSERT_TRUE(fehler);
    EXPECT_TRUE(fehler->startsWith("Datei \"" + ziel + "\" kann nicht erstellt werden. "));
    EXPECT_EQ(z.Schriftindex, 0);
}

// The process dies in the middle of writing (its file-size limit kills it): the file that was
// there before is still whole, and no temporary file has taken its name.
TEST_F(Dokumentordner, EinAbsturzBeimSpeichernLaesstDieAlteDateiGanz) {
    Zustand alt = Briefzustand();
    const QString ziel = Datei("Brief.qxt");
    ASSERT_EQ(Speichern(alt, ziel), std::nullopt);
    const QByteArray vorher = Lesen(ziel);

    Zustand neu = Standardzustand();
    neu.Seitenanzahl = 3;
    neu.BuchstabenFeld.neu(195, 61);
    EXPECT_EXIT(Speichern_mit_Groessengrenze(neu, ziel), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(Lesen(ziel), vorher);
}

// The disk is full: the write fails, the failure is reported, the old file stays whole and no
// temporary file is left behind.
TEST_F(Dokumentordner, EinVollerDatentraegerWirdGemeldetUndDieAlteDateiBleibt) {
    Zustand alt = Briefzustand();
    const QString ziel = Datei("Brief.qxt");
    ASSERT_EQ(Speichern(alt, ziel), std::nullopt);
    const QByteArray vorher = Lesen(ziel);

    Zustand neu = Standardzustand();
    neu.Seitenanzahl = 3;
    neu.BuchstabenFeld.neu(195, 61);
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_IGN);
            Speichern_mit_Groessengrenze(neu, ziel);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Lesen(ziel), vorher);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Brief.qxt"});
}
