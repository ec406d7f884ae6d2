#include "TTastrolix.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QResizeEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Bedienbereich.h"
#include "Schlitten.h"
#include "Schreibflaeche.h"
#include "Statuspanel.h"
#include "model/Dokument.h"
#include "model/Statuszeile.h"
#include "model/Zustand.h"
#include "sound/logik/Soundregeln.h"
#include "storage/Dokumentdatei.h"
#include "storage/Vorlage.h"
#include "storage/dialoge/Speicherbefehle.h"
#include "storage/dialoge/TSpeicherdialog_klein.h"
#include "storage/logik/Speichertexte.h"
#include "sound/fenster/TSoundeinstellungen.h"

namespace {
constexpr int Zeichenverzoegerung = 1;
// Quiet time after the last size change before the sheet is laid out again.
constexpr int Groessenruhe_ms = 200;
}  // namespace

TTastrolix::TTastrolix(Zustand& z, Soundausgabe& ton, QWidget* parent)
    : QMainWindow(parent), z_(z), ton_(ton), a_(Aktionen_anlegen(this)) {
    setObjectName(QStringLiteral("Tastrolix"));
    setWindowTitle(QStringLiteral("PC-Tastrolix"));
    setMinimumSize(900, 560);
    Meldungsbox = [this](QMessageBox::Icon art, const QString& text,
                         QMessageBox::StandardButtons knoepfe) {
        QMessageBox box(art, QStringLiteral("PC-Tastrolix"), text, knoepfe, this);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    QPalette silber = palette();
    silber.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silber);

    Menues_anlegen(menuBar(), a_);

    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    Bedienbereich_ = new Bedienbereich(mitte);
    spalte->addWidget(Bedienbereich_);
    Hintergrund = new QWidget(mitte);
    Hintergrund->setObjectName(QStringLiteral("Hintergrund"));
    Hintergrund->setAutoFillBackground(true);
    QPalette dunkel = Hintergrund->palette();
    dunkel.setColor(QPalette::Window, QColor(48, 54, 62));
    Hintergrund->setPalette(dunkel);
    Hintergrund->installEventFilter(this);
    // The background panel has the keyboard; the tool buttons never take it.
    Hintergrund->setFocusPolicy(Qt::StrongFocus);
    Hintergrund->setAttribute(Qt::WA_InputMethodEnabled);
    setFocusProxy(Hintergrund);
    spalte->addWidget(Hintergrund, 1);
    setCentralWidget(mitte);

    Schreibflaeche_ = new Schreibflaeche(z_, Hintergrund);
    waagen = new Waage(Hintergrund);
    schlitten = new Schlitten(waagen->parentWidget());
    schlitten->raise();
    Sheet_verbergen();

    for (QTimer* zeitgeber : {&Starttimer, &Anzeigetimer, &Minutentimer, &Speichertimer,
                              &Groessentimer}) {
        zeitgeber->setParent(this);
    }
    Starttimer.setObjectName(QStringLiteral("Starttimer"));
    Starttimer.setSingleShot(true);
    Starttimer.setInterval(Zeichenverzoegerung);
    connect(&Starttimer, &QTimer::timeout, this, &TTastrolix::StarttimerTimer);
    Anzeigetimer.setObjectName(QStringLiteral("Anzeigetimer"));
    Anzeigetimer.setSingleShot(true);
    Anzeigetimer.setInterval(333);
    connect(&Anzeigetimer, &QTimer::timeout, this, &TTastrolix::AnzeigetimerTimer);
    Minutentimer.setObjectName(QStringLiteral("Minutentimer"));
    Minutentimer.setInterval(60000);
    connect(&Minutentimer, &QTimer::timeout, this, &TTastrolix::MinutentimerTimer);
    Minutentimer.start();
    Speichertimer.setObjectName(QStringLiteral("Speichertimer"));
    Speichertimer.setInterval(300000);
    Groessentimer.setSingleShot(true);
    Groessentimer.setInterval(Groessenruhe_ms);
    connect(&Groessentimer, &QTimer::timeout, this, [this] {
        if (!Anzeigetimer.isActive()) Sheet_zeigen();
        zeichne_mit_timer();
    });

    connect(Bedienbereich_->Status(), &Statuspanel::Zeichenpanel_geklickt, this,
            &TTastrolix::ZeichenpanelClick);
    connect(Bedienbereich_, &Bedienbereich::Auswahl_geaendert, this, &TTastrolix::bildzeichnen);
    connect(a_.Status, &QAction::triggered, this, &TTastrolix::StatusClick);
    connect(a_.Buttons, &QAction::triggered, this, &TTastrolix::ButtonsClick);
    connect(a_.Schliessen1, &QAction::triggered, this, &QWidget::close);
    connect(a_.Speichern1, &QAction::triggered, this, &TTastrolix::Speichern1Click);
    connect(Bedienbereich_->Knopf("SpeicherButton"), &QToolButton::clicked, this,
            &TTastrolix::SpeicherButtonClick);
    connect(a_.Laustaerke1, &QAction::triggered, this, &TTastrolix::Laustaerke1Click);
    Sound_knoepfe_verbinden();
    Befehle_verbinden();
    qApp->installEventFilter(this);
}

