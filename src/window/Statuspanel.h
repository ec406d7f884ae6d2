#pragma once
// The status line below the tool buttons: column, line, page, characters, editing time and the
// insert-mode label.

#include <QFrame>
#include <QLabel>

struct Statustexte;

// A label that reports clicks (the character field recounts when clicked).
class Klickfeld : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
};

class Statuspanel : public QFrame {
    Q_OBJECT
public:
    explicit Statuspanel(QWidget* parent);

    // Rewrites the fields that have a new text.
    void anzeigen(const Statustexte& texte);
    void Steuerung_anzeigen(const QString& text);

signals:
    void Zeichenpanel_geklickt();

private:
    QLabel* Spaltenpanel;
    QLabel* Zeilenpanel;
    QLabel* Seitenpanel;
    Klickfeld* Zeichenpanel;
    QLabel* Zeitpanel;
    QLabel* Steuerungs_Label;
};
