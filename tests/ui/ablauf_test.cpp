// The whole way of a new user: the program opens on the assistant, a new document is typed,
// saved under a dated name through the small dialog, left through the question, and the program
// is closed; the next start finds the document and the last page of the assistant.

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "Fensterhilfen.h"
#include "app/Programmfenster.h"
#include "storage/Dokumentdatei.h"
#include "storage/Einstellungen.h"

namespace {
QString Mitgelieferte_Benutzerdateien() {
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                           QStringLiteral("/../../resources/UserFiles/PC-Tastrolix"));
}

// The program's windows on a home folder of their own; every message box is recorded.
struct Programmprobe {
    Zustand z;
    Soundrecorder ton;
    std::unique_ptr<Programmfenster> f;
    QStringList meldungen;

    explicit Programmprobe(const QString& heim) {
        f = std::make_unique<Programmfenster>(
            z, ton, Ordnerquellen{heim, {Mitgelieferte_Benutzerdateien()}});
        auto aufzeichnen = [this](QMessageBox::Icon, const QString& text,
                                  QMessageBox::StandardButtons) {
            meldungen << text;
            return QMessageBox::Ok;
        };
        f->Assistent.Meldungsbox = aufzeichnen;
        f->Tastrolix.Meldungsbox = aufzeichnen;
        f->Speicherdialog_klein.Meldungsbox = [this](QWidget*, QMessageBox::Icon,
                                                     const QString& text, const QString&) {
            meldungen << text;
        };
        f->Assistent.show();
        QTest::qWait(20);
    }

    template <typename T>
    T* im_Assistenten(const char* name) const {
        return f->Assistent.findChild<T*>(QLatin1String(name));
    }
};
}  // namespace

class AblaufTest : public QObject {
    Q_OBJECT

private slots:
    void neuesDokumentSchreibenSpeichernVerlassen() {
        QTemporaryDir heim;
        const QString dokumente = heim.path() + QStringLiteral("/PC-Tastrolix/Dokumente");
        {
            Programmprobe p(heim.path());
            auto* register_feld = p.im_Assistenten<QTabWidget>("RegisterFeld");
            QCOMPARE(register_feld->tabText(register_feld->currentIndex()),
                     QStringLiteral("Dokumente"));
            QCOMPARE(p.f->Assistent.windowTitle(), QStringLiteral("PC-Tastrolix Assistent"));

            p.im_Assistenten<QPushButton>("Dokument_neu")->click();
            QTRY_VERIFY(p.f->Tastrolix.isVisible());
            QVERIFY(QTest::qWaitForWindowActive(&p.f->Tastrolix));
            QVERIFY(!p.f->Assistent.isVisible());
            QCOMPARE(p.f->Tastrolix.windowTitle(), QStringLiteral("PC-Tastrolix -  Neues Dokument"));

            QTest::keyClicks(&p.f->Tastrolix, QStringLiteral("Hallo"));
            QTest::keyClick(&p.f->Tastrolix, Qt::Key_S, Qt::ControlModifier);
            TSpeicherdialog_klein& dialog = p.f->Speicherdialog_klein;
            QTRY_VERIFY(dialog.isVisible());
            QVERIFY(dialog.Panel_Eingabe->isVisible());
            QTest::keyClicks(dialog.NameEdit, QStringLiteral("Brief"));
            QTest::keyClick(dialog.NameEdit, Qt::Key_Return);
            QTRY_VERIFY(!dialog.isVisible());

            const QStringList dateien = QDir(dokumente + QStringLiteral("/Meine Dokumente"))
                                            .entryList({QStringLiteral("*.qxt")}, QDir::Files);
            QCOMPARE(dateien.size(), 1);
            QVERIFY(QRegularExpression(QStringLiteral(
                        "^\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d Brief\\.qxt$"))
                        .match(dateien[0])
                        .hasMatch());
            Zustand gelesen;
            QVERIFY(!Laden(gelesen, dokumente + QStringLiteral("/Meine Dokumente/") + dateien[0]));
            QCOMPARE(gelesen.BuchstabenFeld(0, 0).Zeichen, u'H');
            QCOMPARE(gelesen.BuchstabenFeld(0, 4).Zeichen, u'o');

            // Closing never closes directly: the question comes, and leaving without saving
            // brings the assistant back.
            p.f->Tastrolix.close();
            QTRY_VERIFY(dialog.isVisible());
            QVERIFY(p.f->Tastrolix.isVisible());
            QVERIFY(dialog.Panel_Anzeigen->isVisible());
            QVERIFY(dialog.lAnzeige->text().contains(QStringLiteral("\"Brief\"")));
            dialog.bBeenden->click();
            QTRY_VERIFY(p.f->Assistent.isVisible());
            QVERIFY(!p.f->Tastrolix.isVisible());
            QCOMPARE(p.meldungen, QStringList{});

            register_feld->setCurrentIndex(3);
            p.f->Assistent.close();
        }
        QVERIFY(!QDir(heim.path() + QStringLiteral("/PC-Tastrolix/Temp")).exists());
        Zustand einstellungen;
        QVERIFY(!Einstellungen_laden(
            einstellungen, heim.path() + QStringLiteral("/PC-Tastrolix/Vorlagen/Einstellungen.ini")));
        QCOMPARE(einstellungen.Register_Index, 3);

        // The next start: the last page is open again and the document is listed.
        Programmprobe wieder(heim.path());
        QCOMPARE(wieder.im_Assistenten<QTabWidget>("RegisterFeld")->currentIndex(), 3);
        auto* baum = wieder.im_Assistenten<QTreeWidget>("Pfad_Liste");
        QCOMPARE(baum->findItems(QStringLiteral("Brief"), Qt::MatchContains | Qt::MatchRecursive)
                     .size(),
                 1);
    }
};

TASTROLIX_TEST_MAIN(AblaufTest)
#include "ablauf_test.moc"
