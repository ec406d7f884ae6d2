#pragma once
// The typewriter window: tool area, status line and the sheet on its dark background panel.
// It carries out the job the assistant hands it each time it is shown, and it is the
// Rueckmeldung through which the editing commands reach the screen and the loudspeaker.

#include <QMainWindow>
#include <QMessageBox>
#include <functional>
#include <QTimer>
#include <cstdint>

#include "Aktionen.h"
#include "window/logik/Rueckmeldung.h"

class Bedienbereich;
class QKeyEvent;
class Schlitten;
class Schreibflaeche;
class Soundausgabe;
class TSpeicherdialog_klein;
class Waage;
struct Zustand;

class TTastrolix : public QMainWindow, public Rueckmeldung {
    Q_OBJECT
public:
    TTastrolix(Zustand& z, Soundausgabe& ton, QWidget* parent = nullptr);

    // --- Rueckmeldung
    void SoundAbspielen(int n) override;
    void Nachricht(const QString& text) override;
    bool Frage(const QString& text) override;
    void zeichne_mit_timer() override;
    void zeichnen() override;
    void buchstaben_zeichnen() override;
    void zelle_zeichnen(int zeile, int spalte) override;
    void bildzeichnen() override;
    void bewegeschlitten() override;
    void UpdateStatusPanel() override;
    void Zwischenspeichern(const QString& grund) override;

    // Brings buttons, menus and status line in line with the document now in memory.
    void Dokument_neu();
    // Blanks the sheet for a page change; it comes back after a third of a second.
    void Seitenwechsel();

    const Aktionen& Befehle() const { return a_; }

    // The small save dialog that saves a document and through which the window is left. Until it
    // is given, closing the window ends the program.
    void Speicherdialog_setzen(TSpeicherdialog_klein* dialog);

    // Shows a message box and returns the button pressed. Tests put an answer of their own here.
    std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString& text,
                                              QMessageBox::StandardButtons knoepfe)>
        Meldungsbox;
    // How many delayed redraws have run: all requests of one event give one.
    int Neuzeichnungen() const { return neuzeichnungen_; }

public slots:
    void StarttimerTimer();
    void AnzeigetimerTimer();
    void MinutentimerTimer();
    void ZeichenpanelClick();
    void StatusClick();
    void ButtonsClick();
    void SpeicherButtonClick();
    void Speichern1Click();
    void Laustaerke1Click();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void FormShow();
    // The keyboard: the window sees every key before its controls do.
    bool Taste_gedrueckt(QKeyEvent* ereignis);
    void Taste_losgelassen(QKeyEvent* ereignis);
    void Zeichen_eingegeben(const QString& text);
    std::uint8_t Attribut_der_Knoepfe() const;
    void Befehle_verbinden();
    void Zwischenspeichertimer_starten();
    void Markierungsknoepfe_schalten();
    // An error of the file layer, in an error box.
    void Fehler_zeigen(const QString& text);
    void Sheet_verbergen();
    void Sheet_zeigen();
    void Sound_knoepfe_verbinden();

    Zustand& z_;
    Soundausgabe& ton_;
    Aktionen a_;
    Bedienbereich* Bedienbereich_;
    QWidget* Hintergrund;
    Schreibflaeche* Schreibflaeche_;
    Waage* waagen;
    Schlitten* schlitten;

    QTimer Starttimer;
    QTimer Anzeigetimer;
    QTimer Minutentimer;
    QTimer Speichertimer;
    // The user is resizing the window: the sheet comes back when the size has settled.
    QTimer Groessentimer;

    int neuzeichnungen_ = 0;
    TSpeicherdialog_klein* speicherdialog_ = nullptr;
};
