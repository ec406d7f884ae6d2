#pragma once
// A horizontal track bar without tick marks that shows its position in a tooltip below the
// thumb while the thumb is dragged.

#include <QSlider>

class Schieberegler : public QSlider {
    Q_OBJECT

  public:
    Schieberegler(const QString& name, int maximum, QWidget* parent);

  private:
    void Position_zeigen(int position);
};
