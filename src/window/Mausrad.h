#pragma once
// Turns the mouse wheel into cursor keys for the whole application: a notch away from the user
// becomes a key-down of Up, a notch toward the user a key-down of Down, delivered where the key
// would go. Fine-grained wheels count as a notch per full step.

#include <QObject>

class Mausrad : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    int rest_ = 0;  // wheel distance not yet turned into a key
};
