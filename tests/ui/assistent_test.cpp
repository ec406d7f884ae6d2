// The assistant as a user meets it: the start on a fresh documents folder, new documents and the
// hand-over to the typewriter window, the template description, the end after an unclean run,
// closing and starting again, and every command of the document tree.

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QCheckBox>
#include <QSlider>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <deque>

#include "Fensterhilfen.h"
#include "assistant/TAssistent.h"
#include "assistant/TEinstellungsseite.h"
#include "storage/Einstellungen.h"
#include "storage/Vorlage.h"

namespace {
// The starter tree this repository ships for the installation.
QString Mitgelieferte_Benutzerdateien() {
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                           QStringLiteral("/../../resources/UserFiles/PC-Tastrolix"));
}

struct Box {
    QMessageBox::Icon art;
    QString text;
    QMessageBox::StandardButtons knoepfe;
};

// An assistant on a home folder of its own, with a stand-in for the typewriter window. Message
// boxes are recorded and answered with `antwort`; questions for a line of text take the next of
// `eingaben` (nothing: cancelled).
struct Assistentprobe {
    QTemporaryDir heim;
    Zustand z;
    Soundrecorder ton;
    QWidget schreibmaschine;
    std::unique_ptr<TAssistent> fenster;
    std::vector<Box> boxen;
    QMessageBox::StandardButton antwort = QMessageBox::Yes;
    std::deque<std::optional<QString>> eingaben;
    std::vector<Eingabefrage> fragen;
    QDateTime uhr{QDate(2013, 6, 3), QTime(8, 5, 9)};

    Assistentprobe() { starten(); }

    void starten() {
        fenster =
            std::make_unique<TAssistent>(z, ton,
                                         Ordnerquellen{heim.path() + QStringLiteral("/Dokumente"),
                                                       {Mitgelieferte_Benutzerdateien()}});
        fenster->Meldungsbox = [this](QMessageBox::Icon art, const QString& text,
                                      QMessageBox::StandardButtons knoepfe) {
            boxen.push_back({art, text, knoepfe});
            return knoepfe.testFlag(antwort) ? antwort : QMessageBox::Ok;
        };
        fenster->Eingabe = [this](const Eingabefrage& frage) -> std::optional<QString> {
            fragen.push_back(frage);
            if (eingaben.empty()) return std::nullopt;
            std::optional<QString> eingabe;
            eingabe.swap(eingaben.front());
            eingaben.pop_front();
            return eingabe;
        };
        fenster->Uhr = [this] { return uhr; };
        fenster->Schreibmaschine_setzen(&schreibmaschine);
        fenster->show();
        QTest::qWait(10);
    }

    // Closes the assistant as the user would and starts the program again on the same folders.
    void neu_starten() {
        fenster->close();
        fenster.reset();
        z = Zustand{};
        starten();
    }

    QString Doku(const QString& rest = {}) const { return z.Dokumentenpfad + u'/' + rest; }
    void Datei(const QString& rest) const {
        QDir().mkpath(QFileInfo(Doku(rest)).absolutePath());
        QFile f(Doku(rest));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Dokument");
    }

    template <typename T>
    T* finde(const char* name) const {
        auto* w = fenster->findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QTreeWidget* baum() const { return finde<QTreeWidget>("Pfad_Liste"); }
    QTabWidget* register_() const { return finde<QTabWidget>("RegisterFeld"); }
    void klick(const char* knopf) const {
        QTest::mouseClick(finde<QPushButton>(knopf), Qt::LeftButton);
    }
    bool aktiv(const char* knopf) const { return finde<QPushButton>(knopf)->isEnabled(); }

    // The tree's entries, each before its children, indented two blanks a level.
    QStringList eintraege() const {
        QStringList aus;
        for (QTreeWidgetItemIterator it(baum()); *it; ++it) {
            int tiefe = 0;
            for (auto* k = (*it)->parent(); k; k = k->parent()) ++tiefe;
            aus << QString(2 * tiefe, u' ') + (*it)->text(0);
        }
        return aus;
    }
    QString gewaehlt() const {
        const auto liste = baum()->selectedItems();
        return liste.isEmpty() ? QString() : liste.first()->text(0);
    }
    QTreeWidgetItem* eintrag(const QString& text) const {
        for (QTreeWidgetItemIterator it(baum()); *it; ++it) {
            if ((*it)->text(0) == text) return *it;
        }
        qFatal("no entry %s", qPrintable(text));
    }
    // A click on the entry, as the user selects it.
    void waehlen(const QString& text) const {
        QTreeWidgetItem* k = eintrag(text);
        baum()->scrollToItem(k);
        QTest::mouseClick(baum()->viewport(), Qt::LeftButton, {},
                          baum()->visualItemRect(k).center());
        QTest::qWait(1);  // the branches open and close once the click is over
        QCOMPARE(gewaehlt(), text);
    }
    void doppelklick(const QString& text) const {
        QTreeWidgetItem* k = eintrag(text);
        baum()->scrollToItem(k);
        const QPoint stelle = baum()->visualItemRect(k).center();
        QTest::mouseClick(baum()->viewport(), Qt::LeftButton, {}, stelle);
        QTest::mouseDClick(baum()->viewport(), Qt::LeftButton, {}, stelle);
    }
    QStringList texte() const {
        QStringList aus;
        for (const Box& b : boxen) aus << b.text;
        return aus;
    }
    bool uebergeben() const { return schreibmaschine.isVisible() && !fenster->isVisible(); }
};

const QString Brief = QStringLiteral("2013-05-01 14-03-59 Brief");
const QString Notiz = QStringLiteral("2013-05-02 09-00-00 Notiz");
}  // namespace

class AssistentTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void ersterStartZeigtDokumenteMitGewaehltemStarterordner() {
        Assistentprobe p;
        QCOMPARE(p.fenster->windowTitle(), QStringLiteral("PC-Tastrolix Assistent"));
        QCOMPARE(p.fenster->size(), QSize(634, 554));
        QCOMPARE(p.fenster->minimumSize(), p.fenster->maximumSize());
        QVERIFY(p.fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!p.fenster->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

        const char* const reiter[] = {"Dokumente", "Vorlagenverwaltung", "Vorlage erstellen",
                                      "Einstellungen"};
        const char* const beenden[] = {"Button2", "btAbbrechen", "Button1", "Button3"};
        QCOMPARE(p.register_()->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(p.register_()->tabText(i), QString::fromUtf8(reiter[i]));
            auto* knopf = p.finde<QPushButton>(beenden[i]);
            QCOMPARE(knopf->text(), QStringLiteral("Programm beenden"));
            QCOMPARE(knopf->accessibleName(), knopf->text());
            QVERIFY(p.register_()->widget(i)->isAncestorOf(knopf));
        }
        QCOMPARE(p.register_()->currentIndex(), 0);
        auto* einstellungen = p.fenster->findChild<TEinstellungsseite*>();
        QVERIFY(einstellungen && p.register_()->widget(3)->isAncestorOf(einstellungen));

        QCOMPARE(p.eintraege(), QStringList{"Meine Dokumente"});
        QCOMPARE(p.gewaehlt(), QStringLiteral("Meine Dokumente"));
        QVERIFY(p.aktiv("Dokument_neu"));
        QVERIFY(p.aktiv("Neuer_Ordner"));
        QVERIFY(!p.aktiv("Dokument_laden"));
        QVERIFY(!p.aktiv("Dokument_einfuegen"));
        QVERIFY(QFileInfo::exists(p.z.Vorlagenpfad + QStringLiteral("/A4 Standard.qxv")));
        QCOMPARE(p.z.Speicherintervall, 300000);
        QVERIFY(p.finde<QPushButton>("btFehlerbehebung")->isHidden());
        for (const char* box : {"Vorlagen_Box", "Vorlagen_Box2"}) {
            QCOMPARE(p.finde<QComboBox>(box)->count(), 1);
            QCOMPARE(p.finde<QComboBox>(box)->currentText(), QStringLiteral("A4 Standard"));
            QCOMPARE(p.finde<QComboBox>(box)->maxVisibleItems(), 10);
        }
        QTest::qWait(10);
        QVERIFY(p.boxen.empty());
    }

