// Striking characters: the accepted set, sounds, overstrikes, insert mode and the wrap.

#include <gtest/gtest.h>

#include "Fixtures.h"
#include "Rekorder.h"
#include "Zeilentext.h"
#include "window/logik/Tastatur.h"

using Protokoll = std::vector<std::string>;

namespace {
void tippe(Zustand& z, Rueckmeldung& r, const QString& text, std::uint8_t attribut = 0) {
    for (QChar k : text) FormKeyPress(z, r, k.unicode(), attribut);
}
}  // namespace

TEST(ZeichenErlaubt, DieTastaturDerSchreibmaschine) {
    for (char16_t k : std::u16string_view(u" !\"#$%&()*+,-./09:;<=>?@AZ[]^_`az{|}~")) {
        EXPECT_TRUE(Zeichen_erlaubt(k)) << int(k);
    }
    for (char16_t k : std::u16string_view(u"§°²³´µÀÁÄÈÉÌÍÒÓÖÚÜßàáäèéìíòóöùúü")) {
        EXPECT_TRUE(Zeichen_erlaubt(k)) << int(k);
    }
    // The apostrophe, the backslash, control characters, the rest of Latin-1 and anything above.
    for (char16_t k : std::u16string_view(u"'\\\b\t\r\x1b\x7f\xa0\xa3\xc2\xd9\xf1\xff€")) {
        EXPECT_FALSE(Zeichen_erlaubt(k)) << int(k);
    }
}

TEST(FormKeyPress, EinAbgelehntesZeichenBleibtOhneJedeWirkung) {
    Zustand z = Standardzustand();
    const Zustand vorher = z;
    Rekorder r(z);
    for (char16_t k : {u'\'', u'\\', u'€', u'\r', u'\b'}) FormKeyPress(z, r, k, 0);
    EXPECT_TRUE(r.Protokoll.empty());
    EXPECT_EQ(z.BuchstabenFeld, vorher.BuchstabenFeld);
    EXPECT_EQ(z.akt_Spalte, 0);
}

TEST(FormKeyPress, EinAnschlagSchreibtZaehltRuecktUndKlingt) {
    Zustand z = Standardzustand();
    z.akt_Zeile = 3;
    z.akt_Spalte = 5;
    Rekorder r(z);
    FormKeyPress(z, r, u'a', Attribut::Fett | rot);

    EXPECT_EQ(z.BuchstabenFeld(3, 5), (TBuchstabe{u'a', Attribut::Fett | rot}));
    EXPECT_EQ(z.Zeichenzahl, 1);
    EXPECT_EQ(z.akt_Spalte, 6);
    // Only the struck cell is drawn at once; the whole sheet follows with the delayed redraw.
    EXPECT_EQ(r.Protokoll, (Protokoll{"zeichne_mit_timer", "UpdateStatusPanel", "zelle 3 5",
                                      "bewegeschlitten", "Sound 1"}));
    EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte 7 von 61"));
    EXPECT_EQ(r.Status[0].Zeichen, QStringLiteral("Zeichen 1 von 0"));
}

TEST(FormKeyPress, AbcAufEinerLeerenSeite) {
    Zustand z = Standardzustand();
    Rekorder r(z);
    tippe(z, r, "abc", blau);
    EXPECT_EQ(Zeilentext(z, 0), "abc");
    for (int c = 0; c < 3; ++c) EXPECT_EQ(z.BuchstabenFeld(0, c).attribut, blau);
    EXPECT_EQ(z.Zeichenzahl, 3);
    EXPECT_EQ(z.akt_Spalte, 3);
    EXPECT_EQ(r.Sounds(), (std::vector<int>{1, 1, 1}));
}

TEST(FormKeyPress, KlangNachZeichenUndSpalte) {
    struct Fall {
        char16_t k;
        int spalte;
        int ton;
    };
    // Spalten_max 60, Klingelabstand 10: the bell rings when the carriage arrives at 50 or 60.
    const Fall faelle[] = {
        {u'a', 0, 1},  {u'1', 0, 1},  {u'ß', 0, 1},  {u'É', 0, 1},  {u'A', 0, 11},
        {u'Z', 0, 11}, {u'Ä', 0, 11}, {u'Ö', 0, 11}, {u'Ü', 0, 11}, {u' ', 0, 2},
        {u'a', 48, 1}, {u'a', 49, 3}, {u'A', 49, 3}, {u' ', 49, 3}, {u'a', 50, 1},
        {u'a', 59, 3}, {u'A', 59, 3}, {u'a', 60, 3}, {u' ', 60, 3},
    };
    for (const Fall& f : faelle) {
        Zustand z = Standardzustand();
        z.akt_Spalte = f.spalte;
        Rekorder r(z);
        FormKeyPress(z, r, f.k, 0);
        EXPECT_EQ(r.Sounds(), std::vector<int>{f.ton}) << int(f.k) << " at " << f.spalte;
    }
}

