#include "Schieberegler.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

Schieberegler::Schieberegler(const QString& name, int maximum, QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setObjectName(name);
    setRange(0, maximum);
    setTickPosition(QSlider::NoTicks);
    connect(this, &QSlider::sliderMoved, this, &Schieberegler::Position_zeigen);
    connect(this, &QSlider::sliderPressed, this, [this] { Position_zeigen(sliderPosition()); });
    connect(this, &QSlider::sliderReleased, this, [] { QToolTip::hideText(); });
}

void Schieberegler::Position_zeigen(int position) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = position;
    const QRect daumen =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    QToolTip::showText(mapToGlobal(daumen.bottomLeft() + QPoint(0, 4)), QString::number(position),
                       this);
}
