// Dated document names, the name field's rules and the texts of saving.

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "storage/logik/Dokumentnamen.h"
#include "storage/logik/Speichertexte.h"
#include "storage_Hilfen.h"

namespace {
QDateTime Um(int j, int m, int t, int h, int n, int s) {
    return QDateTime(QDate(j, m, t), QTime(h, n, s));
}
}  // namespace

TEST(SpeichernNamen, DatumUndUhrzeitSindZwanzigZeichenMitStundenBis23) {
    struct Fall {
        QDateTime zeit;
        const char* teil;
    };
    const Fall faelle[] = {
        {Um(2013, 1, 31, 14, 5, 9), "2013-01-31 14-05-09 "},
        {Um(2024, 12, 1, 0, 0, 0), "2024-12-01 00-00-00 "},
        {Um(999, 2, 3, 23, 59, 59), "0999-02-03 23-59-59 "},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Datum_Zeit_Teil(f.zeit), QString::fromLatin1(f.teil));
        EXPECT_EQ(Datum_Zeit_Teil(f.zeit).size(), Datum_Zeit_Laenge);
    }
}

TEST(SpeichernNamen, AnzeigenameBeginntBeimEinundzwanzigstenZeichen) {
    struct Fall {
        const char* datei;
        const char* name;
    };
    const Fall faelle[] = {
        {"/h/Dokumente/2013-01-31 14-05-09 Brief.qxt", "Brief"},
        {"/h/Dokumente/2013-01-31 14-05-09 Brief 1.2.qxt", "Brief 1.2"},  // only the last dot
        {"/h/Dokumente/2013-01-31 14-05-09 .qxt", ""},                    // an empty name
        {"/h/Dokumente/Brief.qxt", ""},                                   // shorter than 21
        {"/h/Dokumente/01234567890123456789X.qxt", "X"},
        {"", ""},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Anzeigename(QString::fromUtf8(f.datei)), QString::fromUtf8(f.name)) << f.datei;
    }
}

TEST(SpeichernNamen, EndungsregelErsetztAbDemLetztenPunkt) {
    struct Fall {
        const char* name;
        const char* datei;
    };
    const Fall faelle[] = {
        {"Brief 1.2", "Brief 1.qxt"}, {"Brief", "Brief.qxt"}, {"a.b.c", "a.b.qxt"},
        {"Brief.", "Brief.qxt"},      {".txt", ".qxt"},       {"", ".qxt"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Mit_Endung_qxt(QString::fromUtf8(f.name)), QString::fromUtf8(f.datei)) << f.name;
    }
}

TEST(SpeichernNamen, GenauNeunZeichenWerdenAbgelehnt) {
    const QString abgelehnt = QStringLiteral("\"*/:<>?\\|");
    for (QChar c : abgelehnt) EXPECT_TRUE(Zeichen_abgelehnt(c)) << int{c.unicode()};
    for (QChar c : QString::fromUtf8(".- _'äß€()[]{}!#%&+,;=@~$`^")) {
        EXPECT_FALSE(Zeichen_abgelehnt(c)) << int{c.unicode()};
    }
    EXPECT_EQ(Ohne_abgelehnte_Zeichen(QStringLiteral("a\"b*c/d:e<f>g?h\\i|j")),
              QStringLiteral("abcdefghij"));
    EXPECT_EQ(Name_max, 39);
}

TEST(SpeichernNamen, TexteWortFuerWort) {
    EXPECT_EQ(Meldung_gespeichert(QStringLiteral("Brief")),
              QStringLiteral("Das Dokument \"Brief\" wurde erfolgreich gespeichert."));
    EXPECT_EQ(Meldung_Speichern_fehlgeschlagen(), QStringLiteral("Speichern fehlgeschlagen."));
    EXPECT_EQ(
        Frage_vor_dem_Beenden(QStringLiteral("Brief")),
        QStringLiteral("Soll das Dokument \"Brief\" \n\rvor dem Beenden gespeichert werden?"));
    EXPECT_EQ(Frage_Entwurf(), QStringLiteral("Soll das Dokument gespeichert werden?"));

    Zustand z;
    EXPECT_EQ(Titel_nach_Speichern(z), QStringLiteral("PC-Tastrolix - Neu"));
    z.Dateiname = QStringLiteral("/h/2013-01-31 14-05-09 Brief.qxt");
    EXPECT_EQ(Titel_nach_Speichern(z), QStringLiteral("PC-Tastrolix - Brief"));
    z.Dateiname = QStringLiteral("/h/Brief.qxt");  // too short for a name: only the dash stays
    EXPECT_EQ(Titel_nach_Speichern(z), QStringLiteral("PC-Tastrolix - "));
}

TEST(SpeichernNamen, UhrDesDialogsMitSekundenOhneZeitzone) {
    EXPECT_EQ(Datum_Anzeige(QDate(2013, 1, 31)), QStringLiteral("31.01.2013"));
    const QTime zeit(14, 5, 9);
    EXPECT_EQ(Uhrzeit_Anzeige(zeit, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("14:05:09 Uhr"));
    EXPECT_EQ(Uhrzeit_Anzeige(zeit, QLocale::c()), QStringLiteral("14:05:09 Uhr"));
    const QString englisch =
        Uhrzeit_Anzeige(zeit, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(englisch.startsWith(QStringLiteral("2:05:09"))) << englisch.toStdString();
    EXPECT_TRUE(englisch.endsWith(QStringLiteral("PM Uhr"))) << englisch.toStdString();
}