TEST(FormKeyPress, EinLeerzeichenBelegtNichtsUndMeldetDieSpalteNochEinmal) {
    Zustand z = Standardzustand();
    z.akt_Spalte = 4;
    Rekorder r(z);
    FormKeyPress(z, r, u' ', gruen);
    EXPECT_EQ(z.BuchstabenFeld(0, 4), (TBuchstabe{u' ', gruen}));
    EXPECT_EQ(z.Zeichenzahl, 0);
    EXPECT_EQ(r.Protokoll, (Protokoll{"zeichne_mit_timer", "UpdateStatusPanel", "zelle 0 4",
                                      "bewegeschlitten", "Sound 2", "UpdateStatusPanel"}));
    EXPECT_EQ(r.Status[1].Spalte, QStringLiteral("Spalte 6 von 61"));
}

TEST(FormKeyPress, AmZeilenendeBleibtDerWagenStehen) {
    Zustand z = Standardzustand();
    z.AutoZeilenUmbruch = false;
    z.akt_Spalte = 60;
    Rekorder r(z);
    tippe(z, r, "ab");
    EXPECT_EQ(z.akt_Spalte, 60);
    EXPECT_EQ(z.BuchstabenFeld(0, 60).Zeichen, u'a');
    EXPECT_EQ(z.XFeld[1], (XBuchstabe{u'b', 0, 60, 0, 1}));
    EXPECT_EQ(r.Sounds(), (std::vector<int>{3, 3}));
}

TEST(Ueberschlag, BleibtUeberDemZeichenUndNimmtDenNiedrigstenFreienEintrag) {
    Zustand z = Standardzustand();
    z.Seitenanzahl = 2;
    z.BuchstabenFeld.neu(2 * 65, 61);
    z.akt_Seite = 2;
    z.akt_Zeile = 4;
    Schreibe(z, z.akt_Feldzeile(), 0, "ab");
    z.Zeichenzahl = 2;
    Rekorder r(z);

    tippe(z, r, "X/", rot);
    EXPECT_EQ(Zeilentext(z, z.akt_Feldzeile()), "ab");
    EXPECT_EQ(z.XFeld[0], XBuchstabe{}) << "index 0 is never filled by typing";
    EXPECT_EQ(z.XFeld[1], (XBuchstabe{u'X', rot, 0, 4, 2}));
    EXPECT_EQ(z.XFeld[2], (XBuchstabe{u'/', rot, 1, 4, 2}));
    EXPECT_EQ(z.Zeichenzahl, 2);
    EXPECT_EQ(z.akt_Spalte, 2);
    EXPECT_EQ(r.Protokoll[2], "zelle 4 0");

    z.XFeld[1].Zeichen = u' ';
    z.akt_Spalte = 0;
    FormKeyPress(z, r, u'-', 0);
    EXPECT_EQ(z.XFeld[1], (XBuchstabe{u'-', 0, 0, 4, 2})) << "a freed entry is taken again";
}

TEST(Ueberschlag, EineVolleListeErsetztIhrenLetztenEintrag) {
    Zustand z = Standardzustand();
    Schreibe(z, 0, 0, "a");
    for (std::size_t i = 1; i < z.XFeld.size(); ++i) z.XFeld[i] = {u'o', 0, 9, 9, 1};
    Rekorder r(z);
    FormKeyPress(z, r, u'X', 0);
    ASSERT_EQ(z.XFeld.size(), 500u);
    EXPECT_EQ(z.XFeld[499], (XBuchstabe{u'X', 0, 0, 0, 1}));
    EXPECT_EQ(z.XFeld[498].Zeichen, u'o');
    EXPECT_TRUE(z.XFeld[0].frei());
}

TEST(Ueberschlag, EinLeerzeichenAufEinemZeichenHinterlaesstNichts) {
    Zustand z = Standardzustand();
    Schreibe(z, 0, 0, "a");
    for (std::size_t i = 1; i < z.XFeld.size(); ++i) z.XFeld[i] = {u'o', 0, 9, 9, 1};
    const std::vector<XBuchstabe> vorher = z.XFeld;
    Rekorder r(z);
    FormKeyPress(z, r, u' ', 0);
    EXPECT_EQ(z.XFeld, vorher) << "not even the last entry of a full list is overwritten";
    EXPECT_EQ(z.BuchstabenFeld(0, 0).Zeichen, u'a');
    EXPECT_EQ(z.akt_Spalte, 1);
}

