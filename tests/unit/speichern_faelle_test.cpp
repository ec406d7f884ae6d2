// Which file a save writes, what it changes in the state, what the user is told; leaving a
// document. All on temporary folders with a fixed clock.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "Fixtures.h"
#include "storage/Dokumentdatei.h"
#include "storage/logik/Speichervorgang.h"
#include "storage_Hilfen.h"

namespace {
const QDateTime Jetzt(QDate(2013, 1, 31), QTime(14, 5, 9));
using Ausgang = Befehlsergebnis::Ausgang;

struct Speichern_Test : ::testing::Test {
    QTemporaryDir tmp;
    Zustand z = Standardzustand();
    QString Briefe = tmp.path() + QStringLiteral("/Dokumente/Briefe/");

    void SetUp() override {
        Schreibe(z, 0, 0, QStringLiteral("Sehr geehrte"));
        z.Zielordner = Briefe;
        z.Temppfad = tmp.path() + QStringLiteral("/Temp");
    }
    QStringList Dateien() const {
        return QDir(Briefe).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // An opened document: its file lies in Briefe under an older date.
    void Geoeffnet(const QString& dateiname = QStringLiteral("2013-01-01 10-00-00 Brief.qxt")) {
        QDir().mkpath(Briefe);
        z.Dateiname = Briefe + dateiname;
        ASSERT_EQ(Speichern(z, z.Dateiname), std::nullopt);
        z.Dokument_geladen = true;
        z.Dokumentname = QStringLiteral("vorher");
    }
    // The cells a file holds.
    TBuchstabenFeld Zellen_in(const QString& datei) const {
        Zustand gelesen = Standardzustand();
        EXPECT_EQ(Laden(gelesen, datei), std::nullopt) << datei.toStdString();
        return gelesen.BuchstabenFeld;
    }
};
}  // namespace

TEST(SpeichernFaelle, EntscheidungenNachFlaggen) {
    struct Fall {
        bool angefordert, gespeichert, geladen;
        const char* datei;
        Dialogfall dialog;
        Befehlsfall befehl;
    };
    using D = Dialogfall;
    using B = Befehlsfall;
    const Fall faelle[] = {
        {false, false, false, "", D::Neue_Datei, B::Dialog},
        {true, false, false, "", D::Neue_Datei, B::Dialog},
        {false, true, false, "/d/x.qxt", D::Ueberschreiben, B::Ueberschreiben},
        {false, false, true, "/d/x.qxt", D::Ueberschreiben, B::Neu_datiert},
        {true, true, false, "/d/x.qxt", D::Frisch_datiert, B::Ueberschreiben},
        {true, false, true, "/d/x.qxt", D::Frisch_datiert, B::Neu_datiert},
        {true, true, true, "/d/x.qxt", D::Frisch_datiert, B::Ueberschreiben},
        // A flag without a file name has no file to write beside: the name is asked for.
        {true, false, true, "", D::Neue_Datei, B::Dialog},
        {false, true, false, "", D::Neue_Datei, B::Dialog},
        // A file name alone (the assistant's selection) is not the document's file.
        {true, false, false, "/d/x.qxt", D::Neue_Datei, B::Dialog},
    };
    for (const Fall& f : faelle) {
        Zustand z;
        z.Schliessen_angefordert = f.angefordert;
        z.Dokument_gespeichert = f.gespeichert;
        z.Dokument_geladen = f.geladen;
        z.Dateiname = QString::fromLatin1(f.datei);
        EXPECT_EQ(Dialogfall_von(z), f.dialog) << f.angefordert << f.gespeichert << f.geladen;
        EXPECT_EQ(Befehlsfall_von(z), f.befehl) << f.angefordert << f.gespeichert << f.geladen;
    }
}

// Case 2: a new document goes into Zielordner, which is made when it is missing.
TEST_F(Speichern_Test, NeueDateiMitDemNamenDesFeldes) {
    struct Fall {
        const char* feld;
        const char* datei;
    };
    const Fall faelle[] = {
        {"Brief", "2013-01-31 14-05-09 Brief.qxt"},
        {"Brief 1.2", "2013-01-31 14-05-09 Brief 1.qxt"},  // the part after the last dot is lost
        {"", "2013-01-31 14-05-09 .qxt"},                  // the name is not required
        {"Grüße an Jürgen", "2013-01-31 14-05-09 Grüße an Jürgen.qxt"},
    };
    for (const Fall& f : faelle) {
        Zustand neu = z;
        ASSERT_EQ(Im_Dialog_speichern(neu, QString::fromUtf8(f.feld), Jetzt), std::nullopt);
        EXPECT_EQ(neu.Dateiname, Briefe + QString::fromUtf8(f.datei));
        EXPECT_EQ(neu.Dokumentname, QString::fromUtf8(f.feld));
        EXPECT_TRUE(neu.Dokument_gespeichert);
        EXPECT_FALSE(neu.Dokument_geladen);
        EXPECT_EQ(Zellen_in(neu.Dateiname), z.BuchstabenFeld);
        QFile::remove(neu.Dateiname);
    }
}

// Case 1: leaving a document with a file writes one more file in its folder; the old one stays.
TEST_F(Speichern_Test, BeimVerlassenFrischDatiertImSelbenOrdner) {
    Geoeffnet();
    Schreibe(z, 1, 0, QStringLiteral("Nachtrag"));
    z.Schliessen_angefordert = true;
    ASSERT_EQ(Im_Dialog_speichern(z, QStringLiteral("Feld wird nicht gelesen"), Jetzt),
              std::nullopt);
    EXPECT_EQ(z.Dateiname, Briefe + QStringLiteral("2013-01-31 14-05-09 Brief.qxt"));
    EXPECT_EQ(z.Dokumentname, QStringLiteral("vorher"));
    EXPECT_TRUE(z.Dokument_gespeichert);
    EXPECT_FALSE(z.Dokument_geladen);
    EXPECT_EQ(Dateien(), QStringList({QStringLiteral("2013-01-01 10-00-00 Brief.qxt"),
                                      QStringLiteral("2013-01-31 14-05-09 Brief.qxt")}));
    EXPECT_EQ(Zellen_in(z.Dateiname), z.BuchstabenFeld);
}

// Case 3: the dialog opened by a save command while the document has a file writes that file.
TEST_F(Speichern_Test, OhneSchliessenwunschWirdDieDateiUeberschrieben) {
    Geoeffnet();
    Schreibe(z, 2, 0, QStringLiteral("neu"));
    ASSERT_EQ(Im_Dialog_speichern(z, QStringLiteral("anders"), Jetzt), std::nullopt);
    EXPECT_EQ(z.Dateiname, Briefe + QStringLiteral("2013-01-01 10-00-00 Brief.qxt"));
    EXPECT_EQ(Dateien().size(), 1);
    EXPECT_EQ(Zellen_in(z.Dateiname), z.BuchstabenFeld);
    EXPECT_EQ(z.Dokumentname, QStringLiteral("vorher"));
}

TEST_F(Speichern_Test, AbgelehnteNamenUndFehlenderOrdnerAendernNichts) {
    QTemporaryDir anderer;
    Schreiben(tmp.path() + QStringLiteral("/datei"), "kein Ordner");
    struct Fall {
        const char* feld;
        QString zielordner;
        const char* fehler_beginnt;
    };
    const Fall faelle[] = {
        {"../../Brief", Briefe, "Datei \""},  // a separator would lead out of the folder
        {"a\\b", Briefe, "Datei \""},
        {"Brief?", Briefe, "Datei \""},
        {"Brief", QString(), "Verzeichnis kann nicht erstellt werden"},
        {"Brief", tmp.path() + QStringLiteral("/datei/unter/"), "Datei \""},
    };
    for (const Fall& f : faelle) {
        Zustand vorher = z;
        vorher.Zielordner = f.zielordner;
        Zustand danach = vorher;
        const Dateifehler fehler = Im_Dialog_speichern(danach, QString::fromUtf8(f.feld), Jetzt);
        ASSERT_TRUE(fehler) << f.feld;
        EXPECT_TRUE(fehler->startsWith(QString::fromUtf8(f.fehler_beginnt)))
            << fehler->toStdString();
        EXPECT_EQ(danach.Dateiname, QString());
        EXPECT_EQ(danach.Dokumentname, QString());
        EXPECT_FALSE(danach.Dokument_gespeichert);
    }
    EXPECT_TRUE(Dateien().isEmpty());
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{QStringLiteral("datei")});
}

