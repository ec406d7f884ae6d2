#pragma once
// The five volume rows shared by the sound settings window and the assistant's settings page:
// row label, percent label, track bar 0 to 100 and, for the four groups, a test button. Every
// movement takes effect in the state at once.

#include <QFrame>
#include <array>

#include "model/Zustand.h"
#include "sound/logik/Soundregeln.h"

class QLabel;
class QSlider;

class Lautstaerkefeld : public QFrame {
    Q_OBJECT

  public:
    // Reiter: a white bordered box with a bold master label; Fenster: plain, labels with colons.
    enum class Form { Reiter, Fenster };

    Lautstaerkefeld(Zustand& z, Soundausgabe& ton, Form form, QWidget* parent);

    // Puts the five volumes of the state into the track bars (whole percents, a half to the
    // even neighbour). Each row's change handler runs, so the state keeps whole percents and
    // the labels show them.
    void Werte_zeigen();

  private:
    static constexpr int Zeilen = 5;

    // The change handler of row `zeile` (0 master, 1 to 4 the groups): volume and label.
    void Lautstaerke_aendern(int zeile, int position);

    Zustand& z_;
    Soundausgabe& ton_;
    std::array<QSlider*, Zeilen> regler_{};
    std::array<QLabel*, Zeilen> prozent_{};
};
