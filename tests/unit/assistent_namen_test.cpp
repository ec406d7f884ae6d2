// The document manager's names and file steps: typed names stay inside the documents folder,
// renaming keeps the date and time part, a pasted copy gets a fresh one and never replaces a file.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>

#include "assistant/logik/Dokumentbefehle.h"
#include "assistant/logik/Dokumenttexte.h"
#include "storage_Hilfen.h"

namespace {
const QString Doku = QStringLiteral("/home/u/Dokumente/PC-Tastrolix/Dokumente");

struct Befehlsordner : ::testing::Test {
    QTemporaryDir tmp;
    QString Pfad(const QString& rest) const { return tmp.path() + u'/' + rest; }
};
}  // namespace

TEST(NeuerOrdner, GetippterNameBleibtImDokumentenordner) {
    const struct {
        const char* eingabe;
        const char* pfad;  // null: refused
    } faelle[] = {
        {"Briefe", "/Briefe"},
        {"A\\B", "/A/B"},
        {"A/B", "/A/B"},
        {"A\\\\B\\", "/A/B"},
        {"Briefe 2013", "/Briefe 2013"},
        {"Brief..alt", "/Brief..alt"},
        {"..", nullptr},
        {"..\\Vorlagen", nullptr},
        {"A\\..\\..\\x", nullptr},
        {"A/../../x", nullptr},
        {"\\Windows", nullptr},
        {"/etc", nullptr},
        {".versteckt", nullptr},
        {"A\\.b", nullptr},
        {"\\", nullptr},
    };
    for (const auto& f : faelle) {
        const QString eingabe = QString::fromUtf8(f.eingabe);
        const Benutzerpfad p = Neuer_Ordner_Pfad(Doku, eingabe);
        if (f.pfad) {
            EXPECT_EQ(p.Pfad, Doku + f.pfad) << f.eingabe;
            EXPECT_FALSE(p.Fehler) << f.eingabe;
        } else {
            EXPECT_TRUE(p.Pfad.isEmpty()) << f.eingabe;
            EXPECT_EQ(p.Fehler, Meldung_Ordnername_ungueltig(eingabe)) << f.eingabe;
        }
    }
    EXPECT_TRUE(Neuer_Ordner_Pfad(QString(), "Briefe").Fehler);
    EXPECT_EQ(Meldung_Ordnername_ungueltig(".."),
              QString::fromUtf8("Der Ordnername \"..\" ist nicht erlaubt. Neue Ordner entstehen im "
                                "Dokumentenordner: Der Name darf nicht mit \"\\\" oder \"/\" "
                                "beginnen, und kein Teil des Namens darf mit \".\" beginnen (auch "
                                "nicht \"..\")."));
}

TEST_F(Befehlsordner, OrdnerAnlegenVerschachteltUndNichtDoppelt) {
    const Benutzerpfad p = Neuer_Ordner_Pfad(tmp.path(), "A\\B");
    EXPECT_FALSE(Ordner_anlegen(p.Pfad));
    EXPECT_TRUE(QFileInfo(Pfad("A/B")).isDir());
    EXPECT_EQ(Ordner_anlegen(p.Pfad), QString("Dieser Name existiert bereits."));
    // A file in the way is no folder that exists, and the failure is told.
    Schreiben(Pfad("Datei"), "x");
    EXPECT_EQ(Ordner_anlegen(Pfad("Datei")), Meldung_Ordner_nicht_angelegt(Pfad("Datei")));
}

