// The small save dialog driven as the user drives it: the name field, Enter, the question when a
// document is left, the three buttons, the close box, the clock, and the two save commands.

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "Fensterhilfen.h"
#include "storage/Dokumentdatei.h"
#include "storage/dialoge/Speicherbefehle.h"
#include "storage/dialoge/TSpeicherdialog_klein.h"
#include "storage/logik/Speichertexte.h"

namespace {
const QDateTime Jetzt(QDate(2013, 1, 31), QTime(14, 5, 9));

struct Meldung {
    QMessageBox::Icon art;
    QString text;
    QString zusatz;
};

// A typed page, its folders on a temporary disk, and the dialog with a fixed clock; the message
// boxes and the dialog's signals are recorded in the order they come.
struct Dialogprobe {
    QTemporaryDir tmp;
    Zustand z;
    TSpeicherdialog_klein dialog{z};
    QDateTime uhr = Jetzt;
    std::vector<Meldung> meldungen;
    QStringList signale;

    Dialogprobe() {
        Standardseite_einrichten(z);
        BuchstabenFeld_neu(z);
        const QString anrede = QStringLiteral("Liebe Anna");
        for (int i = 0; i < anrede.size(); ++i) z.BuchstabenFeld(0, i) = {anrede[i].unicode(), 0};
        z.Zielordner = tmp.path() + QStringLiteral("/Dokumente/");
        z.Temppfad = tmp.path() + QStringLiteral("/Temp");
        QDir().mkpath(z.Temppfad + QStringLiteral("/Ungespeichert"));
        dialog.Uhr = [this] { return uhr; };
        dialog.Meldungsbox = [this](QWidget*, QMessageBox::Icon art, const QString& text,
                                    const QString& zusatz) {
            meldungen.push_back({art, text, zusatz});
        };
        QObject::connect(&dialog, &TSpeicherdialog_klein::Gespeichert,
                         [this] { signale << QStringLiteral("Gespeichert"); });
        QObject::connect(&dialog, &TSpeicherdialog_klein::Dokument_verlassen,
                         [this] { signale << QStringLiteral("Dokument_verlassen"); });
    }

    // A document opened from a file in the documents folder.
    void Geoeffnet() {
        QDir().mkpath(z.Zielordner);
        z.Dateiname = z.Zielordner + QStringLiteral("2013-01-01 10-00-00 Brief.qxt");
        QVERIFY(!Speichern(z, z.Dateiname));
        z.Dokument_geladen = true;
        z.Dokumentname = QStringLiteral("Brief");
    }
    QStringList Dokumente() const { return QDir(z.Zielordner).entryList(QDir::Files, QDir::Name); }
    bool Leer() const {
        for (const TBuchstabe& b : z.BuchstabenFeld.Zellen()) {
            if (!b.frei()) return false;
        }
        return true;
    }
    template <typename T>
    T* finde(const char* name) const {
        return dialog.findChild<T*>(QLatin1String(name));
    }
};
}  // namespace

class SpeicherdialogTest : public QObject {
    Q_OBJECT

