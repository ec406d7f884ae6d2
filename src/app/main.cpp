#include <QApplication>

#include "model/Dokument.h"
#include "model/Zustand.h"
#include "window/TTastrolix.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Zustand z;
    Standardseite_einrichten(z);
    TTastrolix fenster(z);
    fenster.show();
    return QApplication::exec();
}
