#include "TTastrolix.h"

#include "model/Zustand.h"

TTastrolix::TTastrolix(Zustand& z, QWidget* parent) : QMainWindow(parent), z_(z) {
    setWindowTitle(QStringLiteral("PC-Tastrolix"));
}