TEST(Ueberschlag, EineListeOhneEintraegeBekommtPlatz) {
    for (std::size_t groesse : {0u, 1u}) {
        Zustand z = Standardzustand();
        z.XFeld.assign(groesse, XBuchstabe{});
        Schreibe(z, 0, 0, "a");
        Rekorder r(z);
        FormKeyPress(z, r, u'X', 0);
        ASSERT_EQ(z.XFeld.size(), 500u) << groesse;
        EXPECT_TRUE(z.XFeld[0].frei());
        EXPECT_EQ(z.XFeld[1], (XBuchstabe{u'X', 0, 0, 0, 1}));
    }
}

TEST(Einfuegemodus, MachtPlatzFuerJedesZeichen) {
    Zustand z = Standardzustand();
    z.Modus_Einfuegen = true;
    z.akt_Spalte = 10;
    const QString zeile = QString(10, u'.') + QString(50, u'x') + QChar(u' ');
    Schreibe(z, 0, 0, zeile);
    z.BuchstabenFeld(0, 10).attribut = grau;
    z.XFeld[3] = {u'/', 0, 10, 0, 1};
    Rekorder r(z);

    FormKeyPress(z, r, u'y', blau);
    EXPECT_EQ(Zeilentext(z, 0), std::string(10, '.') + 'y' + std::string(50, 'x'));
    EXPECT_EQ(z.BuchstabenFeld(0, 10), (TBuchstabe{u'y', blau}));
    EXPECT_EQ(z.BuchstabenFeld(0, 11).attribut, grau);
    EXPECT_EQ(z.XFeld[3].spalte, 11);
    EXPECT_EQ(z.akt_Spalte, 11);
    EXPECT_EQ(r.Protokoll,
              (Protokoll{"zeichnen", "buchstaben_zeichnen", "Sound 2", "zeichne_mit_timer",
                         "UpdateStatusPanel", "zelle 0 10", "bewegeschlitten", "Sound 1"}));
}

TEST(Einfuegemodus, EinBelegtesZeilenendeWirdGemeldet) {
    Zustand z = Standardzustand();
    z.Modus_Einfuegen = true;
    z.akt_Spalte = 10;
    Schreibe(z, 0, 60, "z");
    const Zustand vorher = z;
    Rekorder r(z);
    FormKeyPress(z, r, u'y', 0);
    EXPECT_EQ(r.Protokoll,
              Protokoll{"Nachricht: Zum Einfügen muss das letzte Zeichen der Zeile frei sein."});
    EXPECT_EQ(z.BuchstabenFeld, vorher.BuchstabenFeld);
    EXPECT_EQ(z.akt_Spalte, 10);
}

TEST(Einfuegemodus, DerKnopfSchaltetUndBeschriftet) {
    Zustand z;
    EXPECT_EQ(Modus_Einfuegen_ButtonClick(z, true), QStringLiteral(u"Modus: Einfügen"));
    EXPECT_TRUE(z.Modus_Einfuegen);
    EXPECT_EQ(Modus_Einfuegen_ButtonClick(z, false), QString());
    EXPECT_FALSE(z.Modus_Einfuegen);
}

// The wrap: line 5 ends with "Haus" in columns 57 to 60, the carriage on column 60.
namespace {
struct Umbruchfall {
    const char* name;
    std::string zeile5;
    std::string zeile6;
    char16_t k;
    int zeile_danach;
    int spalte_danach;
    std::string zeile5_danach;
    std::string zeile6_danach;
    std::vector<int> toene;
};

Zustand Umbruchseite(const Umbruchfall& f) {
    Zustand z = Standardzustand();
    Schreibe(z, 5, 0, QString::fromStdString(f.zeile5));
    Schreibe(z, 6, 0, QString::fromStdString(f.zeile6));
    z.akt_Zeile = 5;
    z.akt_Spalte = 60;
    return z;
}
}  // namespace

