#pragma once
// The assistant "PC-Tastrolix Assistent": the program's main window, on screen whenever no
// document is open. Four pages: the document tree with its commands ("Dokumente"), the template
// list with description and previews ("Vorlagenverwaltung"), the template editor ("Vorlage
// erstellen") and the settings ("Einstellungen"); closing it ends the program.
//
// It never fills the typewriter window itself: for a job it sets the state and one flag of
// Auftrag, hides itself and shows the typewriter window, which carries the job out.

#include <QDateTime>
#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "assistant/logik/Dokumentbaum.h"
#include "assistant/logik/Dokumenttexte.h"
#include "storage/Ordner.h"

class QComboBox;
class QFrame;
class QLabel;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Soundausgabe;
class TEinstellungsseite;
struct Zustand;

class TAssistent : public QWidget {
    Q_OBJECT

  public:
    // The folders under the user's documents folder, the installation's files beside the program.
    TAssistent(Zustand& z, Soundausgabe& ton, QWidget* parent = nullptr);
    // The folders from `quellen` (tests give a temporary folder).
    TAssistent(Zustand& z, Soundausgabe& ton, const Ordnerquellen& quellen,
               QWidget* parent = nullptr);

    // The typewriter window the jobs go to.
    void Schreibmaschine_setzen(QWidget* tastrolix);

    // Loads the template chosen on "Vorlagenverwaltung" and shows its description and previews,
    // brings the settings page up to date and forgets the last document's file.
    void Anzeige_Updaten();
    // Rebuilds the document tree and selects the remembered entry again (the starter folder when
    // none is remembered).
    void Reset_Tabs();
    // Enables the document commands that the selection allows.
    void setButtons_Dokumente();
    // The first entry, each before its children, whose text is `text`; null when none is.
    QTreeWidgetItem* TreeItemSuchen(const QString& text) const;

    // Every message box and question goes through here; the button pressed comes back. Tests put
    // an answer of their own here.
    std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString& text,
                                              QMessageBox::StandardButtons knoepfe)>
        Meldungsbox;
    // Asks for one line of text; nothing when the user cancels.
    std::function<std::optional<QString>(const Eingabefrage& frage)> Eingabe;
    // The moment a pasted copy is dated with.
    std::function<QDateTime()> Uhr;

  public slots:
    void SpeedButton2Click();
    void btFehlerbehebungClick();
    void btAbbrechenClick();
    void Vorlagen_BoxChange();
    void Pfad_ListeChange();
    void Pfad_ListeDblClick(QTreeWidgetItem* eintrag);
    void Dokument_ladenClick();
    void Neuer_OrdnerClick();
    void UmbenennenClick();
    void Dokument_kopierenClick();
    void Dokument_einfuegenClick();
    void LoeschenClick();
    void Label24Click();

  protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    // --- the pages (Assistent_Aufbau.cpp)
    void Fenster_aufbauen();
    QWidget* Seite_Dokumente();
    QWidget* Seite_Vorlagenverwaltung();
    QWidget* Seite_mit_Leiste(QWidget* inhalt, const char* knopfname);
    QComboBox* Vorlagenwahl(const char* name);
    void Verbinden();

    // --- start, showing, closing, tab changes
    void FormCreate(const Ordnerquellen& quellen);
    void FormShow();
    void FormClose();
    void RegisterFeldChanging(int verlassen);
    void RegisterFeldChange(int neu);
    void Dateipfade_Finden_Combobox(QComboBox* box);
    // Hides the assistant and shows the typewriter window, filling the screen.
    void Schreibmaschine_zeigen();

    // --- the tree (Dokumentverwaltung.cpp)
    QTreeWidgetItem* Gewaehlt() const;
    void Baum_fuellen();
    void Eintraege_anlegen(const std::vector<Baumeintrag>& eintraege, QTreeWidgetItem* oben);
    void Auswaehlen(QTreeWidgetItem* eintrag);
    void Zweig_oeffnen(const QModelIndex& neu, const QModelIndex& vorher);

    // A message with OK; before the window is first shown, messages wait until it is.
    void Melden(const QString& text, QMessageBox::Icon art = QMessageBox::NoIcon);
    QMessageBox::StandardButton Fragen(QMessageBox::Icon art, const QString& text,
                                       QMessageBox::StandardButtons knoepfe);

    Zustand& z_;
    Soundausgabe& ton_;
    QWidget* tastrolix_ = nullptr;

    // The record of the entry last selected, and the document chosen with "Dokument kopieren".
    tNodeInfo Auswahl_;
    QString Kopierte_Datei;

    int reiter_ = 0;  // the page shown, before a change
    bool gezeigt_ = false;
    std::vector<std::pair<QMessageBox::Icon, QString>> wartende_Meldungen_;

    QTabWidget* RegisterFeld = nullptr;
    // "Dokumente"
    QComboBox* Vorlagen_Box2 = nullptr;
    QTreeWidget* Pfad_Liste = nullptr;
    QPushButton* Dokument_neu = nullptr;
    QPushButton* Neuer_Ordner = nullptr;
    QPushButton* Dokument_laden = nullptr;
    QPushButton* Umbenennen = nullptr;
    QPushButton* Dokument_kopieren = nullptr;
    QPushButton* Dokument_einfuegen = nullptr;
    QPushButton* Loeschen = nullptr;
    QLabel* Label24 = nullptr;
    // "Vorlagenverwaltung"
    QComboBox* Vorlagen_Box = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QFrame* ShowPanel = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* btFehlerbehebung = nullptr;
    // "Einstellungen"
    TEinstellungsseite* Einstellungsseite = nullptr;
};
