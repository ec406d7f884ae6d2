#pragma once
// The sheet of paper on screen: a picture kept in an image, painted by the Blattmaler and shown
// as it is. Only the delayed redraw repaints it whole; a keystroke repaints a cell's surroundings.

#include <QImage>
#include <QWidget>

#include "Blattmaler.h"

struct Zustand;

class Schreibflaeche : public QWidget {
    Q_OBJECT
public:
    Schreibflaeche(Zustand& z, QWidget* parent);

    // Paints the empty paper at the widget's size.
    void zeichnen();
    // Brings the characters of the current page onto the paper, redrawing only what changed;
    // sets Markierung_vorhanden.
    void buchstaben_zeichnen();
    // The delayed redraw's drawing: paper and characters, where the paper is repainted only
    // when the layout, the page or the colours changed.
    void auffrischen();

    const QImage& Bild() const { return bild_; }

signals:
    void Maus_gedrueckt(QMouseEvent* ereignis);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    Zustand& z_;
    Blattmaler maler_;
    QImage bild_;
};
