#include "Mausrad.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

bool Mausrad::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::Wheel) return QObject::eventFilter(objekt, ereignis);
    auto* rad = static_cast<QWheelEvent*>(ereignis);
    const int schritt = QWheelEvent::DefaultDeltasPerStep;
    rest_ += rad->angleDelta().y();
    QWidget* ziel = QApplication::focusWidget();
    if (!ziel) {
        auto* widget = qobject_cast<QWidget*>(objekt);
        ziel = widget ? widget->window() : nullptr;
    }
    while (rest_ >= schritt || rest_ <= -schritt) {
        const bool hoch = rest_ > 0;
        rest_ += hoch ? -schritt : schritt;
        if (!ziel) continue;
        QKeyEvent taste(QEvent::KeyPress, hoch ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(ziel, &taste);
    }
    return true;
}