  private slots:
    void aufbauUndNamen() {
        Dialogprobe p;
        QCOMPARE(p.dialog.windowTitle(), QStringLiteral("Speichern..."));
        QVERIFY(!p.dialog.isModal());
        QCOMPARE(p.dialog.bSpeichern->text(), QStringLiteral("Speichern"));
        QCOMPARE(p.dialog.bBeenden->text(), QStringLiteral("ohne Speichern beenden"));
        QCOMPARE(p.dialog.bAbbrechen->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(p.dialog.lAnzeige->text(),
                 QStringLiteral("Soll das Dokument gespeichert werden?"));
        QCOMPARE(p.dialog.NameEdit->maxLength(), 39);
        QStringList beschriftungen;
        for (QLabel* l : p.dialog.Panel_Eingabe->findChildren<QLabel*>()) {
            beschriftungen << l->text();
        }
        for (const char* text : {"Bezeichnung", "Datum", "Uhrzeit"}) {
            QVERIFY2(beschriftungen.contains(QLatin1String(text)), text);
        }
        for (QWidget* w : p.dialog.findChildren<QWidget*>()) {
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
        // Both panels take one place: the dialog keeps its size whichever is shown.
        p.dialog.show();
        const QSize eingabe = p.dialog.size();
        p.z.Schliessen_angefordert = true;
        p.Geoeffnet();
        p.dialog.Zeigen();
        QCOMPARE(p.dialog.size(), eingabe);
    }

    void namensfeldLehntNeunZeichenAbUndNimmtHoechstens39() {
        Dialogprobe p;
        Speichern_mit_Dialog(p.z, p.dialog, nullptr);
        QLineEdit* feld = p.dialog.NameEdit;
        QCOMPARE(feld->text(), QString());  // the design text is never shown
        QTest::keyClicks(feld, QStringLiteral("B\"r*i/e:f< >1?\\|"));
        QCOMPARE(feld->text(), QStringLiteral("Brief 1"));
        QTest::keyClicks(feld, QString(40, u'x'));
        QCOMPARE(feld->text().size(), 39);

        feld->clear();
        QApplication::clipboard()->setText(QStringLiteral("Brief: an \"Anna\"?"));
        feld->paste();
        QCOMPARE(feld->text(), QStringLiteral("Brief an Anna"));
    }

    void enterSpeichertNeuesDokumentUnterDatiertemNamen() {
        Dialogprobe p;
        QCOMPARE(Speichern_mit_Dialog(p.z, p.dialog, nullptr), Speicherausgang::Dialog_zeigen);
        QVERIFY(p.dialog.isVisible());
        QVERIFY(p.dialog.Panel_Eingabe->isVisible());
        QVERIFY(!p.dialog.Panel_Anzeigen->isVisible());
        QTest::keyClicks(p.dialog.NameEdit, QStringLiteral("Brief/"));
        QTest::keyClick(p.dialog.NameEdit, Qt::Key_Return);

        QCOMPARE(p.Dokumente(), QStringList{QStringLiteral("2013-01-31 14-05-09 Brief.qxt")});
        Zustand gelesen;
        QVERIFY(!Laden(gelesen, p.z.Dateiname));
        QCOMPARE(gelesen.BuchstabenFeld, p.z.BuchstabenFeld);
        QCOMPARE(gelesen.BuchstabenFeld(0, 6), (TBuchstabe{u'A', 0}));
        QCOMPARE(p.z.Dokumentname, QStringLiteral("Brief"));
        QVERIFY(p.z.Dokument_gespeichert);
        QCOMPARE(p.signale, QStringList{QStringLiteral("Gespeichert")});
        QVERIFY(p.meldungen.empty());  // the dialog's save shows no success message
        QVERIFY(!p.dialog.isVisible());
        QVERIFY(!p.Leer());  // the document stays open

        // The next save command writes the same file and says so.
        p.uhr = Jetzt.addSecs(30);
        QCOMPARE(Speichern_mit_Dialog(p.z, p.dialog, nullptr), Speicherausgang::Gespeichert);
        QCOMPARE(p.Dokumente().size(), 1);
        QCOMPARE(p.meldungen.size(), std::size_t{1});
        QCOMPARE(p.meldungen[0].art, QMessageBox::Information);
        QCOMPARE(p.meldungen[0].text,
                 QStringLiteral("Das Dokument \"Brief\" wurde erfolgreich gespeichert."));
        QCOMPARE(Titel_nach_Speichern(p.z), QStringLiteral("PC-Tastrolix - Brief"));
    }

    void geoeffnetesDokumentWirdOhneDialogNeuDatiertGespeichert() {
        Dialogprobe p;
        p.Geoeffnet();
        QCOMPARE(Speichern_mit_Dialog(p.z, p.dialog, nullptr), Speicherausgang::Gespeichert);
        QVERIFY(!p.dialog.isVisible());
        QCOMPARE(p.dialog.NameEdit->text(), QStringLiteral("Brief"));
        QCOMPARE(p.Dokumente().size(), 2);
        QCOMPARE(p.meldungen.back().text,
                 QStringLiteral("Das Dokument \"Brief\" wurde erfolgreich gespeichert."));
    }

    void schliessenFragtUndSpeichertFrischDatiert() {
        Dialogprobe p;
        p.Geoeffnet();
        Schliessen_anfordern(p.z, p.dialog);
        QVERIFY(p.z.Schliessen_angefordert && p.z.Schliessen_nach_Speichern);
        QVERIFY(p.dialog.Panel_Anzeigen->isVisible());
        QVERIFY(!p.dialog.Panel_Eingabe->isVisible());
        QVERIFY(!p.dialog.Timer1.isActive());
        QCOMPARE(
            p.dialog.lAnzeige->text(),
            QStringLiteral("Soll das Dokument \"Brief\" \n\rvor dem Beenden gespeichert werden?"));

        QTest::mouseClick(p.dialog.bSpeichern, Qt::LeftButton);
        QCOMPARE(p.Dokumente(), QStringList({QStringLiteral("2013-01-01 10-00-00 Brief.qxt"),
                                             QStringLiteral("2013-01-31 14-05-09 Brief.qxt")}));
        QCOMPARE(p.signale, QStringList({QStringLiteral("Gespeichert"),
                                         QStringLiteral("Dokument_verlassen")}));
        QVERIFY(p.Leer());
        QVERIFY(QDir(p.z.Temppfad).isEmpty());
        QVERIFY(!p.z.Schliessen_nach_Speichern);
        QVERIFY(!p.dialog.isVisible());
    }

    void ohneSpeichernBeendenSchreibtNichts() {
        Dialogprobe p;
        p.z.Dokumentname = QStringLiteral("Entwurf");
        Schliessen_anfordern(p.z, p.dialog);
        QVERIFY(p.dialog.Panel_Eingabe->isVisible());  // no file yet: the name is asked for
        QCOMPARE(p.dialog.NameEdit->text(), QStringLiteral("Entwurf"));

        QTest::mouseClick(p.dialog.bBeenden, Qt::LeftButton);
        QVERIFY(!QDir(p.z.Zielordner).exists());
        QCOMPARE(p.signale, QStringList{QStringLiteral("Dokument_verlassen")});
        QVERIFY(p.Leer());
        QVERIFY(QDir(p.z.Temppfad).isEmpty());
        QVERIFY(!p.z.Dokument_gespeichert && !p.z.Dokument_geladen);
        QVERIFY(!p.dialog.isVisible());
    }

    void abbrechenSchliessfeldUndEscapeAendernNichts() {
        Dialogprobe p;
        p.Geoeffnet();
        for (int weg = 0; weg < 3; ++weg) {
            Schliessen_anfordern(p.z, p.dialog);
            QVERIFY(p.dialog.isVisible());
            if (weg == 0) QTest::mouseClick(p.dialog.bAbbrechen, Qt::LeftButton);
            if (weg == 1) p.dialog.close();
            if (weg == 2) QTest::keyClick(&p.dialog, Qt::Key_Escape);
            QVERIFY2(!p.dialog.isVisible(), qPrintable(QString::number(weg)));
            QVERIFY(p.signale.isEmpty());
            QCOMPARE(p.Dokumente().size(), 1);
            QVERIFY(!p.Leer());
            QVERIFY(p.z.Schliessen_nach_Speichern);  // stays set until the window is shown again
        }
    }

    // After a cancelled close request the next save through the dialog also leaves the document.
    void nachAbgebrochenemSchliessenVerlaesstAuchDasSpeichern() {
        Dialogprobe p;
        Schliessen_anfordern(p.z, p.dialog);
        QTest::mouseClick(p.dialog.bAbbrechen, Qt::LeftButton);
        p.z.Schliessen_angefordert = false;  // the toolbar button
        Speichern_mit_Dialog(p.z, p.dialog, nullptr);
        QTest::keyClicks(p.dialog.NameEdit, QStringLiteral("Notiz"));
        QTest::keyClick(p.dialog.NameEdit, Qt::Key_Enter);
        QCOMPARE(p.Dokumente(), QStringList{QStringLiteral("2013-01-31 14-05-09 Notiz.qxt")});
        QCOMPARE(p.signale.back(), QStringLiteral("Dokument_verlassen"));
    }

    void fehlschlagZeigtDenGrundUndBleibtImDialog() {
        Dialogprobe p;
        QFile datei(p.tmp.path() + QStringLiteral("/kein Ordner"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        p.z.Zielordner = datei.fileName() + QStringLiteral("/");
        p.z.Schliessen_nach_Speichern = true;
        Speichern_mit_Dialog(p.z, p.dialog, nullptr);
        QTest::keyClicks(p.dialog.NameEdit, QStringLiteral("Brief"));
        QTest::keyClick(p.dialog.NameEdit, Qt::Key_Return);
        QCOMPARE(p.meldungen.size(), std::size_t{1});
        QCOMPARE(p.meldungen[0].art, QMessageBox::Critical);
        QVERIFY(p.meldungen[0].text.startsWith(QStringLiteral("Datei \"")));
        QVERIFY(p.dialog.isVisible());
        QVERIFY(p.signale.isEmpty());
        QVERIFY(!p.Leer());
        QVERIFY(!p.z.Dokument_gespeichert);
        QVERIFY(p.z.Dateiname.isEmpty());
    }

    void uhrZeigtDatumUndZeitAlleHundertMillisekunden() {
        Dialogprobe p;
        QVERIFY(!p.dialog.Timer1.isActive());
        Speichern_mit_Dialog(p.z, p.dialog, nullptr);
        QCOMPARE(p.dialog.Timer1.interval(), 100);
        QVERIFY(p.dialog.Timer1.isActive());
        QCOMPARE(p.dialog.lDatum->text(), QStringLiteral("31.01.2013"));
        QCOMPARE(p.dialog.lUhrzeit->text(), QStringLiteral("14:05:09 Uhr"));
        p.uhr = QDateTime(QDate(2013, 2, 1), QTime(0, 0, 1));
        QTRY_COMPARE_WITH_TIMEOUT(p.dialog.lUhrzeit->text(), QStringLiteral("00:00:01 Uhr"), 1000);
        QCOMPARE(p.dialog.lDatum->text(), QStringLiteral("01.02.2013"));
        QTest::mouseClick(p.dialog.bAbbrechen, Qt::LeftButton);
        QVERIFY(!p.dialog.Timer1.isActive());
    }
};

TASTROLIX_TEST_MAIN(SpeicherdialogTest)
#include "speicherdialog_test.moc"