TEST(Umbenennen, ZielBehaeltDatumUndOrdner) {
    const tNodeInfo brief{false, Doku + "/Briefe/2013-05-01 14-03-59 Brief.qxt"};
    const tNodeInfo ordner{true, Doku + "/Briefe"};
    const tNodeInfo kurz{false, Doku + "/Brief.qxt"};
    const struct {
        tNodeInfo alt;
        const char* eingabe;
        QString neu;  // empty: refused
    } faelle[] = {
        {brief, "Antwort", Doku + "/Briefe/2013-05-01 14-03-59 Antwort.qxt"},
        {brief, "Antwort.v2", Doku + "/Briefe/2013-05-01 14-03-59 Antwort.v2.qxt"},
        {ordner, "Post", Doku + "/Post"},
        {ordner, "Post..alt", Doku + "/Post..alt"},
        // Without a date and time part the whole file name stands in its place.
        {kurz, "X", Doku + "/Brief.qxtX.qxt"},
        {brief, "..\\..\\x", {}},
        {brief, "a/b", {}},
        {ordner, "..", {}},
        {ordner, ".", {}},
        {ordner, ".versteckt", {}},
        {ordner, "A\\B", {}},
    };
    for (const auto& f : faelle) {
        const Benutzerpfad p = Umbenennen_Ziel(f.alt, f.eingabe);
        EXPECT_EQ(p.Pfad, f.neu) << f.eingabe;
        EXPECT_EQ(p.Fehler.has_value(), f.neu.isEmpty()) << f.eingabe;
        if (p.Fehler) {
            EXPECT_EQ(*p.Fehler, Meldung_Name_ungueltig(f.eingabe));
        }
    }
}

TEST_F(Befehlsordner, UmbenennenErsetztNieEinenVorhandenenEintrag) {
    Schreiben(Pfad("2013-05-01 14-03-59 Brief.qxt"), "alt");
    Schreiben(Pfad("2013-05-01 14-03-59 Antwort.qxt"), "anderes");
    ASSERT_TRUE(QDir().mkpath(Pfad("Briefe")));
    ASSERT_TRUE(QDir().mkpath(Pfad("Leer")));

    EXPECT_EQ(Eintrag_umbenennen(Pfad("2013-05-01 14-03-59 Brief.qxt"),
                                 Pfad("2013-05-01 14-03-59 Antwort.qxt")),
              QString("Dieser Name existiert bereits."));
    EXPECT_EQ(Lesen(Pfad("2013-05-01 14-03-59 Antwort.qxt")), "anderes");
    // An empty folder would be replaced by a plain rename.
    EXPECT_EQ(Eintrag_umbenennen(Pfad("Briefe"), Pfad("Leer")),
              QString("Dieser Name existiert bereits."));
    EXPECT_TRUE(QFileInfo(Pfad("Briefe")).isDir());

    EXPECT_FALSE(Eintrag_umbenennen(Pfad("Briefe"), Pfad("Briefe")));
    EXPECT_FALSE(Eintrag_umbenennen(Pfad("2013-05-01 14-03-59 Brief.qxt"),
                                    Pfad("2013-05-01 14-03-59 Neu.qxt")));
    EXPECT_EQ(Lesen(Pfad("2013-05-01 14-03-59 Neu.qxt")), "alt");
    EXPECT_FALSE(Eintrag_umbenennen(Pfad("Briefe"), Pfad("Post")));
    EXPECT_TRUE(QFileInfo(Pfad("Post")).isDir());

    EXPECT_EQ(Eintrag_umbenennen(Pfad("fehlt.qxt"), Pfad("neu.qxt")),
              Meldung_nicht_umbenannt(Pfad("fehlt.qxt"), Pfad("neu.qxt")));
}

TEST_F(Befehlsordner, EinfuegenMitFrischemDatumOhneZuErsetzen) {
    const QString quelle = Pfad("2013-05-01 14-03-59 Brief.qxt");
    Schreiben(quelle, "Inhalt");
    ASSERT_TRUE(QDir().mkpath(Pfad("Briefe")));
    const QDateTime jetzt(QDate(2013, 6, 3), QTime(8, 5, 9));

    const Benutzerpfad erste = Kopie_einfuegen(quelle, Pfad("Briefe"), jetzt);
    EXPECT_FALSE(erste.Fehler);
    EXPECT_EQ(erste.Pfad, Pfad("Briefe/2013-06-03 08-05-09 Brief.qxt"));
    EXPECT_EQ(Lesen(erste.Pfad), "Inhalt");
    // The same second again: the next free one, the first copy stays.
    Schreiben(erste.Pfad, "geändert");
    const Benutzerpfad zweite = Kopie_einfuegen(quelle, Pfad("Briefe"), jetzt);
    EXPECT_EQ(zweite.Pfad, Pfad("Briefe/2013-06-03 08-05-10 Brief.qxt"));
    EXPECT_EQ(Lesen(erste.Pfad), "geändert");
    EXPECT_EQ(Lesen(quelle), "Inhalt");

    QFile::remove(quelle);
    const Benutzerpfad weg = Kopie_einfuegen(quelle, Pfad("Briefe"), jetzt);
    EXPECT_TRUE(weg.Pfad.isEmpty());
    EXPECT_EQ(weg.Fehler, QString("Die Datei \"2013-05-01 14-03-59 Brief\" existiert nicht mehr "
                                  "und kann nicht kopiert werden."));
}

