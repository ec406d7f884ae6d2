#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "Fixtures.h"
#include "storage/Dateifehler.h"
#include "storage/Einstellungen.h"
#include "storage/Ordner.h"
#include "storage/Speicherstart.h"
#include "storage_Hilfen.h"

namespace {
const QString Meldung = QStringLiteral(
    "Bitte entfernen Sie den Schreibschutz des Ordners \"C:\\Benutzer\\Dokumente\" bevor Sie "
    "fortfahren.");

// The starter tree this repository ships for the installation.
QString Mitgelieferte_Benutzerdateien() {
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                           QStringLiteral("/../../resources/UserFiles/PC-Tastrolix"));
}

bool Ordner(const QString& pfad) {
    return QFileInfo(pfad).isDir();
}

// A home folder of its own: the documents folder and an installation's user files inside it.
struct Heimordner : ::testing::Test {
    QTemporaryDir tmp;
    QString Pfad(const QString& rest) const { return tmp.path() + u'/' + rest; }
    Ordnerquellen Quellen() const {
        return {Pfad("Dokumente"),
                {Pfad("fehlt/UserFiles/PC-Tastrolix"), Pfad("UserFiles/PC-Tastrolix")}};
    }
};

// Sets an environment variable for the life of the object.
class Umgebung {
  public:
    Umgebung(const char* name, const QByteArray& wert)
        : name_(name), alt_(qgetenv(name)), da_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, wert);
    }
    ~Umgebung() { da_ ? qputenv(name_, alt_) : qunsetenv(name_); }

  private:
    const char* name_;
    QByteArray alt_;
    bool da_;
};
}  // namespace

TEST_F(Heimordner, DerErsteStartLegtDieDreiOrdnerAnUndHoltDieMitgeliefertenDateien) {
    Zustand z;
    const Ordnerstart s =
        OrdnerPfadeFestlegen(z, {Pfad("Dokumente"), {Mitgelieferte_Benutzerdateien()}});
    EXPECT_EQ(s.Meldung, std::nullopt);
    EXPECT_FALSE(s.Temp_vorgefunden);
    EXPECT_EQ(z.Basispfad, Pfad("Dokumente/"));
    EXPECT_EQ(z.Dokumentenpfad, Pfad("Dokumente/PC-Tastrolix/Dokumente"));
    EXPECT_EQ(z.Vorlagenpfad, Pfad("Dokumente/PC-Tastrolix/Vorlagen"));
    EXPECT_EQ(z.Temppfad, Pfad("Dokumente/PC-Tastrolix/Temp"));
    EXPECT_TRUE(Ordner(z.Dokumentenpfad));
    EXPECT_TRUE(Ordner(z.Vorlagenpfad));
    EXPECT_TRUE(Ordner(z.Temppfad));
    EXPECT_TRUE(QFileInfo::exists(z.Dokumentenpfad + "/Meine Dokumente/.gitkeep"));
}

TEST_F(Heimordner, DieInstallationErsetztGleichnamigeDateienUndLaesstEigeneStehen) {
    Schreiben(Pfad("UserFiles/PC-Tastrolix/Vorlagen/Brief.qxv"), "neu");
    Schreiben(Pfad("UserFiles/PC-Tastrolix/.versteckt"), "auch");
    Schreiben(Pfad("Dokumente/PC-Tastrolix/Vorlagen/Brief.qxv"), "alt und laenger");
    Schreiben(Pfad("Dokumente/PC-Tastrolix/Vorlagen/Eigene.qxv"), "eigen");
    Zustand z;
    ASSERT_EQ(OrdnerPfadeFestlegen(z, Quellen()).Meldung, std::nullopt);
    EXPECT_EQ(Lesen(Pfad("Dokumente/PC-Tastrolix/Vorlagen/Brief.qxv")), "neu");
    EXPECT_EQ(Lesen(Pfad("Dokumente/PC-Tastrolix/.versteckt")), "auch");
    EXPECT_EQ(Lesen(Pfad("Dokumente/PC-Tastrolix/Vorlagen/Eigene.qxv")), "eigen");
}

TEST_F(Heimordner, EinVorgefundenerTempordnerMeldetEinUnsauberesEnde) {
    Schreiben(Pfad("Dokumente/PC-Tastrolix/Temp/Brief/Brief.qxt"), "Zwischenstand");
    Zustand z;
    const Ordnerstart s = OrdnerPfadeFestlegen(z, Quellen());
    EXPECT_TRUE(s.Temp_vorgefunden);
    EXPECT_EQ(Lesen(Pfad("Dokumente/PC-Tastrolix/Temp/Brief/Brief.qxt")), "Zwischenstand");
}

