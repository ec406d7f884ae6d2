#pragma once
// The guide bar across the background panel and the carriage marker that runs on it.

#include <QLabel>
#include <QWidget>
#include <array>

// The guide bar `waagen`: white, with the picture `Image1` stretched over it.
class Waage : public QWidget {
    Q_OBJECT
public:
    explicit Waage(QWidget* parent);

signals:
    void Maus_gedrueckt(QMouseEvent* ereignis);

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    QLabel* bild_;
};

// The carriage marker `schlitten` with its twelve stacked pictures, at most one of them shown.
class Schlitten : public QWidget {
    Q_OBJECT
public:
    explicit Schlitten(QWidget* parent);

    // Shows the picture of a ribbon colour index in the standard or bold set; -1 shows none.
    void Bild_zeigen(int farbindex, bool fett);
    // The picture shown, or nullptr.
    const QLabel* Sichtbares_Bild() const;

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    // Six ribbons in the order schwarz, blau, rot, gruen, grau, Orange; standard, then bold.
    std::array<QLabel*, 12> bilder_{};
};
