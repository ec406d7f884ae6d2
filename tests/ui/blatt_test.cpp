// The sheet on screen: paper, characters, overstrikes, marking, and the redraw that folds
// requests; and the picture after a single-cell update equals a full drawing.

#include <QToolButton>
#include <functional>

#include "Fensterhilfen.h"
#include "window/Blattmaler.h"
#include "window/Schreibflaeche.h"

namespace {
QRgb Punkt(const QImage& bild, int x, int y) { return bild.pixel(x, y) & 0xFFFFFF; }

// A page with every kind of cell: colours, styles, marking, overstrikes, wide glyphs.
void Bunte_Seite(Zustand& z) {
    const QString text = QStringLiteral("Wäß ÄÖÜ §°²³µ @WMmw gjpqy ,.;:!?");
    const std::uint8_t attribute[] = {0,  1,  2 | 8, 3 | 16, 4 | 24, 7,      32,
                                      40, 17, 2 | 32 | 16};
    for (int zeile = 0; zeile <= z.Zeilen_max; zeile += 3) {
        for (int spalte = 0; spalte <= z.Spalten_max; ++spalte) {
            const QChar c = text[(spalte + zeile) % text.size()];
            z.BuchstabenFeld(zeile, spalte) = {c.unicode(),
                                               attribute[(spalte * 7 + zeile) % 10]};
        }
    }
    z.BuchstabenFeld(1, 5) = {u' ', 32};  // a marked blank shows nothing
    for (int i = 1; i < 40; ++i) {
        z.XFeld[static_cast<std::size_t>(i)] = {u"/_X-"[i % 4], static_cast<std::uint8_t>(i % 8),
                                                i, (i * 3) % (z.Zeilen_max + 1), 1};
    }
}
}  // namespace

class BlattTest : public QObject {
    Q_OBJECT

private slots:
    void leeresBlattHatRahmenRandUndSchreibbereich() {
        Fensterprobe p;
        auto* blatt = p.finde<Schreibflaeche>("Schreibflaeche");
        QVERIFY(blatt->isVisible());
        QCOMPARE(blatt->width(), 1090);
        QCOMPARE(blatt->height(), 1542);
        const QImage& bild = blatt->Bild();
        QCOMPARE(Punkt(bild, 0, 0), 0x808080u);
        QCOMPARE(Punkt(bild, 1089, 1541), 0x808080u);
        QCOMPARE(Punkt(bild, 5, 5), 0xFBFBFBu);
        QCOMPARE(Punkt(bild, 129, 300), 0xFBFBFBu);
        QCOMPARE(Punkt(bild, 130, 104), 0xFFFFFFu);
        QCOMPARE(Punkt(bild, 130, 103), 0xFBFBFBu);
        // The writing area ends one column width beyond the right margin (934 + 13).
        QCOMPARE(Punkt(bild, 946, 500), 0xFFFFFFu);
        QCOMPARE(Punkt(bild, 947, 500), 0xFBFBFBu);
        QCOMPARE(Punkt(bild, 500, 1422 + 19), 0xFFFFFFu);
        QCOMPARE(Punkt(bild, 500, 1422 + 20), 0xFBFBFBu);
        // The carriage stands at column 0 on the guide bar.
        QCOMPARE(p.finde<QWidget>("schlitten")->x(), 144);
        QCOMPARE(p.finde<QWidget>("schlitten")->y(), p.finde<QWidget>("waagen")->y());
    }

    void papierOhneFuellungUndGleicheFarben() {
        Fensterprobe p;
        p.z.Rand_fuellen = false;
        p.fenster->zeichnen();
        const QImage& umriss = p.finde<Schreibflaeche>("Schreibflaeche")->Bild();
        QCOMPARE(Punkt(umriss, 5, 5), 0xFFFFFFu);
        QCOMPARE(Punkt(umriss, 130, 300), 0xFBFBFBu);  // the outline
        QCOMPARE(Punkt(umriss, 131, 300), 0xFFFFFFu);

        p.z.Rand_fuellen = true;
        p.z.Randfarbe = p.z.Papierfarbe;
        p.fenster->zeichnen();
        const QImage& schlicht = p.finde<Schreibflaeche>("Schreibflaeche")->Bild();
        QCOMPARE(Punkt(schlicht, 130, 300), 0xFFFFFFu);
        QCOMPARE(Punkt(schlicht, 0, 300), 0x808080u);
    }

    void zweiAnforderungenGebenEineZeichnung() {
        Fensterprobe p;
        const int vorher = p.fenster->Neuzeichnungen();
        p.fenster->zeichne_mit_timer();
        p.fenster->zeichne_mit_timer();
        QTest::qWait(30);
        QCOMPARE(p.fenster->Neuzeichnungen(), vorher + 1);
    }

    void zeichenInIhrerFarbeUndMarkierungSchaltetKnoepfe() {
        Fensterprobe p;
        p.z.BuchstabenFeld(0, 0) = {u'M', Farbindex::rot | Attribut::Fett};
        p.fenster->buchstaben_zeichnen();
        const QImage& bild = p.finde<Schreibflaeche>("Schreibflaeche")->Bild();
        bool rot = false;
        for (int y = 104; y < 124; ++y) {
            for (int x = 130; x < 143; ++x) rot |= Punkt(bild, x, y) == 0xFF0000u;
        }
        QVERIFY(rot);
        QVERIFY(!p.z.Markierung_vorhanden);
        QVERIFY(!p.finde<QToolButton>("Kopieren_Button")->isEnabled());

        p.z.BuchstabenFeld(0, 0).attribut |= Attribut::Markiert;
        p.fenster->buchstaben_zeichnen();
        QVERIFY(p.z.Markierung_vorhanden);
        for (const char* name : {"Markierung_ausschalten", "Markierung_loeschen",
                                 "Markierung_formatieren", "Kopieren_Button",
                                 "Ausschneiden_Button"}) {
            QVERIFY2(p.finde<QToolButton>(name)->isEnabled(), name);
        }
        QVERIFY(!p.finde<QToolButton>("Einfuegen_Button")->isEnabled());
    }

