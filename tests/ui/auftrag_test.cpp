// The jobs the typewriter window carries out when it is shown: open a document, start from a
// template, start anew; a file that cannot be used is refused and the window still opens.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "Fensterhilfen.h"
#include "storage/Dokumentdatei.h"
#include "storage/Vorlage.h"

class AuftragTest : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;

private slots:
    void dokumentLaden() {
        const QString datei = ordner_.filePath(QStringLiteral("2024-05-01 10-00-00 Brief.qxt"));
        {
            Zustand quelle;
            Standardseite_einrichten(quelle);
            BuchstabenFeld_neu(quelle);
            quelle.Seitenanzahl = 2;
            quelle.BuchstabenFeld.neu(2 * 65, 61);
            quelle.BuchstabenFeld(66, 3) = {u'Q', Farbindex::blau};
            quelle.akt_Seite = 2;
            quelle.akt_Zeile = 1;
            quelle.akt_Spalte = 4;
            QVERIFY(!Speichern(quelle, datei));
        }
        Fensterprobe p([&](Zustand& z) {
            z.Auftrag = {};
            z.Auftrag.Laden = true;
            z.Dateiname = datei;
        });
        QCOMPARE(p.fenster->windowTitle(),
                 QStringLiteral("PC-Tastrolix - 2024-05-01 10-00-00 Brief"));
        QVERIFY(!p.z.Auftrag.Laden);
        QVERIFY(p.z.Dokument_geladen);
        QCOMPARE(p.z.Seitenanzahl, 2);
        QCOMPARE(p.z.BuchstabenFeld(66, 3), (TBuchstabe{u'Q', Farbindex::blau}));
        QCOMPARE(p.finde<QLabel>("Seitenpanel")->text(), QStringLiteral("Seite 2 von 2"));
        QCOMPARE(p.finde<QLabel>("Zeichenpanel")->text(), QStringLiteral("Zeichen 1 von 3840"));
        QVERIFY(p.finde<QToolButton>("Seitenwechsel_minus")->isEnabled());
        QVERIFY(!p.finde<QToolButton>("Seitenwechsel_plus")->isEnabled());
        QVERIFY(p.finde<QToolButton>("Seiten_minus_Button")->isEnabled());
        QVERIFY(p.meldungen.isEmpty());
    }

    void unbrauchbaresDokumentWirdAbgelehnt() {
        const QString datei = ordner_.filePath(QStringLiteral("kaputt.qxt"));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("kein Dokument");
        f.close();
        Fensterprobe p([&](Zustand& z) {
            z.Auftrag = {};
            z.Auftrag.Laden = true;
            z.Dateiname = datei;
        });
        QCOMPARE(p.meldungen.size(), 1);
        QVERIFY(p.meldungen[0].contains(QStringLiteral("kaputt.qxt")));
        QCOMPARE(p.fenster->windowTitle(), QStringLiteral("PC-Tastrolix - Neu"));
        QVERIFY(p.z.Dateiname.isEmpty());
        QCOMPARE(p.z.Seitenanzahl, 1);
        QCOMPARE(p.z.BuchstabenFeld.Zeilen(), 65);
        QCOMPARE(f.size(), qint64{13});  // the file itself is left alone
    }

    void neuesDokumentAusVorlage() {
        const QString vorlagen = ordner_.filePath(QStringLiteral("Vorlagen"));
        QVERIFY(QDir().mkpath(vorlagen));
        {
            Zustand quelle;
            Standardseite_einrichten(quelle);
            quelle.Blattbreite_mm = 297;
            quelle.Blatthoehe_mm = 420;
            quelle.Spalten_max = 100;
            quelle.Zeilen_max = 90;
            quelle.Seitenanzahl = 2;
            quelle.Schriftindex = 3;
            quelle.Schriftart = Schriftart_von(3);
            QVERIFY(!Vorlage_Speichern(quelle, vorlagen + QStringLiteral("/A3 gross.qxv")));
        }
        Fensterprobe p([&](Zustand& z) {
            z.Auftrag = {};
            z.Auftrag.Vorlage = true;
            z.Vorlagenpfad = vorlagen;
            z.Vorlagenname = QStringLiteral("A3 gross");
            z.Zielordner = ordner_.path() + QStringLiteral("/");
        });
        QCOMPARE(p.fenster->windowTitle(), QStringLiteral("PC-Tastrolix -  Neues Dokument"));
        QVERIFY(!p.z.Auftrag.Vorlage);
        QCOMPARE(p.z.Spalten_max, 100);
        QCOMPARE(p.z.BuchstabenFeld.Spalten(), 101);
        QCOMPARE(p.z.BuchstabenFeld.Zeilen(), 91);
        QCOMPARE(p.z.Seitenanzahl, 1);
        QCOMPARE(p.z.Schriftart, Schriftart_von(3));
        QCOMPARE(p.z.akt_Zeile, 0);
        QCOMPARE(p.finde<QLabel>("Spaltenpanel")->text(), QStringLiteral("Spalte 1 von 101"));
    }

    void auftragOhneNamenBleibtStehen() {
        Fensterprobe p([](Zustand& z) {
            z.Auftrag = {};
            z.Auftrag.Laden = true;
            z.Auftrag.Vorlage = true;
        });
        QVERIFY(p.z.Auftrag.Laden);
        QVERIFY(p.z.Auftrag.Vorlage);
        QCOMPARE(p.fenster->windowTitle(), QStringLiteral("PC-Tastrolix"));
    }

    void ablehnungKommtAlsMeldung() {
        Fensterprobe p;
        p.z.BuchstabenFeld(0, 60) = {u'x', 0};
        p.finde<QToolButton>("Modus_Einfuegen_Button")->click();
        p.ton.gespielt.clear();
        QTest::keyClick(p.fenster.get(), 'a');
        QCOMPARE(p.meldungen,
                 QStringList{QStringLiteral("Zum Einfügen muss das letzte Zeichen der Zeile frei sein.")});
        QVERIFY(p.ton.gespielt.empty());
        QVERIFY(p.z.BuchstabenFeld(0, 0).frei());
    }
};

TASTROLIX_TEST_MAIN(AuftragTest)
#include "auftrag_test.moc"
