// The document manager's tree: what is listed from the documents folder and in which order.

#include <gtest/gtest.h>

#include <QFile>

#include "assistant/logik/Dokumentbaum.h"
#include "storage_Hilfen.h"

namespace {
struct Baumordner : ::testing::Test {
    QTemporaryDir tmp;
    QString Pfad(const QString& rest) const { return tmp.path() + u'/' + rest; }
    void Datei(const QString& rest) { Schreiben(Pfad(rest), "x"); }
    void Ordner(const QString& rest) { ASSERT_TRUE(QDir().mkpath(Pfad(rest))); }
};

// The tree as lines "text|F or D|path relative to the folder", indented two blanks a level.
void Zeilen(const std::vector<Baumeintrag>& baum, const QString& basis, QStringList& aus,
            const QString& einzug = {}) {
    for (const Baumeintrag& e : baum) {
        aus << einzug + e.Text + (e.Info.Path ? "|F|" : "|D|") + e.Info.Name.mid(basis.size() + 1);
        Zeilen(e.Kinder, basis, aus, einzug + "  ");
    }
}

QStringList Sortierte_Zeilen(std::vector<Baumeintrag> baum, const QString& basis,
                             const QLocale& sprache) {
    QCollator sortierung(sprache);
    sortierung.setCaseSensitivity(Qt::CaseSensitive);
    Baum_sortieren(baum, sortierung);
    QStringList aus;
    Zeilen(baum, basis, aus);
    return aus;
}
}  // namespace

TEST_F(Baumordner, FolgeNeuesteZuerstOrdnerMitBuchstabenOben) {
    Ordner("Briefe");
    Ordner("Rechnungen");
    Datei("2013-05-01 14-03-59 Brief.qxt");
    Datei("2013-05-02 09-00-00 Notiz.qxt");
    Datei("Briefe/2013-06-03 08-05-09 Brief.qxt");
    Datei("Briefe/2012-01-01 00-00-00 Alt.qxt");
    const QStringList erwartet = {
        "Rechnungen|F|Rechnungen",
        "Briefe|F|Briefe",
        "  2013-06-03 08-05-09 Brief|D|Briefe/2013-06-03 08-05-09 Brief.qxt",
        "  2012-01-01 00-00-00 Alt|D|Briefe/2012-01-01 00-00-00 Alt.qxt",
        "2013-05-02 09-00-00 Notiz|D|2013-05-02 09-00-00 Notiz.qxt",
        "2013-05-01 14-03-59 Brief|D|2013-05-01 14-03-59 Brief.qxt",
    };
    const auto baum = Dateipfade_Finden(tmp.path(), true);
    for (const QLocale& sprache : {QLocale(QLocale::German), QLocale::c()}) {
        EXPECT_EQ(Sortierte_Zeilen(baum, tmp.path(), sprache), erwartet)
            << sprache.name().toStdString();
    }
}

TEST_F(Baumordner, NurOrdnerUndDokumenteMitGenauDerEndung) {
    Ordner("Leer");
    Ordner(".versteckt");
    Datei(".versteckt/2013-01-01 00-00-00 X.qxt");
    Datei("Notiz.txt");
    Datei("GROSS.QXT");
    Datei("Vorlage.qxv");
    Datei("Punkt.im.Namen.qxt");
    Ordner("Ordner.mit.Endung");
    QStringList aus;
    Zeilen(Dateipfade_Finden(tmp.path(), true), tmp.path(), aus);
    aus.sort();
    EXPECT_EQ(aus, (QStringList{"Leer|F|Leer", "Ordner.mit|F|Ordner.mit.Endung",
                                "Punkt.im.Namen|D|Punkt.im.Namen.qxt"}));

    aus.clear();
    Zeilen(Dateipfade_Finden(tmp.path(), false), tmp.path(), aus);
    aus.sort();
    EXPECT_EQ(aus, (QStringList{"Leer|F|Leer", "Ordner.mit|F|Ordner.mit.Endung"}));
}

TEST_F(Baumordner, VerknuepfungenFuehrenNichtHinaus) {
    QTemporaryDir draussen;
    Schreiben(draussen.path() + "/2013-01-01 00-00-00 Fremd.qxt", "x");
    Ordner("Briefe");
    ASSERT_TRUE(QFile::link(draussen.path(), Pfad("Hinaus")));
    ASSERT_TRUE(QFile::link(Pfad("Briefe"), Pfad("Briefe/Kreis")));
    ASSERT_TRUE(QFile::link(draussen.path() + "/2013-01-01 00-00-00 Fremd.qxt",
                            Pfad("2013-01-01 00-00-00 Link.qxt")));
    QStringList aus;
    Zeilen(Dateipfade_Finden(tmp.path(), true), tmp.path(), aus);
    EXPECT_EQ(aus, QStringList{"Briefe|F|Briefe"});
}

TEST(Baumfolge, AbsteigendGrossUndKleinschreibungZaehlt) {
    const QCollator sortierung = [] {
        QCollator s(QLocale(QLocale::German));
        s.setCaseSensitivity(Qt::CaseSensitive);
        return s;
    }();
    EXPECT_GT(Pfad_ListeCompare(sortierung, "Briefe", "Rechnungen"), 0);
    EXPECT_LT(Pfad_ListeCompare(sortierung, "Briefe", "2013-05-01 14-03-59 Brief"), 0);
    EXPECT_EQ(Pfad_ListeCompare(sortierung, "Briefe", "Briefe"), 0);
    EXPECT_NE(Pfad_ListeCompare(sortierung, "briefe", "Briefe"), 0);
    // Locale-aware: an umlaut sorts beside its letter, not after "z".
    EXPECT_GT(Pfad_ListeCompare(sortierung, "Äpfel", "Zwetschgen"), 0);

    // Equal texts (a folder and a document of one name) keep their order.
    std::vector<Baumeintrag> baum = {{"X", {true, "/a/X"}, {}}, {"X", {false, "/a/X.qxt"}, {}}};
    Baum_sortieren(baum, sortierung);
    EXPECT_TRUE(baum[0].Info.Path);
}