    void ueberschlagFremderSeiteBleibtUnsichtbar() {
        Fensterprobe p;
        p.z.XFeld[1] = {u'X', 0, 2, 0, 2};
        p.fenster->zeichnen();
        p.fenster->buchstaben_zeichnen();
        const QImage& bild = p.finde<Schreibflaeche>("Schreibflaeche")->Bild();
        for (int y = 104; y < 124; ++y) {
            for (int x = 157; x < 170; ++x) QCOMPARE(Punkt(bild, x, y), 0xFFFFFFu);
        }
    }

    void seitenwechselVerbirgtDasBlattEineDrittelsekunde() {
        Fensterprobe p;
        auto* blatt = p.finde<QWidget>("Schreibflaeche");
        p.fenster->Seitenwechsel();
        QVERIFY(!blatt->isVisible());
        QVERIFY(!p.finde<QWidget>("waagen")->isVisible());
        QVERIFY(!p.finde<QWidget>("schlitten")->isVisible());
        QTest::qWait(200);
        QVERIFY(!blatt->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(blatt->isVisible(), 1000);
    }

    void groessenaenderungLegtDasBlattNeuAus() {
        Fensterprobe p;
        p.fenster->resize(1000, 800);
        QTest::qWait(20);
        QVERIFY(!p.finde<QWidget>("Schreibflaeche")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(p.finde<QWidget>("Schreibflaeche")->isVisible(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(p.finde<QWidget>("Schreibflaeche")->width(), 1000 - 30, 1000);
    }

    void nachgezogenesBildGleichtVollerZeichnung() {
        Zustand z;
        Standardseite_einrichten(z);
        z.Schriftart = Schriftart_von(0);
        BuchstabenFeld_neu(z);
        blatt_berechnen(z, 1120, 800);
        Bunte_Seite(z);

        Blattmaler maler;
        QImage bild;
        const QSize groesse = z.Geometrie.Blatt.size();
        bool markiert = false;
        maler.zeichnen(bild, z, groesse, 1.0);
        maler.buchstaben_zeichnen(bild, z, 1.0, markiert);
        QVERIFY(markiert);

        // Each change alone, as a keystroke or a command leaves it; then the picture is brought
        // up to date and must equal a fresh full drawing.
        struct Aenderung {
            const char* was;
            std::function<void(Zustand&)> tun;
        };
        std::size_t frei = 100;
        const Aenderung aenderungen[] = {
            {"a letter", [](Zustand& s) { s.BuchstabenFeld(1, 0) = {u'a', 0}; }},
            {"red italic W", [](Zustand& s) { s.BuchstabenFeld(1, 1) = {u'W', 2 | 16}; }},
            {"an overstrike",
             [&](Zustand& s) { s.XFeld[frei++] = {u'X', 1, 0, 0, 1}; }},
            {"the last cell, marked",
             [](Zustand& s) { s.BuchstabenFeld(64, 60) = {u'Q', 7 | 8 | 32}; }},
            {"a character erased", [](Zustand& s) { s.BuchstabenFeld(0, 7).Zeichen = u' '; }},
            {"an overstrike freed", [](Zustand& s) { s.XFeld[3] = XBuchstabe{}; }},
            {"a marking cleared",
             [](Zustand& s) {
                 for (int c = 0; c <= 60; ++c) s.BuchstabenFeld(3, c).attribut &= 0x1F;
             }},
            {"an umlaut beside a neighbour", [](Zustand& s) { s.BuchstabenFeld(2, 10) = {u'\u00c4', 16}; }},
            {"a whole line gone",
             [](Zustand& s) {
                 for (int c = 0; c <= 60; ++c) s.BuchstabenFeld(6, c) = TBuchstabe{};
             }},
            {"half the page anew",
             [](Zustand& s) {
                 for (int r = 0; r < 32; ++r) {
                     for (int c = 0; c <= 60; ++c) s.BuchstabenFeld(r, c) = {u'#', 4};
                 }
             }},
        };
        for (const Aenderung& a : aenderungen) {
            a.tun(z);
            maler.buchstaben_zeichnen(bild, z, 1.0, markiert);

            QImage voll;
            Blattmaler frisch;
            bool auch_markiert = false;
            frisch.zeichnen(voll, z, groesse, 1.0);
            frisch.buchstaben_zeichnen(voll, z, 1.0, auch_markiert);
            QVERIFY2(bild == voll, a.was);
            QCOMPARE(markiert, auch_markiert);
        }
    }

    void tastenanschlagZeichnetNurSeineUmgebung() {
        Fensterprobe p;
        auto* blatt = p.finde<Schreibflaeche>("Schreibflaeche");
        const int vorher = p.fenster->Neuzeichnungen();
        QTest::keyClick(p.fenster.get(), 'k');
        // The delayed redraw after a stroke finds the picture up to date.
        QTest::qWait(30);
        QCOMPARE(p.fenster->Neuzeichnungen(), vorher + 1);
        QImage voll;
        Blattmaler frisch;
        bool markiert = false;
        frisch.zeichnen(voll, p.z, blatt->size(), blatt->devicePixelRatioF());
        frisch.buchstaben_zeichnen(voll, p.z, blatt->devicePixelRatioF(), markiert);
        QVERIFY(blatt->Bild() == voll);
    }
};

TASTROLIX_TEST_MAIN(BlattTest)
#include "blatt_test.moc"