// A write that fails leaves the document where it was: same file name, same flags.
TEST_F(Speichern_Test, FehlgeschlagenesSchreibenIstKeinErfolg) {
    Geoeffnet();
    const QString alt = z.Dateiname;
    QDir(Briefe).removeRecursively();  // the folder vanished under the open document

    Zustand befehl = z;
    const Befehlsergebnis b = Speichern_ohne_Dialog(befehl, Jetzt);
    EXPECT_EQ(b.ausgang, Ausgang::Fehlgeschlagen);
    EXPECT_EQ(b.Meldung, QStringLiteral("Speichern fehlgeschlagen."));
    EXPECT_TRUE(b.Grund.startsWith(QStringLiteral("Datei \""))) << b.Grund.toStdString();
    EXPECT_EQ(befehl.Dateiname, alt);
    EXPECT_EQ(befehl.Dokumentname, QStringLiteral("vorher"));

    z.Schliessen_angefordert = true;
    EXPECT_TRUE(Im_Dialog_speichern(z, {}, Jetzt));
    EXPECT_EQ(z.Dateiname, alt);
    EXPECT_TRUE(z.Dokument_geladen);
    EXPECT_FALSE(z.Dokument_gespeichert);

    z.Dokument_geladen = false;
    z.Dokument_gespeichert = true;
    EXPECT_EQ(Speichern_ohne_Dialog(z, Jetzt).ausgang, Ausgang::Fehlgeschlagen);
}

