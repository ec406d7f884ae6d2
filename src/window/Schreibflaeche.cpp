#include "Schreibflaeche.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "model/Zustand.h"

Schreibflaeche::Schreibflaeche(Zustand& z, QWidget* parent) : QWidget(parent), z_(z) {
    setObjectName(QStringLiteral("Schreibflaeche"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Blatt"));
}

void Schreibflaeche::zeichnen() {
    maler_.zeichnen(bild_, z_, size(), devicePixelRatioF());
    update();
}

void Schreibflaeche::buchstaben_zeichnen() {
    if (bild_.isNull()) zeichnen();
    const QRect geraet = maler_.buchstaben_zeichnen(bild_, z_, devicePixelRatioF(),
                                                    z_.Markierung_vorhanden);
    const qreal dpr = devicePixelRatioF();
    update(QRectF(geraet.x() / dpr, geraet.y() / dpr, geraet.width() / dpr,
                  geraet.height() / dpr)
               .toAlignedRect());
}

void Schreibflaeche::auffrischen() {
    if (bild_.isNull() || bild_.deviceIndependentSize().toSize() != size() ||
        !maler_.passt(bild_, z_, devicePixelRatioF())) {
        zeichnen();
    }
    buchstaben_zeichnen();
}

void Schreibflaeche::paintEvent(QPaintEvent* ereignis) {
    QPainter p(this);
    if (bild_.isNull()) {
        p.fillRect(ereignis->rect(), Qt::white);
        return;
    }
    const qreal dpr = bild_.devicePixelRatio();
    const QRect ziel = ereignis->rect();
    const QRectF quelle(ziel.x() * dpr, ziel.y() * dpr, ziel.width() * dpr, ziel.height() * dpr);
    p.drawImage(QRectF(ziel), bild_, quelle);
}

void Schreibflaeche::mousePressEvent(QMouseEvent* ereignis) { emit Maus_gedrueckt(ereignis); }
