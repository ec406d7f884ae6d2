#pragma once
// The small window "Sound-Einstellungen": the master volume and the four group volumes with a
// test button each. Every movement takes effect at once; there is no cancel. The window is made
// when it is first opened and then only shown and hidden.

#include <QDialog>

#include "model/Zustand.h"
#include "sound/logik/Soundregeln.h"

class Lautstaerkefeld;

class TSoundeinstellungen : public QDialog {
    Q_OBJECT

  public:
    TSoundeinstellungen(Zustand& z, Soundausgabe& ton, QWidget* parent);

    // Opens the window over `fenster`, not modal: made on first use (as a child of `fenster`,
    // so it lives as long as that window) and shown centred over it; afterwards the same
    // window is shown again.
    static TSoundeinstellungen* Zeigen(Zustand& z, Soundausgabe& ton, QWidget* fenster);

  public slots:
    // "Bestätigen": hides the window; the values are already in the state.
    void SpeedButton1Click();

  protected:
    // Every time the window becomes visible it shows the volumes of the state.
    void showEvent(QShowEvent* event) override;

  private:
    Lautstaerkefeld* zeilen_;
};