void TTastrolix::Sound_knoepfe_verbinden() {
    connect(Bedienbereich_->Knopf("soundan"), &QToolButton::clicked, this, [this] {
        z_.Sound_an = true;
        a_.Soundanaus1->setChecked(false);
    });
    connect(Bedienbereich_->Knopf("Soundaus"), &QToolButton::clicked, this, [this] {
        z_.Sound_an = false;
        a_.Soundanaus1->setChecked(true);
    });
    connect(a_.SoundOn, &QAction::triggered, this, [this](bool stumm) {
        z_.Sound_an = !stumm;
        Bedienbereich_->Knopf(stumm ? "Soundaus" : "soundan")->setChecked(true);
    });
    connect(a_.aTastenwiederholungstonOn, &QAction::triggered, this,
            [this](bool an) { z_.Tastenwiederholungston = an; });
}

// --- Rueckmeldung

void TTastrolix::SoundAbspielen(int n) { ::SoundAbspielen(z_, ton_, n); }

void TTastrolix::Nachricht(const QString& text) {
    Meldungsbox(QMessageBox::Information, text, QMessageBox::Ok);
}

void TTastrolix::Fehler_zeigen(const QString& text) {
    Meldungsbox(QMessageBox::Critical, text, QMessageBox::Ok);
}