TEST_F(Heimordner, OhneDokumentenordnerKommtDieMeldungUndDiePfadeBleiben) {
    Schreiben(Pfad("eine Datei"), "x");
    for (const QString& dokumente : {QString(), Pfad("eine Datei/Dokumente")}) {
        Zustand z;
        z.Basispfad = QStringLiteral("bisher/");
        z.Vorlagenpfad = QStringLiteral("bisher");
        const Ordnerstart s = OrdnerPfadeFestlegen(z, {dokumente, {}});
        EXPECT_EQ(s.Meldung, Meldung) << dokumente.toStdString();
        EXPECT_EQ(z.Vorlagenpfad, "bisher");
        EXPECT_TRUE(z.Basispfad.isEmpty());
        EXPECT_TRUE(z.Temppfad.isEmpty());
        EXPECT_EQ(OrdnerAnlegen(z, {dokumente, {}}), Meldung);
    }
}

TEST_F(Heimordner, OrdnerAnlegenMachtFehlendeOrdnerWieder) {
    Zustand z;
    ASSERT_EQ(OrdnerAnlegen(z, Quellen()), std::nullopt);
    EXPECT_EQ(z.Temppfad, Pfad("Dokumente/PC-Tastrolix/Temp")) << "empty paths are set first";
    ASSERT_TRUE(QDir(Pfad("Dokumente/PC-Tastrolix")).removeRecursively());
    ASSERT_EQ(OrdnerAnlegen(z, Quellen()), std::nullopt);
    EXPECT_TRUE(Ordner(z.Dokumentenpfad));
    EXPECT_TRUE(Ordner(z.Vorlagenpfad));
    EXPECT_TRUE(Ordner(z.Temppfad));
}

TEST_F(Heimordner, DelDirLoeschtOrdnerGanzUndDateienEinzeln) {
    Schreiben(Pfad("a/b/c.qxt"), "1");
    Schreiben(Pfad("a/.d"), "2");
    Schreiben(Pfad("e/f.qxv"), "3");
    Schreiben(Pfad("e/g.qxv"), "4");
    EXPECT_TRUE(DelDir(Pfad("a")));
    EXPECT_FALSE(QFileInfo::exists(Pfad("a")));
    EXPECT_TRUE(DelDir(Pfad("e/f.qxv")));
    EXPECT_FALSE(QFileInfo::exists(Pfad("e/f.qxv")));
    EXPECT_TRUE(QFileInfo::exists(Pfad("e/g.qxv"))) << "a file path deletes that file only";
    EXPECT_FALSE(DelDir(Pfad("gibt es nicht")));
    EXPECT_FALSE(DelDir(QString())) << "an empty path (folders never found) deletes nothing";
    EXPECT_TRUE(QFileInfo::exists(Pfad("e/g.qxv")));
}

TEST_F(Heimordner, DelDirEntferntEinenVerweisNieWohinErZeigt) {
    Schreiben(Pfad("wichtig/Brief.qxt"), "bleibt");
    ASSERT_TRUE(QFile::link(Pfad("wichtig"), Pfad("Temp")));
    Schreiben(Pfad("innen/x"), "");
    ASSERT_TRUE(QFile::link(Pfad("wichtig"), Pfad("innen/verweis")));
    EXPECT_TRUE(DelDir(Pfad("Temp")));
    EXPECT_TRUE(DelDir(Pfad("innen")));
    EXPECT_EQ(Lesen(Pfad("wichtig/Brief.qxt")), "bleibt");
}