    void meldungenDesStartsErscheinenMitDemFenster() {
        Assistentprobe p;
        p.fenster->close();
        p.fenster.reset();
        const QString einstellungen = p.z.Vorlagenpfad + QStringLiteral("/Einstellungen.ini");
        QFile f(einstellungen);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(57, '\x7f'));  // volumes and the page index out of range
        f.close();
        p.z = Zustand{};
        p.starten();
        QTRY_COMPARE(p.boxen.size(), size_t{1});
        QCOMPARE(p.boxen[0].art, QMessageBox::Critical);
        QVERIFY(p.boxen[0].text.contains(QStringLiteral("Einstellungen.ini")));
        QCOMPARE(p.register_()->currentIndex(), 0);
        QCOMPARE(p.gewaehlt(), QStringLiteral("Meine Dokumente"));
    }

    void vorlagenwahlOeffnetSichBeimTippen() {
        Assistentprobe p;
        auto* box = p.finde<QComboBox>("Vorlagen_Box2");
        QVERIFY(!box->isEditable());
        QTest::keyClick(box, Qt::Key_A);
        QVERIFY(box->view()->isVisible());
        box->hidePopup();
        QCOMPARE(box->currentText(), QStringLiteral("A4 Standard"));
    }

    void knoepfeMitBeschriftungUndHinweis() {
        Assistentprobe p;
        const struct {
            const char* name;
            const char* text;
            const char* hinweis;
        } knoepfe[] = {
            {"Dokument_neu", "Neues Dokument", ""},
            {"Neuer_Ordner", "Neuer Ordner", "Ein neuner Ordner wird angelegt."},
            {"Dokument_laden", "Dokument laden", "Das gewählte Dokument wird geladen."},
            {"Umbenennen", "Umbenennen",
             "Das gewählte Dokument oder der gewählte Ordner wird umbenannt."},
            {"Dokument_kopieren", "Dokument kopieren", "Das gewählte Dokument wird kopiert."},
            {"Dokument_einfuegen", "Dokument einfügen",
             "Ein vorher kopiertes Dokument kann nun in einen anderen Ordner eingefügt werden."},
            {"Loeschen", "Löschen",
             "Der gewählte Ordner oder das gewählte Dokument können gelöscht werden."},
        };
        for (const auto& k : knoepfe) {
            auto* knopf = p.finde<QPushButton>(k.name);
            QCOMPARE(knopf->text(), QString::fromUtf8(k.text));
            QCOMPARE(knopf->accessibleName(), knopf->text());
            QCOMPARE(knopf->toolTip(), QString::fromUtf8(k.hinweis));
        }
        auto* vermerk = p.finde<QLabel>("Label24");
        QVERIFY(vermerk->isHidden());
        QCOMPARE(vermerk->text(), QStringLiteral("Sie haben das Dokument..."));
        for (QWidget* w : p.fenster->findChildren<QWidget*>()) {
            const bool bedienbar = qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                   qobject_cast<QTreeWidget*>(w) ||
                                   qobject_cast<QPlainTextEdit*>(w);
            if (bedienbar) QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
    }

    void neuesDokumentGehtAnDieSchreibmaschine() {
        Assistentprobe p;
        p.z.Dateiname = QStringLiteral("alt.qxt");
        p.klick("Dokument_neu");
        QVERIFY(p.uebergeben());
        QVERIFY(p.schreibmaschine.windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(p.z.Auftrag.Vorlage && !p.z.Auftrag.Laden && !p.z.Auftrag.Neu);
        QCOMPARE(p.z.Vorlagenname, QStringLiteral("A4 Standard"));
        QCOMPARE(p.z.Zielordner, p.Doku(QStringLiteral("Meine Dokumente/")));
        QCOMPARE(p.z.Treeposition, QStringLiteral("Meine Dokumente"));

        // Back from the typewriter window: the refresh forgets the last document's file.
        p.schreibmaschine.hide();
        p.z.Auftrag = {};
        p.Datei(QStringLiteral("Meine Dokumente/") + Brief + QStringLiteral(".qxt"));
        p.fenster->show();
        QVERIFY(p.z.Dateiname.isEmpty());
        QCOMPARE(p.gewaehlt(), QStringLiteral("Meine Dokumente"));

        // With a document selected the new one goes into that document's folder.
        p.waehlen(Brief);
        p.klick("Dokument_neu");
        QVERIFY(p.uebergeben());
        QCOMPARE(p.z.Zielordner, p.Doku(QStringLiteral("Meine Dokumente/")));
    }

    void ohneAuswahlKeinNeuesDokument() {
        Assistentprobe p;
        p.baum()->clearSelection();
        QVERIFY(!p.aktiv("Dokument_neu"));
        p.fenster->SpeedButton2Click();
        QVERIFY(!p.uebergeben());
        QVERIFY(!p.z.Auftrag.Vorlage);
    }

    void vorlagenverwaltungBeschreibtDieGewaehlteVorlage() {
        Assistentprobe p;
        p.register_()->setCurrentIndex(1);
        auto* memo1 = p.finde<QPlainTextEdit>("Memo1");
        QCOMPARE(memo1->toPlainText().split(u'\n'),
                 (QStringList{"Abmessungen  210x297mm", "Ausrichtung  Hochformat", "",
                              "Rand links  25mm", "Rand rechts 30mm", "Rand oben   20mm",
                              "Rand unten  23mm", "", "Zeichensatz   \"Courier New\"",
                              "Zeichendichte 10 cpi", "Zeilenabstand 1fach", "60 Zeichen je Zeile",
                              "64 Zeilen", "3840 Zeichen je Seite"}));
        QVERIFY(memo1->isReadOnly());
        QCOMPARE(p.finde<QFrame>("ShowPanel")->size(), QSize(84, 119));
        auto* memo2 = p.finde<QPlainTextEdit>("Memo2");
        QCOMPARE(memo2->toPlainText(), QStringLiteral("Dieser Text wurde mit dem\nZeichensatz\n"
                                                      "\"Courier New\" geschrieben."));
        QCOMPARE(memo2->font().family(), QStringLiteral("Courier New"));

        // A template of its own: listed once the assistant is shown again.
        {
            Zustand vorlage;
            Standardseite_einrichten(vorlage);
            vorlage.Blattbreite_mm = 297;
            vorlage.Blatthoehe_mm = 420;
            vorlage.Zeilenabstand = 125;
            vorlage.Seitenanzahl = 2;
            vorlage.Schriftart = Schriftart_von(1);
            QVERIFY(!Vorlage_Speichern(vorlage, p.z.Vorlagenpfad + QStringLiteral("/Brief.qxv")));
        }
        p.fenster->hide();
        p.fenster->show();
        auto* box = p.finde<QComboBox>("Vorlagen_Box");
        QCOMPARE(box->count(), 2);
        box->setCurrentIndex(1);
        QCOMPARE(p.z.Vorlagenname, QStringLiteral("Brief"));
        const QStringList zeilen = memo1->toPlainText().split(u'\n');
        QCOMPARE(zeilen[0], QStringLiteral("Abmessungen  297x420mm"));
        QCOMPARE(zeilen[8], QStringLiteral("Zeichensatz   \"%1\"").arg(Schriftart_von(1)));
        QCOMPARE(zeilen[10], QStringLiteral("Zeilenabstand 1,25fach"));
        QCOMPARE(zeilen[13], QStringLiteral("1920 Zeichen je Seite"));
        QCOMPARE(p.finde<QFrame>("ShowPanel")->size(), QSize(119, 168));
        QCOMPARE(memo2->font().family(), Schriftart_von(1));

        // Gone from disk: the message, and the description keeps the values in force.
        QVERIFY(QFile::remove(p.z.Vorlagenpfad + QStringLiteral("/Brief.qxv")));
        box->setCurrentIndex(0);
        box->setCurrentIndex(1);
        QCOMPARE(p.texte().last(),
                 QStringLiteral("Die ausgewählte Vorlage \"Brief\" kann nicht gefunden werden."));
        QCOMPARE(memo1->toPlainText().split(u'\n')[0], QStringLiteral("Abmessungen  210x297mm"));

        // Leaving the template editor lists the templates anew, "A4 Standard" chosen in both.
        p.register_()->setCurrentIndex(2);
        p.register_()->setCurrentIndex(1);
        for (const char* name : {"Vorlagen_Box", "Vorlagen_Box2"}) {
            QCOMPARE(p.finde<QComboBox>(name)->count(), 1);
            QCOMPARE(p.finde<QComboBox>(name)->currentText(), QStringLiteral("A4 Standard"));
        }
    }

    void unsauberesEndeBietetFehlerbehandlungAn() {
        Assistentprobe p;
        p.fenster->close();
        p.fenster.reset();
        QVERIFY(QDir().mkpath(p.z.Temppfad));  // as a crash leaves it
        p.z = Zustand{};
        p.starten();
        auto* panel = p.finde<QPushButton>("btFehlerbehebung");
        QVERIFY(!panel->isHidden());
        QVERIFY(p.register_()->widget(1)->isAncestorOf(panel));
        QCOMPARE(panel->text(), QStringLiteral("Fehlerbehandlung"));
        p.register_()->setCurrentIndex(1);

        p.antwort = QMessageBox::Cancel;
        QTest::mouseClick(panel, Qt::LeftButton);
        QCOMPARE(p.boxen.size(), size_t{1});
        QCOMPARE(p.boxen[0].art, QMessageBox::Critical);
        QCOMPARE(p.boxen[0].knoepfe, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(p.boxen[0].text,
                 QStringLiteral("Das Programm wurde nicht korrekt geschlossen. Wollen Sie nicht "
                                "gespeicherte Daten laden? "));
        QVERIFY(p.z.Fehlerbehebung);
        QVERIFY(!p.uebergeben());
        QVERIFY(!p.z.Auftrag.Vorlage);

        p.antwort = QMessageBox::Ok;
        QTest::mouseClick(panel, Qt::LeftButton);
        QVERIFY(p.uebergeben());
        QVERIFY(p.z.Auftrag.Vorlage && !p.z.Auftrag.Laden && !p.z.Auftrag.Neu);
        QCOMPARE(p.z.Vorlagenname, QStringLiteral("A4 Standard"));
    }

    void schliessenMerktReiterUndAuswahlFuerDenNaechstenStart() {
        Assistentprobe p;
        p.Datei(QStringLiteral("Briefe/") + Brief + QStringLiteral(".qxt"));
        p.fenster->hide();
        p.fenster->show();
        p.waehlen(QStringLiteral("Briefe"));
        p.waehlen(Brief);
        p.register_()->setCurrentIndex(3);
        p.klick("Button3");
        QVERIFY(!p.fenster->isVisible());
        QVERIFY(!QFileInfo::exists(p.z.Temppfad));
        Zustand gelesen;
        QVERIFY(
            !Einstellungen_laden(gelesen, p.z.Vorlagenpfad + QStringLiteral("/Einstellungen.ini")));
        QCOMPARE(gelesen.Register_Index, std::uint8_t{3});
        QVERIFY(!Read_Treeposition(gelesen, p.z.Vorlagenpfad + QStringLiteral("/Position.ini")));
        QCOMPARE(gelesen.Treeposition, Brief);

        p.fenster.reset();
        p.z = Zustand{};
        p.starten();
        QCOMPARE(p.register_()->currentIndex(), 3);
        QCOMPARE(p.gewaehlt(), Brief);
        QVERIFY(p.finde<QPushButton>("btFehlerbehebung")->isHidden());
        // Back on the documents page the commands follow the selection at once.
        p.register_()->setCurrentIndex(0);
        QVERIFY(p.aktiv("Dokument_neu"));
        QVERIFY(p.aktiv("Dokument_laden"));
    }

    void einstellungenUeberstehenDenNeustart() {
        Assistentprobe p;
        p.register_()->setCurrentIndex(3);
        p.finde<QCheckBox>("SM_ModusCheckbox")->click();
        p.finde<QCheckBox>("AutoZeilenUmbruch_Checkbox")->click();
        p.finde<QSlider>("Lautstaerke_Trackbar2")->setValue(40);
        p.finde<QSlider>("tbZeit")->setValue(12);
        QVERIFY(p.z.SM_Modus);
        QCOMPARE(p.z.Speicherintervall, 12 * 60000);

        p.neu_starten();  // a fresh state, read from the files alone
        QVERIFY(p.z.SM_Modus);
        QVERIFY(!p.z.AutoZeilenUmbruch);
        QCOMPARE(p.z.Lautstaerke2, 0.4);
        QCOMPARE(p.z.Speicherintervall, 12 * 60000);
        QVERIFY(p.finde<QCheckBox>("SM_ModusCheckbox")->isChecked());
        QCOMPARE(p.finde<QSlider>("Lautstaerke_Trackbar2")->value(), 40);
        QCOMPARE(p.finde<QSlider>("tbZeit")->value(), 12);
    }

    void baumNeuesteZuerstOrdnerOben() {
        Assistentprobe p;
        for (const char* ordner : {"Briefe", "Rechnungen"}) QVERIFY(QDir().mkpath(p.Doku(ordner)));
        p.Datei(Brief + QStringLiteral(".qxt"));
        p.Datei(Notiz + QStringLiteral(".qxt"));
        p.Datei(QStringLiteral("Briefe/2013-04-01 10-00-00 Alt.qxt"));
        p.Datei(QStringLiteral("Briefe/2013-04-02 10-00-00 Neu.qxt"));
        p.Datei(QStringLiteral("Notiz.txt"));
        p.fenster->hide();
        p.fenster->show();
        QCOMPARE(p.eintraege(), (QStringList{"Rechnungen", "Meine Dokumente", "Briefe",
                                             "  2013-04-02 10-00-00 Neu",
                                             "  2013-04-01 10-00-00 Alt", Notiz, Brief}));
        QCOMPARE(p.baum()->indentation(), 21);
    }

    void auswahlUeberstehtNeuaufbau() {
        Assistentprobe p;
        p.Datei(QStringLiteral("Briefe/") + Brief + QStringLiteral(".qxt"));
        p.fenster->hide();
        p.fenster->show();
        p.waehlen(QStringLiteral("Briefe"));
        p.waehlen(Brief);
        p.eingaben = {QStringLiteral("Neu")};
        p.klick("Neuer_Ordner");
        QVERIFY(QFileInfo(p.Doku(QStringLiteral("Neu"))).isDir());
        QCOMPARE(p.gewaehlt(), Brief);
        QVERIFY(p.eintrag(QStringLiteral("Briefe"))->isExpanded());
        QVERIFY(p.aktiv("Dokument_laden"));
        QVERIFY(p.aktiv("Umbenennen"));
        // Choosing another branch closes the one chosen before.
        p.waehlen(QStringLiteral("Neu"));
        QVERIFY(!p.eintrag(QStringLiteral("Briefe"))->isExpanded());
    }

    void dokumentLadenPerKnopfUndDoppelklick() {
        Assistentprobe p;
        p.Datei(QStringLiteral("Briefe/") + Brief + QStringLiteral(".qxt"));
        p.fenster->hide();
        p.fenster->show();
        p.waehlen(QStringLiteral("Briefe"));
        QVERIFY(!p.aktiv("Dokument_laden"));
        // A double click on a folder only opens or closes it.
        p.doppelklick(QStringLiteral("Briefe"));
        QVERIFY(!p.uebergeben());

        p.waehlen(Brief);
        QCOMPARE(p.z.Dateiname, p.Doku(QStringLiteral("Briefe/") + Brief + QStringLiteral(".qxt")));
        p.klick("Dokument_laden");
        QVERIFY(p.uebergeben());
        QVERIFY(p.z.Auftrag.Laden && !p.z.Auftrag.Vorlage && !p.z.Auftrag.Neu);
        QCOMPARE(p.z.Dateiname, p.Doku(QStringLiteral("Briefe/") + Brief + QStringLiteral(".qxt")));
        QCOMPARE(p.z.BuchstabenFeld.Zeilen(), 65);  // sized by the template formulas
        QCOMPARE(p.z.BuchstabenFeld.Spalten(), 61);

        p.schreibmaschine.hide();
        p.z.Auftrag = {};
        p.fenster->show();
        QCOMPARE(p.gewaehlt(), Brief);
        p.doppelklick(Brief);
        QVERIFY(p.uebergeben());
        QVERIFY(p.z.Auftrag.Laden);
        QVERIFY(p.boxen.empty());
    }

    void neuerOrdnerVerschachteltDoppeltOderHinaus() {
        Assistentprobe p;
        p.eingaben = {QStringLiteral("A\\B")};
        p.klick("Neuer_Ordner");
        QCOMPARE(p.fragen.back().Titel, QStringLiteral("Ordner benennen"));
        QCOMPARE(p.fragen.back().Frage, QStringLiteral("Bitte geben Sie den Ordnernamen ein"));
        QVERIFY(p.fragen.back().Vorgabe.isEmpty());
        QVERIFY(QFileInfo(p.Doku(QStringLiteral("A/B"))).isDir());
        QVERIFY(p.eintraege().contains(QStringLiteral("  B")));

        const QStringList vorher = QDir(p.heim.path()).entryList(QDir::AllEntries);
        p.eingaben = {QStringLiteral("A"), QStringLiteral("..\\..\\Hinaus"),
                      QStringLiteral("/tmp/Hinaus"), std::nullopt, QString()};
        for (int i = 0; i < 5; ++i) p.klick("Neuer_Ordner");
        QCOMPARE(p.texte(),
                 (QStringList{"Dieser Name existiert bereits.",
                              Meldung_Ordnername_ungueltig(QStringLiteral("..\\..\\Hinaus")),
                              Meldung_Ordnername_ungueltig(QStringLiteral("/tmp/Hinaus"))}));
        QCOMPARE(QDir(p.heim.path()).entryList(QDir::AllEntries), vorher);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/Hinaus")));
    }

    void umbenennenBehaeltDasDatum() {
        Assistentprobe p;
        p.Datei(QStringLiteral("Briefe/") + Brief + QStringLiteral(".qxt"));
        p.fenster->hide();
        p.fenster->show();
        p.waehlen(QStringLiteral("Briefe"));
        p.waehlen(Brief);
        p.eingaben = {QStringLiteral("Antwort")};
        p.klick("Umbenennen");
        QCOMPARE(p.fragen.back().Titel, QStringLiteral("Datei Umbenennen"));
        QCOMPARE(p.fragen.back().Frage,
                 QStringLiteral("Bitte geben Sie einen neuen Namen für die Datei Brief ein."));
        QCOMPARE(p.fragen.back().Vorgabe, QStringLiteral("Brief"));
        const QString antwort = QStringLiteral("2013-05-01 14-03-59 Antwort");
        QVERIFY(QFileInfo::exists(p.Doku(QStringLiteral("Briefe/") + antwort + ".qxt")));
        QVERIFY(!QFileInfo::exists(p.Doku(QStringLiteral("Briefe/") + Brief + ".qxt")));
        QCOMPARE(p.gewaehlt(), antwort);

        p.waehlen(QStringLiteral("Briefe"));
        p.eingaben = {QStringLiteral("Post")};
        p.klick("Umbenennen");
        QCOMPARE(p.fragen.back().Titel, QStringLiteral("Ordner Umbenennen"));
        QCOMPARE(p.fragen.back().Frage,
                 QStringLiteral("Bitte geben Sie einen neuen Namen für den Ordner Briefe ein."));
        QCOMPARE(p.fragen.back().Vorgabe, QStringLiteral("Briefe"));
        QVERIFY(QFileInfo::exists(p.Doku(QStringLiteral("Post/") + antwort + ".qxt")));
        QCOMPARE(p.gewaehlt(), QStringLiteral("Post"));

        // Out of the folder, onto an existing name, cancelled: nothing changes.
        p.eingaben = {QStringLiteral("..\\..\\Post"), QStringLiteral("Meine Dokumente"),
                      std::nullopt};
        for (int i = 0; i < 3; ++i) p.klick("Umbenennen");
        QCOMPARE(p.texte(), (QStringList{Meldung_Name_ungueltig(QStringLiteral("..\\..\\Post")),
                                         "Dieser Name existiert bereits."}));
        QVERIFY(QFileInfo(p.Doku(QStringLiteral("Post"))).isDir());
        QVERIFY(QFileInfo(p.Doku(QStringLiteral("Meine Dokumente/.gitkeep"))).exists());
    }

    void kopierenUndEinfuegenMitFrischemDatum() {
        Assistentprobe p;
        QVERIFY(QDir().mkpath(p.Doku(QStringLiteral("Briefe"))));
        p.Datei(Brief + QStringLiteral(".qxt"));
        p.fenster->hide();
        p.fenster->show();
        p.waehlen(Brief);
        p.klick("Dokument_kopieren");
        auto* vermerk = p.finde<QLabel>("Label24");
        QVERIFY(!vermerk->isHidden());
        QCOMPARE(vermerk->text(),
                 QStringLiteral("Sie haben das Dokument\n\r\"Brief\"\n\rzum Kopieren ausgewählt."));
        QCOMPARE(vermerk->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(p.aktiv("Dokument_einfuegen"));

        // Into a folder: a fresh date and time part, the copy selected.
        p.waehlen(QStringLiteral("Briefe"));
        p.klick("Dokument_einfuegen");
        const QString kopie = QStringLiteral("2013-06-03 08-05-09 Brief");
        QVERIFY(QFileInfo::exists(p.Doku(QStringLiteral("Briefe/") + kopie + ".qxt")));
        QVERIFY(QFileInfo::exists(p.Doku(Brief + ".qxt")));
        QCOMPARE(p.gewaehlt(), kopie);
        QVERIFY(vermerk->isHidden());
        QVERIFY(!p.aktiv("Dokument_einfuegen"));

        // With a document selected the copy goes into that document's folder; the same second
        // taken already gives the next one.
        p.waehlen(Brief);
        p.klick("Dokument_kopieren");
        p.waehlen(kopie);
        p.klick("Dokument_einfuegen");
        QVERIFY(QFileInfo::exists(p.Doku(QStringLiteral("Briefe/2013-06-03 08-05-10 Brief.qxt"))));
        QCOMPARE(QDir(p.Doku(QStringLiteral("Briefe"))).entryList(QDir::Files).size(), 2);

        // A click on the note hides it; the copy stays pending.
        p.waehlen(Brief);
        p.klick("Dokument_kopieren");
        QTest::mouseClick(vermerk, Qt::LeftButton);
        QVERIFY(vermerk->isHidden());
        QVERIFY(p.aktiv("Dokument_einfuegen"));
        QVERIFY(p.boxen.empty());
    }

    void kopierteDateiVerschwunden() {
        Assistentprobe p;
        p.Datei(Brief + QStringLiteral(".qxt"));
        p.fenster->hide();
        p.fenster->show();
        p.waehlen(Brief);
        p.klick("Dokument_kopieren");
        QVERIFY(QFile::remove(p.Doku(Brief + ".qxt")));
        p.waehlen(QStringLiteral("Meine Dokumente"));
        p.klick("Dokument_einfuegen");
        QCOMPARE(p.texte(), QStringList{"Die Datei \"2013-05-01 14-03-59 Brief\" existiert nicht "
                                        "mehr und kann nicht kopiert werden."});
        QVERIFY(!p.finde<QLabel>("Label24")->isHidden());
        QVERIFY(p.aktiv("Dokument_einfuegen"));
        QCOMPARE(QDir(p.Doku(QStringLiteral("Meine Dokumente"))).entryList(QDir::Files).size(), 0);
    }

    void loeschenFragtUndVerweigert() {
        Assistentprobe p;
        p.Datei(Brief + QStringLiteral(".qxt"));
        p.Datei(QStringLiteral("Voll/") + Notiz + QStringLiteral(".qxt"));
        QVERIFY(QDir().mkpath(p.Doku(QStringLiteral("Nur/Unterordner"))));
        QVERIFY(QDir().mkpath(p.Doku(QStringLiteral("Leer"))));
        p.fenster->hide();
        p.fenster->show();

        // A document: asked, No keeps it.
        p.waehlen(Brief);
        p.antwort = QMessageBox::No;
        p.klick("Loeschen");
        QCOMPARE(p.boxen.back().text, QStringLiteral("Möchten Sie das Dokument löschen?"));
        QCOMPARE(p.boxen.back().art, QMessageBox::Information);
        QCOMPARE(p.boxen.back().knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY(QFileInfo::exists(p.Doku(Brief + ".qxt")));

        // Yes: gone, told with the full path, and no entry is selected afterwards.
        p.boxen.clear();
        p.antwort = QMessageBox::Yes;
        p.klick("Loeschen");
        QVERIFY(!QFileInfo::exists(p.Doku(Brief + ".qxt")));
        QCOMPARE(p.texte(), (QStringList{"Möchten Sie das Dokument löschen?",
                                         p.Doku(Brief + ".qxt") + " wurde erfolgreich gelöscht"}));
        QVERIFY(p.gewaehlt().isEmpty());
        QVERIFY(!p.eintraege().contains(Brief));
        p.boxen.clear();
        p.klick("Dokument_laden");
        QCOMPARE(p.texte(),
                 QStringList{"Bitte wählen Sie eine Datei aus, die geladen werden soll."});
        QVERIFY(!p.uebergeben());

        // A folder holding a document: refused without a question.
        p.boxen.clear();
        p.waehlen(QStringLiteral("Voll"));
        p.klick("Loeschen");
        QCOMPARE(p.texte(), QStringList{"Der Ordner muss leer sein, um gelöscht zu werden."});
        QVERIFY(QFileInfo::exists(p.Doku(QStringLiteral("Voll/") + Notiz + ".qxt")));

        // A folder holding only a folder: asked, and it stays without a message.
        p.boxen.clear();
        p.waehlen(QStringLiteral("Nur"));
        p.klick("Loeschen");
        QCOMPARE(p.texte(), QStringList{"Möchten Sie den Ordner löschen?"});
        QVERIFY(QFileInfo(p.Doku(QStringLiteral("Nur/Unterordner"))).isDir());

        // An empty folder goes.
        p.waehlen(QStringLiteral("Leer"));
        p.klick("Loeschen");
        QVERIFY(!QFileInfo::exists(p.Doku(QStringLiteral("Leer"))));
        QVERIFY(!p.eintraege().contains(QStringLiteral("Leer")));
        QVERIFY(p.eintraege().contains(QStringLiteral("Voll")));
        QVERIFY(!p.aktiv("Loeschen"));
    }
};

TASTROLIX_TEST_MAIN(AssistentTest)
#include "assistent_test.moc"