TEST(Zeilenumbruch, DieDreiAusgaenge) {
    const std::string haus = std::string(57, ' ') + "Haus";
    const std::string voll(61, 'x');
    const std::string fast_voll = ' ' + std::string(60, 'x');
    const Umbruchfall faelle[] = {
        {"the word moves", haus, "", u'e', 6, 5, "", "Hause", {7}},
        {"no room: overprint", haus, "  ?", u'e', 5, 60, haus, "  ?", {3}},
        {"no room: a blank feeds a line", haus, "  ?", u' ', 6, 1, haus, "  ?", {7, 7}},
        // A word that fills the line from column 0 has no start before it: it never moves.
        {"no blank in the line", voll, "", u'e', 5, 60, voll, "", {3}},
        {"no blank, a blank typed", voll, "", u' ', 6, 1, voll, "", {7, 7}},
        // Only column 0 free: the word of 60 characters just fits with the new one after it.
        {"the longest word that moves",
         fast_voll,
         "",
         u'e',
         6,
         60,
         "",
         std::string(60, 'x') + "e",
         {7}},
    };
    for (const Umbruchfall& f : faelle) {
        Zustand z = Umbruchseite(f);
        Rekorder r(z);
        FormKeyPress(z, r, f.k, 0);
        EXPECT_EQ(z.akt_Zeile, f.zeile_danach) << f.name;
        EXPECT_EQ(z.akt_Spalte, f.spalte_danach) << f.name;
        EXPECT_EQ(Zeilentext(z, 5), f.zeile5_danach) << f.name;
        EXPECT_EQ(Zeilentext(z, 6), f.zeile6_danach) << f.name;
        EXPECT_EQ(r.Sounds(), f.toene) << f.name;
        EXPECT_EQ(Zeilentext(z, 7), "") << f.name << ": nothing reaches the line after";
    }
}

TEST(Zeilenumbruch, HausWandertMitFarbenUndUeberschlaegen) {
    Zustand z = Standardzustand();
    Schreibe(z, 5, 50, "Das", rot);
    Schreibe(z, 5, 57, "Haus", blau | Attribut::Fett);
    z.Zeichenzahl = 7;
    z.XFeld[1] = {u'_', 0, 60, 5, 1};  // on the s
    z.XFeld[2] = {u'_', 0, 52, 5, 1};  // on the word that stays
    z.akt_Zeile = 5;
    z.akt_Spalte = 60;
    Rekorder r(z);

    FormKeyPress(z, r, u'e', 0);
    EXPECT_EQ(Zeilentext(z, 5), std::string(50, ' ') + "Das");
    EXPECT_EQ(Zeilentext(z, 6), "Hause");
    for (int c = 0; c < 4; ++c) EXPECT_EQ(z.BuchstabenFeld(6, c).attribut, blau | Attribut::Fett);
    for (int c = 57; c <= 60; ++c) EXPECT_EQ(z.BuchstabenFeld(5, c), TBuchstabe{}) << c;
    EXPECT_EQ(z.XFeld[1], (XBuchstabe{u'_', 0, 3, 6, 1}));
    EXPECT_EQ(z.XFeld[2], (XBuchstabe{u'_', 0, 52, 5, 1}));
    EXPECT_EQ(z.Zeichenzahl, 8);
    EXPECT_EQ(z.akt_Zeile, 6);
    EXPECT_EQ(z.akt_Spalte, 5);
    EXPECT_EQ(r.Protokoll, (Protokoll{"zeichne_mit_timer", "UpdateStatusPanel", "zeichnen",
                                      "buchstaben_zeichnen", "bewegeschlitten", "Sound 7"}));
    EXPECT_EQ(r.Status[0].Zeile, QStringLiteral("Zeilen 7 von 65"));
    EXPECT_EQ(r.Status[0].Spalte, QStringLiteral("Spalte 6 von 61"));
}

TEST(Zeilenumbruch, NurWennEinGebrauchtesZeilenendeUndEineNaechsteZeileDa) {
    struct Fall {
        const char* name;
        bool auto_umbruch;
        int zeile;
    };
    for (const Fall& f : {Fall{"wrap switched off", false, 5}, Fall{"last line", true, 64}}) {
        Zustand z = Standardzustand();
        z.AutoZeilenUmbruch = f.auto_umbruch;
        Schreibe(z, f.zeile, 57, "Haus");
        z.akt_Zeile = f.zeile;
        z.akt_Spalte = 60;
        Rekorder r(z);
        FormKeyPress(z, r, u' ', 0);
        EXPECT_EQ(z.akt_Zeile, f.zeile) << f.name;
        EXPECT_EQ(z.akt_Spalte, 60) << f.name;
        EXPECT_EQ(Zeilentext(z, f.zeile), std::string(57, ' ') + "Haus") << f.name;
        EXPECT_EQ(r.Sounds(), std::vector<int>{3}) << f.name;
    }
}
