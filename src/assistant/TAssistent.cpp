#include "TAssistent.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>

#include "Baumknoten.h"
#include "assistant/TEinstellungsseite.h"
#include "assistant/logik/Dokumentbefehle.h"
#include "assistant/logik/Vorlagenbeschreibung.h"
#include "assistant/logik/Vorlagenliste.h"
#include "model/Zustand.h"
#include "storage/Speicherstart.h"
#include "storage/Vorlage.h"

namespace {
enum Reiter { Reiter_Dokumente = 0, Reiter_Vorlage_erstellen = 2 };
}  // namespace

TAssistent::TAssistent(Zustand& z, Soundausgabe& ton, QWidget* parent)
    : TAssistent(z, ton, Ordnerquellen_des_Systems(QCoreApplication::applicationDirPath()),
                 parent) {}

TAssistent::TAssistent(Zustand& z, Soundausgabe& ton, const Ordnerquellen& quellen, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      z_(z),
      ton_(ton) {
    Meldungsbox = [this](QMessageBox::Icon art, const QString& text,
                         QMessageBox::StandardButtons knoepfe) {
        QMessageBox box(art, QStringLiteral("PC-Tastrolix"), text, knoepfe, this);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    Eingabe = [this](const Eingabefrage& frage) -> std::optional<QString> {
        bool ok = false;
        const QString text = QInputDialog::getText(this, frage.Titel, frage.Frage,
                                                   QLineEdit::Normal, frage.Vorgabe, &ok);
        if (!ok) return std::nullopt;
        return text;
    };
    Uhr = [] { return QDateTime::currentDateTime(); };

    Fenster_aufbauen();
    Verbinden();
    FormCreate(quellen);
}

void TAssistent::Schreibmaschine_setzen(QWidget* tastrolix) {
    tastrolix_ = tastrolix;
}

// --- start, showing, closing

void TAssistent::FormCreate(const Ordnerquellen& quellen) {
    // Folders, settings, tree position, the standard template; what went wrong is told once the
    // window is on screen.
    const Startergebnis start = Speicher_starten(z_, quellen);
    for (const QString& meldung : start.Meldungen) Melden(meldung, QMessageBox::Critical);
    btFehlerbehebung->setVisible(start.Fehlerbehandlung);

    reiter_ = z_.Register_Index;
    {
        // No page is left here: the tree has not been filled yet.
        const QSignalBlocker still(RegisterFeld);
        RegisterFeld->setCurrentIndex(reiter_);
    }
    // The settings page takes the options, volumes and interval, as a user's change would.
    Einstellungsseite->FormCreate();
    Reset_Tabs();
    Anzeige_Updaten();
    setButtons_Dokumente();
}

void TAssistent::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (ereignis->spontaneous()) return;
    if (!gezeigt_) {
        gezeigt_ = true;
        if (QScreen* bildschirm = screen()) {
            move(bildschirm->availableGeometry().center() - rect().center());
        }
        // Messages of the start, over the window that is now on screen.
        QTimer::singleShot(0, this, [this] {
            auto meldungen = std::move(wartende_Meldungen_);
            wartende_Meldungen_.clear();
            for (const auto& [art, text] : meldungen) Melden(text, art);
        });
    }
    FormShow();
}

void TAssistent::FormShow() {
    if (RegisterFeld->currentIndex() == Reiter_Dokumente) Reset_Tabs();
    Dateipfade_Finden_Combobox(Vorlagen_Box);
    Dateipfade_Finden_Combobox(Vorlagen_Box2);
    // The description follows the choosers, which show "A4 Standard" again.
    Anzeige_Updaten();
    setButtons_Dokumente();
}

void TAssistent::closeEvent(QCloseEvent* ereignis) {
    FormClose();
    ereignis->accept();
}

void TAssistent::FormClose() {
    std::optional<QString> auswahl;
    if (QTreeWidgetItem* eintrag = Gewaehlt()) auswahl = Baumtext(eintrag);
    const QStringList fehler =
        Speicher_beenden(z_, static_cast<std::uint8_t>(RegisterFeld->currentIndex()), auswahl);
    for (const QString& text : fehler) Melden(text, QMessageBox::Critical);
}

void TAssistent::btAbbrechenClick() {
    close();
}

// --- tab changes

void TAssistent::RegisterFeldChanging(int verlassen) {
    if (verlassen == Reiter_Dokumente) {
        QTreeWidgetItem* eintrag = Gewaehlt();
        z_.Treeposition = eintrag ? Baumtext(eintrag) : QString();
    } else if (verlassen == Reiter_Vorlage_erstellen) {
        // A template saved in the editor is listed in both choosers from now on.
        Dateipfade_Finden_Combobox(Vorlagen_Box);
        Anzeige_Updaten();
        Dateipfade_Finden_Combobox(Vorlagen_Box2);
        Anzeige_Updaten();
    }
}

void TAssistent::RegisterFeldChange(int neu) {
    RegisterFeldChanging(reiter_);
    reiter_ = neu;
    // The other pages' refreshes disable the document commands; they follow the selection again.
    if (neu == Reiter_Dokumente) setButtons_Dokumente();
}

// --- templates

void TAssistent::Dateipfade_Finden_Combobox(QComboBox* box) {
    const QSignalBlocker still(box);
    box->clear();
    box->addItems(::Dateipfade_Finden_Combobox(z_.Vorlagenpfad));
    box->setCurrentIndex(0);
}

void TAssistent::Vorlagen_BoxChange() {
    Anzeige_Updaten();
}

void TAssistent::Anzeige_Updaten() {
    z_.Vorlagenname = Vorlagen_Box->currentText();
    if (!z_.Vorlagenpfad.isEmpty()) {
        const QString datei =
            QDir(z_.Vorlagenpfad).filePath(z_.Vorlagenname + QStringLiteral(".qxv"));
        if (!QFileInfo::exists(datei)) {
            Melden(Meldung_Vorlage_fehlt(datei));
        } else if (const Dateifehler fehler = Vorlage_Laden(z_, datei)) {
            Melden(*fehler, QMessageBox::Critical);
        }
    }
    ShowPanel->setFixedSize(Formatvorschau(z_));
    Memo1->setPlainText(Vorlagenbeschreibung(z_, QLocale()).join(u'\n'));
    QFont schrift = Memo2->font();
    schrift.setFamily(z_.Schriftart);
    Memo2->setFont(schrift);
    Memo2->setPlainText(Zeichensatzvorschau(z_.Schriftart).join(u'\n'));
    Einstellungsseite->Anzeige_Updaten();

    z_.Dokument_gespeichert = false;
    z_.Dokument_geladen = false;
    z_.Dateiname.clear();
    z_.Dokumentname.clear();

    for (QPushButton* knopf : {Umbenennen, Dokument_neu, Dokument_kopieren, Loeschen}) {
        knopf->setEnabled(false);
    }
    Neuer_Ordner->setEnabled(true);
}

// --- hand-over to the typewriter window

void TAssistent::SpeedButton2Click() {
    QTreeWidgetItem* eintrag = Gewaehlt();
    z_.Treeposition = eintrag ? Baumtext(eintrag) : QString();
    z_.Vorlagenname = Vorlagen_Box2->currentText();
    if (!eintrag) return;
    z_.Zielordner = Zielordner_von(Knoteninfo(eintrag));
    if (z_.Vorlagenname.isEmpty() || Vorlagen_Box->currentText().isEmpty()) return;
    z_.Auftrag = {.Laden = false, .Vorlage = true, .Neu = false};
    Schreibmaschine_zeigen();
}

void TAssistent::btFehlerbehebungClick() {
    // Set whatever the answer: the restore dialog comes with the next document.
    z_.Fehlerbehebung = true;
    if (Fragen(QMessageBox::Critical, Frage_Fehlerbehandlung,
               QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok) {
        return;
    }
    if (z_.Vorlagenname.isEmpty() || Vorlagen_Box->currentText().isEmpty()) return;
    z_.Auftrag = {.Laden = false, .Vorlage = true, .Neu = false};
    Schreibmaschine_zeigen();
}

void TAssistent::Schreibmaschine_zeigen() {
    if (!tastrolix_) return;
    hide();
    // Without a window manager a maximize request is not granted: fill the screen anyway.
    if (QScreen* bildschirm = tastrolix_->screen()) {
        tastrolix_->setGeometry(bildschirm->availableGeometry());
    }
    tastrolix_->showMaximized();
}

// --- messages

void TAssistent::Melden(const QString& text, QMessageBox::Icon art) {
    if (!gezeigt_) {
        wartende_Meldungen_.emplace_back(art, text);
        return;
    }
    Meldungsbox(art, text, QMessageBox::Ok);
}

QMessageBox::StandardButton TAssistent::Fragen(QMessageBox::Icon art, const QString& text,
                                               QMessageBox::StandardButtons knoepfe) {
    return Meldungsbox(art, text, knoepfe);
}