TEST_F(Speichern_Test, BefehlOhneDateiZeigtDenDialogUndSchreibtNichts) {
    const Befehlsergebnis b = Speichern_ohne_Dialog(z, Jetzt);
    EXPECT_EQ(b.ausgang, Ausgang::Dialog_zeigen);
    EXPECT_TRUE(b.Meldung.isEmpty());
    EXPECT_FALSE(QDir(Briefe).exists());
    EXPECT_FALSE(z.Dokument_gespeichert);
}

TEST_F(Speichern_Test, BefehlUeberschreibtEinenImDialogGespeichertenBrief) {
    ASSERT_EQ(Im_Dialog_speichern(z, QStringLiteral("Brief"), Jetzt), std::nullopt);
    const QString datei = z.Dateiname;
    Schreibe(z, 5, 0, QStringLiteral("weiter"));
    const Befehlsergebnis b = Speichern_ohne_Dialog(z, Jetzt.addSecs(90));
    EXPECT_EQ(b.ausgang, Ausgang::Gespeichert);
    EXPECT_EQ(b.Meldung, QStringLiteral("Das Dokument \"Brief\" wurde erfolgreich gespeichert."));
    EXPECT_EQ(z.Dateiname, datei);
    EXPECT_EQ(Dateien().size(), 1);
    EXPECT_EQ(Zellen_in(datei), z.BuchstabenFeld);
}

TEST_F(Speichern_Test, GeoeffnetesDokumentDreimalGespeichertGibtVierDateien) {
    Geoeffnet();
    for (int i = 1; i <= 3; ++i) {
        Schreibe(z, 10, 0, QString::number(i));
        const Befehlsergebnis b = Speichern_ohne_Dialog(z, Jetzt.addSecs(60 * i));
        EXPECT_EQ(b.ausgang, Ausgang::Gespeichert);
        EXPECT_EQ(b.Meldung,
                  QStringLiteral("Das Dokument \"Brief\" wurde erfolgreich gespeichert."));
    }
    EXPECT_EQ(Dateien(), QStringList({QStringLiteral("2013-01-01 10-00-00 Brief.qxt"),
                                      QStringLiteral("2013-01-31 14-06-09 Brief.qxt"),
                                      QStringLiteral("2013-01-31 14-07-09 Brief.qxt"),
                                      QStringLiteral("2013-01-31 14-08-09 Brief.qxt")}));
    EXPECT_EQ(z.Dateiname, Briefe + QStringLiteral("2013-01-31 14-08-09 Brief.qxt"));
    EXPECT_EQ(z.Dokumentname, QStringLiteral("Brief"));
    EXPECT_TRUE(z.Dokument_geladen);  // the flags stay: every save command makes one more file
    EXPECT_FALSE(z.Dokument_gespeichert);
}

