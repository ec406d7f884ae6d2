#pragma once
// The tool area at the top of the typewriter window: the row of tool panels with their buttons
// over a background picture, and the status line below them.

#include <QPixmap>
#include <QToolButton>
#include <QWidget>
#include <vector>

class Statuspanel;

class Bedienbereich : public QWidget {
    Q_OBJECT
public:
    explicit Bedienbereich(QWidget* parent);

    QToolButton* Knopf(const char* name) const;
    Statuspanel* Status() const { return status_; }

    // The ribbon colour index of the ribbon button that is down, or -1 when none is.
    int Farbband() const;
    // Whether a bold style (bold or bold italic) is down.
    bool Fett_gewaehlt() const;

signals:
    // A ribbon or style button changed; the carriage picture follows.
    void Auswahl_geaendert();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QWidget* Panel_anlegen(const char* name, const QString& ueberschrift);
    // Buttons of which at most one is down, but which may all be up.
    static void Hoechstens_einer(const std::vector<QToolButton*>& knoepfe);

    Statuspanel* status_;
    QPixmap hintergrund_;  // drawn once per size, not on every repaint of a button
};
