#pragma once
#include <QMainWindow>

struct Zustand;

// The typewriter window.
class TTastrolix : public QMainWindow {
    Q_OBJECT
public:
    explicit TTastrolix(Zustand& z, QWidget* parent = nullptr);

private:
    Zustand& z_;
};