bool TTastrolix::Frage(const QString& text) {
    return Meldungsbox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void TTastrolix::zeichne_mit_timer() {
    Starttimer.setInterval(Zeichenverzoegerung);
    Starttimer.start();
}

void TTastrolix::zeichnen() { Schreibflaeche_->zeichnen(); }

void TTastrolix::buchstaben_zeichnen() {
    Schreibflaeche_->buchstaben_zeichnen();
    Markierungsknoepfe_schalten();
}

void TTastrolix::Markierungsknoepfe_schalten() {
    const bool markiert = z_.Markierung_vorhanden;
    for (const char* name : {"Markierung_ausschalten", "Markierung_loeschen",
                             "Markierung_formatieren", "Kopieren_Button", "Ausschneiden_Button"}) {
        Bedienbereich_->Knopf(name)->setEnabled(markiert);
    }
}

void TTastrolix::zelle_zeichnen(int /*zeile*/, int /*spalte*/) {
    // The sheet finds the struck cell itself: it redraws whatever differs from its picture.
    buchstaben_zeichnen();
}

void TTastrolix::bildzeichnen() {
    schlitten->Bild_zeigen(Bedienbereich_->Farbband(), Bedienbereich_->Fett_gewaehlt());
}

void TTastrolix::bewegeschlitten() {
    ::bewegeschlitten(z_);
    schlitten->move(z_.Geometrie.schlitten.topLeft());
}

void TTastrolix::UpdateStatusPanel() { Bedienbereich_->Status()->anzeigen(::UpdateStatusPanel(z_)); }

void TTastrolix::Zwischenspeichern(const QString& /*grund*/) {
    // Interim saves come with the interim-save folder handling.
}

// --- drawing

void TTastrolix::StarttimerTimer() {
    ++neuzeichnungen_;
    blatt_berechnen(z_, Hintergrund->width(), Hintergrund->height());
    const Blattgeometrie& g = z_.Geometrie;
    Schreibflaeche_->setGeometry(g.Blatt);
    waagen->setGeometry(0, g.waagen.top(), Hintergrund->width(), g.waagen.height());
    schlitten->setGeometry(g.schlitten);
    // The picture always equals a full drawing of the page; the paper is repainted only when
    // the layout, the page or the colours changed, the characters only where they changed.
    Schreibflaeche_->auffrischen();
    Markierungsknoepfe_schalten();
    bildzeichnen();
    Starttimer.stop();
}

void TTastrolix::Seitenwechsel() {
    Sheet_verbergen();
    Anzeigetimer.start();
    z_.Anzeige_Seite = z_.Anzeige_Zeile = z_.Anzeige_Spalte = z_.Anzeige_Zeichen = true;
    Zeichen_zaehlen(z_);
    UpdateStatusPanel();
}

void TTastrolix::AnzeigetimerTimer() {
    Sheet_zeigen();
    Anzeigetimer.stop();
}

void TTastrolix::Sheet_verbergen() {
    Schreibflaeche_->hide();
    waagen->hide();
    schlitten->hide();
}

void TTastrolix::Sheet_zeigen() {
    Schreibflaeche_->show();
    waagen->show();
    schlitten->show();
    schlitten->raise();
}

// --- status line and clock

void TTastrolix::MinutentimerTimer() {
    Minute_zaehlen(z_);
    UpdateStatusPanel();
}

void TTastrolix::ZeichenpanelClick() {
    Zeichen_zaehlen(z_);
    z_.Anzeige_Zeichen = true;
    UpdateStatusPanel();
}

void TTastrolix::StatusClick() {
    // The item only carries its check mark; the status line stays with the tool area.
}

void TTastrolix::ButtonsClick() { Bedienbereich_->setVisible(a_.Buttons->isChecked()); }

// --- document and showing

void TTastrolix::Dokument_neu() {
    Bedienbereich_->Knopf(z_.Sound_an ? "soundan" : "Soundaus")->setChecked(true);
    a_.TastenwiederholungstonEin->setChecked(z_.Tastenwiederholungston);
    Dokument_neu_Werte(z_);
    UpdateStatusPanel();
    Bedienbereich_->Knopf("Seitenwechsel_minus")->setEnabled(z_.akt_Seite != 1);
    Bedienbereich_->Knopf("Seitenwechsel_plus")->setEnabled(z_.akt_Seite != z_.Seitenanzahl);
}

void TTastrolix::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (ereignis->spontaneous()) return;
    FormShow();
    // Shown for a job, the window takes the keyboard: the user types at once.
    activateWindow();
    Hintergrund->setFocus();
}