TEST_F(Heimordner, ClearDirHinterlaesstImmerEinenLeerenOrdner) {
    Schreiben(Pfad("Temp/Brief/1.qxt"), "x");
    EXPECT_TRUE(ClearDir(Pfad("Temp")));
    EXPECT_TRUE(Ordner(Pfad("Temp")));
    EXPECT_TRUE(QDir(Pfad("Temp")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(ClearDir(Pfad("neu")));
    EXPECT_TRUE(Ordner(Pfad("neu")));
}

TEST_F(Heimordner, CopyDirLegtDenOrdnerMitAllemImZielAn) {
    Schreiben(Pfad("Quelle/a.txt"), "a");
    Schreiben(Pfad("Quelle/.b"), "b");
    Schreiben(Pfad("Quelle/c/d/e.txt"), "e");
    QDir().mkpath(Pfad("Quelle/leer"));
    Schreiben(Pfad("Ziel/Quelle/a.txt"), "alt");
    EXPECT_TRUE(CopyDir(Pfad("Quelle/"), Pfad("Ziel")));
    EXPECT_EQ(Lesen(Pfad("Ziel/Quelle/a.txt")), "a");
    EXPECT_EQ(Lesen(Pfad("Ziel/Quelle/.b")), "b");
    EXPECT_EQ(Lesen(Pfad("Ziel/Quelle/c/d/e.txt")), "e");
    EXPECT_TRUE(Ordner(Pfad("Ziel/Quelle/leer")));
    EXPECT_FALSE(CopyDir(Pfad("Quelle"), Pfad("Quelle/c"))) << "a copy into itself never ends";
    EXPECT_FALSE(QFileInfo::exists(Pfad("Quelle/c/Quelle")));
    EXPECT_FALSE(CopyDir(Pfad("fehlt"), Pfad("Ziel")));
}

TEST(Ordnerquellen, DokumenteKommenAusDenXdgOrdnernDieBenutzerdateienVonDerInstallation) {
    QTemporaryDir heim;
    Schreiben(heim.path() + "/.config/user-dirs.dirs",
              "XDG_DOCUMENTS_DIR=\"$HOME/Schriftst\xc3\xbc"
              "cke\"\n");
    const Umgebung home("HOME", QFile::encodeName(heim.path()));
    const Umgebung config("XDG_CONFIG_HOME", QFile::encodeName(heim.path() + "/.config"));
    const Umgebung daten("XDG_DATA_DIRS", "/opt/daten");

    const Ordnerquellen q = Ordnerquellen_des_Systems(QStringLiteral("/opt/pc-tastrolix/bin"));
    EXPECT_EQ(q.Dokumente, heim.path() + QString::fromUtf8("/Schriftstücke"));
    ASSERT_GE(q.Benutzerdateien.size(), 3);
    EXPECT_EQ(q.Benutzerdateien[0], "/opt/pc-tastrolix/bin/UserFiles/PC-Tastrolix");
    EXPECT_EQ(q.Benutzerdateien[1], "/opt/pc-tastrolix/share/pc-tastrolix/UserFiles/PC-Tastrolix");
    EXPECT_TRUE(q.Benutzerdateien.contains("/opt/daten/pc-tastrolix/UserFiles/PC-Tastrolix"));
}

TEST(Ordnerquellen, EinFrischerStartUnterNeuemHeimordner) {
    QTemporaryDir heim;
    const Umgebung home("HOME", QFile::encodeName(heim.path()));
    const Umgebung config("XDG_CONFIG_HOME", QFile::encodeName(heim.path() + "/.config"));
    // The program folder of a build: the starter tree lies beside it in "UserFiles".
    const QString programmordner =
        QFileInfo(Mitgelieferte_Benutzerdateien() + "/../..").absoluteFilePath();

    Zustand z;
    const Startergebnis s = Speicher_starten(z, Ordnerquellen_des_Systems(programmordner));
    EXPECT_TRUE(s.Meldungen.isEmpty()) << s.Meldungen.join('|').toStdString();
    const QString baum = heim.path() + "/Documents/PC-Tastrolix";
    EXPECT_EQ(z.Vorlagenpfad, baum + "/Vorlagen");
    EXPECT_TRUE(Ordner(baum + "/Dokumente/Meine Dokumente"));
    EXPECT_TRUE(Ordner(baum + "/Temp"));
    EXPECT_EQ(Lesen(baum + "/Vorlagen/A4 Standard.qxv"), Standardvorlage_Bild());
}

TEST(Benutzernamen, EinNameFuehrtNieAusSeinemOrdnerHeraus) {
    const struct {
        const char* name;
        bool erlaubt;
    } faelle[] = {
        {"Brief", true}, {"  ", true},           {"A4 Standard", true},  {"Notiz.alt", true},
        {".", true},     {"a/b", false},         {"a\\b", false},        {"..", false},
        {"x..y", false}, {"/etc/passwd", false}, {"../../Brief", false}, {"..\\Brief", false},
    };
    for (const auto& f : faelle) {
        const Benutzerpfad p = Pfad_im_Ordner("/v", QString::fromUtf8(f.name), ".qxv");
        if (f.erlaubt) {
            EXPECT_EQ(p.Fehler, std::nullopt) << f.name;
            EXPECT_EQ(p.Pfad, "/v/" + QString::fromUtf8(f.name) + ".qxv");
        } else {
            EXPECT_TRUE(p.Pfad.isEmpty()) << f.name;
            EXPECT_EQ(p.Fehler, "Datei \"/v/" + QString::fromUtf8(f.name) +
                                    ".qxv\" kann nicht erstellt werden. Ein Name darf weder \"/\" "
                                    "noch \"\\\" noch \"..\" enthalten.")
                << f.name;
        }
    }
}

TEST_F(Heimordner, EinErsterStartHinterlaesstOrdnerStandardvorlageUndStartordner) {
    Zustand z;
    const Startergebnis s =
        Speicher_starten(z, {Pfad("Dokumente"), {Mitgelieferte_Benutzerdateien()}});
    EXPECT_TRUE(s.Meldungen.isEmpty()) << s.Meldungen.join('|').toStdString();
    EXPECT_FALSE(s.Fehlerbehandlung);
    EXPECT_EQ(Lesen(z.Vorlagenpfad + "/A4 Standard.qxv"), Standardvorlage_Bild());
    EXPECT_TRUE(Ordner(z.Dokumentenpfad + "/Meine Dokumente"));
    EXPECT_TRUE(Ordner(z.Temppfad));
    EXPECT_EQ(z.Speicherintervall, 300000);
    EXPECT_EQ(z.Zeilen_max, 64);
    EXPECT_EQ(z.BuchstabenFeld.Zeilen(), 1) << "the grid was emptied at the sizes before";
}

TEST_F(Heimordner, EinstellungenUndBaumpositionUeberlebenEinenLaufNichtAberEinUnsauberesEnde) {
    Zustand erster;
    ASSERT_TRUE(Speicher_starten(erster, Quellen()).Meldungen.isEmpty());
    erster.Sound_an = false;
    erster.Speicherintervall = 0;  // interim saves off for this run
    EXPECT_TRUE(Speicher_beenden(erster, 2, QStringLiteral("Meine Dokumente")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(erster.Temppfad)) << "a normal end removes the interim saves";

    Zustand zweiter;
    Startergebnis s = Speicher_starten(zweiter, Quellen());
    EXPECT_TRUE(s.Meldungen.isEmpty());
    EXPECT_FALSE(s.Fehlerbehandlung);
    EXPECT_FALSE(zweiter.Sound_an);
    EXPECT_EQ(zweiter.Register_Index, 2);
    EXPECT_EQ(zweiter.Treeposition, "Meine Dokumente");
    EXPECT_EQ(zweiter.Speicherintervall, 300000) << "a stored 0 comes back as 300000";

    // The second run ends without Speicher_beenden and with other settings in memory.
    zweiter.Sound_an = true;
    ASSERT_TRUE(DelDir(zweiter.Vorlagenpfad + "/A4 Standard.qxv"));
    Zustand dritter;
    s = Speicher_starten(dritter, Quellen());
    EXPECT_TRUE(s.Fehlerbehandlung);
    EXPECT_FALSE(dritter.Sound_an) << "the settings of the last normal end";
    EXPECT_EQ(Lesen(dritter.Vorlagenpfad + "/A4 Standard.qxv"), Standardvorlage_Bild());
}

TEST_F(Heimordner, OhneDokumentenordnerMeldetDerStartZweimalUndSchreibtNichts) {
    Zustand z;
    const Startergebnis s = Speicher_starten(z, {QString(), {Mitgelieferte_Benutzerdateien()}});
    EXPECT_EQ(s.Meldungen, QStringList({Meldung, Meldung}));
    EXPECT_TRUE(z.Vorlagenpfad.isEmpty());
    EXPECT_TRUE(Speicher_beenden(z, 0, QStringLiteral("x")).isEmpty());
    EXPECT_TRUE(QDir(tmp.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(Heimordner, EineFalscheEinstellungsdateiWirdGemeldetUndDerStartGehtWeiter) {
    Schreiben(Pfad("Dokumente/PC-Tastrolix/Vorlagen/Einstellungen.ini"), Bild(57, {{56, 1, 9}}));
    Zustand z;
    const Startergebnis s = Speicher_starten(z, Quellen());
    ASSERT_EQ(s.Meldungen.size(), 1);
    EXPECT_TRUE(s.Meldungen[0].endsWith("Die Datei enthält ungültige Einstellungen."));
    EXPECT_TRUE(z.Sound_an);
    EXPECT_TRUE(QFileInfo::exists(z.Vorlagenpfad + "/A4 Standard.qxv"));
}
