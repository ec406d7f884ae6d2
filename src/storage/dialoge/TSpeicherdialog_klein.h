#pragma once
// The small save dialog "Speichern...": asks for the name of a new document (input panel with
// the live date and time), or asks whether a document with a file is to be saved before it is
// left (question panel). Shown without blocking the typewriter window; closing it is "Abbrechen".
//
// What leaving a document does to the other windows is not the dialog's business: it reports it
// through its signals.

#include <QDateTime>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
struct Zustand;

class TSpeicherdialog_klein : public QDialog {
    Q_OBJECT
  public:
    explicit TSpeicherdialog_klein(Zustand& z, QWidget* parent = nullptr);

    // Shows the dialog; when it is on screen already, brings it to the front with the panel the
    // state now asks for.
    void Zeigen();

    // Shows a message box over `eltern` (over the dialog when null): the text and, when not
    // empty, the detail below it. Tests put a recorder here.
    std::function<void(QWidget* eltern, QMessageBox::Icon art, const QString& text,
                       const QString& zusatz)>
        Meldungsbox;
    // The time the clock shows and dated file names take. Tests put a fixed time here.
    std::function<QDateTime()> Uhr;

    QLineEdit* NameEdit;
    QWidget* Panel_Eingabe;
    QWidget* Panel_Anzeigen;
    QLabel* lAnzeige;
    QLabel* lDatum;
    QLabel* lUhrzeit;
    QPushButton* bSpeichern;
    QPushButton* bBeenden;
    QPushButton* bAbbrechen;
    QTimer Timer1;

  signals:
    // A document was saved through the dialog: the typewriter window makes sure its interim-save
    // timer runs and enables its restore button. Emitted before Dokument_verlassen.
    void Gespeichert();
    // The document was saved or discarded, the interim saves and the grid are emptied: the
    // typewriter window hides itself and the assistant is shown.
    void Dokument_verlassen();

  public slots:
    void bSpeichernClick();
    void bBeendenClick();
    void bAbbrechenClick();
    void Timer1Timer();
    void reject() override;

  protected:
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void FormShow();
    void FormClose();

    Zustand& z_;
};