void TTastrolix::FormShow() {
    TAuftrag& auftrag = z_.Auftrag;
    if (auftrag.Laden && !z_.Dateiname.isEmpty()) {
        BuchstabenFeld_neu(z_);
        if (const Dateifehler fehler = Laden(z_, z_.Dateiname)) {
            // The file stays as it is; the window opens with an empty page instead.
            Fehler_zeigen(*fehler);
            z_.Seitenanzahl = 1;
            z_.Dateiname.clear();
            z_.Dokument_geladen = false;
            setWindowTitle(QStringLiteral("PC-Tastrolix - Neu"));
        } else {
            z_.Dokument_geladen = true;
            setWindowTitle(QStringLiteral("PC-Tastrolix - ") +
                           QFileInfo(z_.Dateiname).completeBaseName());
        }
        Dokument_neu();
        auftrag.Laden = false;
    }
    if (auftrag.Vorlage && !z_.Vorlagenname.isEmpty()) {
        const QString datei = QDir(z_.Vorlagenpfad).filePath(z_.Vorlagenname + QStringLiteral(".qxv"));
        if (const Dateifehler fehler = Vorlage_Laden(z_, datei)) Fehler_zeigen(*fehler);
        BuchstabenFeld_neu(z_);
        // A new document starts with one page, whatever the template says.
        z_.Seitenanzahl = 1;
        Dokument_neu();
        // The folder is named by its last component, which is empty: the folder ends with "/".
        setWindowTitle(QStringLiteral("PC-Tastrolix - ") + QFileInfo(z_.Zielordner).fileName() +
                       QStringLiteral(" Neues Dokument"));
        auftrag.Vorlage = false;
    }
    if (auftrag.Neu) {
        BuchstabenFeld_neu(z_);
        // The new grid has one page; the page count must say so.
        z_.Seitenanzahl = 1;
        Dokument_neu();
        auftrag.Neu = false;
        setWindowTitle(QStringLiteral("PC-Tastrolix - Neu"));
    }
    if (!Feld_passt(z_)) {
        // Shown without a document: an empty page of the page setup in memory.
        BuchstabenFeld_neu(z_);
        z_.Seitenanzahl = 1;
        Dokument_neu();
    }
    const bool weiter = z_.akt_Seite < z_.Seitenanzahl;
    a_.Vorblaettern->setEnabled(weiter);
    Bedienbereich_->Knopf("Seitenwechsel_plus")->setEnabled(weiter);
    const bool zurueck = z_.akt_Seite != 1;
    Bedienbereich_->Knopf("Seitenwechsel_minus")->setEnabled(zurueck);
    a_.Zurueckblaettern->setEnabled(zurueck);
    Bedienbereich_->Knopf("Seiten_minus_Button")->setEnabled(z_.Seitenanzahl != 1);
    a_.Soundanaus1->setChecked(!z_.Sound_an);
    Bedienbereich_->Knopf("ZS_Laden_Button")->setEnabled(false);
    z_.Schliessen_nach_Speichern = false;
    zeichne_mit_timer();
    z_.Zeichen_max = z_.Zeilen_max * z_.Spalten_max;
    Zeichen_zaehlen(z_);
    z_.Anzeige_Zeile = z_.Anzeige_Spalte = z_.Anzeige_Seite = z_.Anzeige_Zeichen =
        z_.Anzeige_Zeit = true;
    UpdateStatusPanel();
    if (z_.Speicherintervall > 0) {
        Speichertimer.setInterval(z_.Speicherintervall);
        Speichertimer.start();
    }
}

void TTastrolix::closeEvent(QCloseEvent* ereignis) {
    if (!speicherdialog_) {
        QMainWindow::closeEvent(ereignis);
        return;
    }
    // The window never closes by itself: the save dialog saves or discards the document and
    // brings the assistant back, or is cancelled.
    ereignis->ignore();
    Schliessen_anfordern(z_, *speicherdialog_);
}

void TTastrolix::Speicherdialog_setzen(TSpeicherdialog_klein* dialog) {
    speicherdialog_ = dialog;
    connect(dialog, &TSpeicherdialog_klein::Gespeichert, this, [this] {
        Zwischenspeichertimer_starten();
        Bedienbereich_->Knopf("ZS_Laden_Button")->setEnabled(true);
    });
    // Leaving the document hides the window; whoever owns the assistant shows it again.
    connect(dialog, &TSpeicherdialog_klein::Dokument_verlassen, this, &QWidget::hide);
}

void TTastrolix::Zwischenspeichertimer_starten() {
    if (z_.Speicherintervall > 0 && !Speichertimer.isActive()) {
        Speichertimer.setInterval(z_.Speicherintervall);
        Speichertimer.start();
    }
}

void TTastrolix::SpeicherButtonClick() {
    if (!speicherdialog_) return;
    z_.Schliessen_angefordert = false;
    if (Speichern_mit_Dialog(z_, *speicherdialog_, this) == Speicherausgang::Gespeichert) {
        Zwischenspeichertimer_starten();
    }
    setWindowTitle(Titel_nach_Speichern(z_));
}

void TTastrolix::Speichern1Click() {
    if (!speicherdialog_) return;
    Speichern_mit_Dialog(z_, *speicherdialog_, this);
    Zwischenspeichertimer_starten();
    Bedienbereich_->Knopf("ZS_Laden_Button")->setEnabled(true);
    setWindowTitle(Titel_nach_Speichern(z_));
}

void TTastrolix::Laustaerke1Click() { TSoundeinstellungen::Zeigen(z_, ton_, this); }

void TTastrolix::changeEvent(QEvent* ereignis) {
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() == QEvent::WindowStateChange) zeichne_mit_timer();
}
