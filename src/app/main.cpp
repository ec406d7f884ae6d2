// PC-Tastrolix: a mechanical typewriter on the desktop.

#include <QApplication>
#include <QScreen>

#include "model/Dokument.h"
#include "model/Schrifttabelle.h"
#include "model/Zustand.h"
#include "sound/Soundspieler.h"
#include "window/Anwendung.h"
#include "window/TTastrolix.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PC-Tastrolix"));
    Anwendung_einrichten(app);

    Zustand z;
    Soundspieler ton;
    TTastrolix Tastrolix(z, ton);

    // A new empty page of the standard setup.
    Standardseite_einrichten(z);
    z.Schriftart = Schriftart_von(z.Schriftindex);
    z.Auftrag.Neu = true;
    // Without a window manager a maximize request is not granted: fill the screen anyway.
    Tastrolix.setGeometry(Tastrolix.screen()->availableGeometry());
    Tastrolix.showMaximized();
    return QApplication::exec();
}