TEST_F(Befehlsordner, NurDokumenteDirektImOrdnerVerhindernDasLoeschen) {
    ASSERT_TRUE(QDir().mkpath(Pfad("Leer")));
    Schreiben(Pfad("Unter/Tief/2013-01-01 00-00-00 X.qxt"), "x");
    Schreiben(Pfad("Andere/Notiz.txt"), "x");
    Schreiben(Pfad("Voll/2013-01-01 00-00-00 X.qxt"), "x");
    EXPECT_FALSE(Ordner_hat_Dokumente(Pfad("Leer")));
    EXPECT_FALSE(Ordner_hat_Dokumente(Pfad("Unter")));
    EXPECT_FALSE(Ordner_hat_Dokumente(Pfad("Andere")));
    EXPECT_TRUE(Ordner_hat_Dokumente(Pfad("Voll")));
}

TEST(Dokumentbefehle, OrdnerEinerAuswahl) {
    const tNodeInfo dokument{false, Doku + "/Briefe/2013-05-01 14-03-59 Brief.qxt"};
    const tNodeInfo ordner{true, Doku + "/Briefe"};
    EXPECT_EQ(Zielordner_von(dokument), Doku + "/Briefe/");
    EXPECT_EQ(Zielordner_von(ordner), Doku + "/Briefe/");
    EXPECT_EQ(Ordner_von(dokument), Doku + "/Briefe");
    EXPECT_EQ(Ordner_von(ordner), Doku + "/Briefe");
    EXPECT_EQ(Baumtext_von(dokument.Name), QString("2013-05-01 14-03-59 Brief"));
}

TEST(Dokumenttexte, FragenUndVermerke) {
    const tNodeInfo dokument{false, Doku + "/Briefe/2013-05-01 14-03-59 Brief.qxt"};
    const Eingabefrage datei = Frage_Umbenennen(dokument);
    EXPECT_EQ(datei.Titel, QString("Datei Umbenennen"));
    EXPECT_EQ(datei.Frage, QString::fromUtf8("Bitte geben Sie einen neuen Namen für die Datei "
                                             "Brief ein."));
    EXPECT_EQ(datei.Vorgabe, QString("Brief"));
    const Eingabefrage ordner = Frage_Umbenennen({true, Doku + "/Briefe"});
    EXPECT_EQ(ordner.Titel, QString("Ordner Umbenennen"));
    EXPECT_EQ(ordner.Frage, QString::fromUtf8("Bitte geben Sie einen neuen Namen für den Ordner "
                                              "Briefe ein."));
    EXPECT_EQ(ordner.Vorgabe, QString("Briefe"));
    const Eingabefrage neu = Frage_Neuer_Ordner();
    EXPECT_EQ(neu.Titel, QString("Ordner benennen"));
    EXPECT_EQ(neu.Frage, QString("Bitte geben Sie den Ordnernamen ein"));
    EXPECT_TRUE(neu.Vorgabe.isEmpty());

    EXPECT_EQ(Kopiervermerk(dokument.Name),
              QString::fromUtf8("Sie haben das Dokument\n\r\"Brief\"\n\rzum Kopieren ausgewählt."));
    EXPECT_EQ(Meldung_geloescht("/d/x.qxt"),
              QString::fromUtf8("/d/x.qxt wurde erfolgreich gelöscht"));
    EXPECT_EQ(Meldung_nicht_geloescht("/d/x.qxt"),
              QString::fromUtf8("/d/x.qxt konnte nicht gelöscht werden"));
}