// Saves within one second never overwrite each other: each takes the next free second.
TEST_F(Speichern_Test, ZweiSpeicherungenInEinerSekunde) {
    Geoeffnet();
    Schreibe(z, 20, 0, QStringLiteral("erste"));
    ASSERT_EQ(Speichern_ohne_Dialog(z, Jetzt).ausgang, Ausgang::Gespeichert);
    const QString erste = z.Dateiname;
    const TBuchstabenFeld erster_Stand = z.BuchstabenFeld;
    Schreibe(z, 20, 0, QStringLiteral("zweite"));
    ASSERT_EQ(Speichern_ohne_Dialog(z, Jetzt).ausgang, Ausgang::Gespeichert);
    EXPECT_EQ(erste, Briefe + QStringLiteral("2013-01-31 14-05-09 Brief.qxt"));
    EXPECT_EQ(z.Dateiname, Briefe + QStringLiteral("2013-01-31 14-05-10 Brief.qxt"));
    EXPECT_EQ(Zellen_in(erste), erster_Stand);
    EXPECT_EQ(Zellen_in(z.Dateiname), z.BuchstabenFeld);

    // Two new documents of one name in the same second, the second when the next is taken too.
    Zustand neu = Standardzustand();
    neu.Zielordner = Briefe;
    ASSERT_EQ(Im_Dialog_speichern(neu, QStringLiteral("Brief"), Jetzt), std::nullopt);
    EXPECT_EQ(neu.Dateiname, Briefe + QStringLiteral("2013-01-31 14-05-11 Brief.qxt"));
    EXPECT_EQ(Dateien().size(), 4);

    // Across midnight the date moves on with the time.
    Schreiben(Briefe + QStringLiteral("2013-01-31 23-59-59 Brief.qxt"), "belegt");
    neu = Standardzustand();
    neu.Zielordner = Briefe;
    ASSERT_EQ(Im_Dialog_speichern(neu, QStringLiteral("Brief"),
                                  QDateTime(Jetzt.date(), QTime(23, 59, 59))),
              std::nullopt);
    EXPECT_EQ(neu.Dateiname, Briefe + QStringLiteral("2013-02-01 00-00-00 Brief.qxt"));
}

TEST_F(Speichern_Test, KurzerDateinameGibtLeerenNamen) {
    Geoeffnet(QStringLiteral("Brief.qxt"));
    const Befehlsergebnis b = Speichern_ohne_Dialog(z, Jetzt);
    EXPECT_EQ(b.Meldung, QStringLiteral("Das Dokument \"\" wurde erfolgreich gespeichert."));
    EXPECT_EQ(z.Dateiname, Briefe + QStringLiteral("2013-01-31 14-05-09 .qxt"));
    EXPECT_EQ(z.Dokumentname, QString());
}

TEST_F(Speichern_Test, VerlassenLeertZwischenspeicherUndRaster) {
    Schreiben(z.Temppfad + QStringLiteral("/Ungespeichert/x.qxt"), "z");
    z.Seitenanzahl = 3;
    z.BuchstabenFeld.neu(3 * (z.Zeilen_max + 1), z.Spalten_max + 1);
    Schreibe(z, 100, 3, QStringLiteral("Seite 2"));
    z.akt_Seite = 2;
    z.Schliessen_nach_Speichern = true;
    z.Dokument_gespeichert = true;
    z.Dateiname = QStringLiteral("/bleibt.qxt");

    Dokument_schliessen(z);
    EXPECT_TRUE(QFileInfo(z.Temppfad).isDir());
    EXPECT_TRUE(QDir(z.Temppfad).isEmpty());
    EXPECT_EQ(z.Seitenanzahl, 1);
    Zustand leer = Standardzustand();
    EXPECT_EQ(z.BuchstabenFeld, leer.BuchstabenFeld);
    EXPECT_EQ(z.akt_Seite, 1);
    EXPECT_FALSE(z.Schliessen_nach_Speichern);
    EXPECT_TRUE(z.Dokument_gespeichert);  // the assistant's refresh clears the file state
    EXPECT_EQ(z.Dateiname, QStringLiteral("/bleibt.qxt"));

    z.Dokument_geladen = true;
    Ohne_Speichern_beenden(z);
    EXPECT_FALSE(z.Dokument_gespeichert);
    EXPECT_FALSE(z.Dokument_geladen);
    EXPECT_TRUE(Dateien().isEmpty());
}

TEST_F(Speichern_Test, VerlassenOhneZwischenspeicherordnerLegtKeinenAn) {
    z.Temppfad.clear();
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(tmp.path());
    Dokument_schliessen(z);
    QDir::setCurrent(vorher);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}
