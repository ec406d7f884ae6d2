// PC-Tastrolix: a mechanical typewriter on the desktop.

#include <QApplication>

#include "app/Programmfenster.h"
#include "model/Zustand.h"
#include "sound/Soundspieler.h"
#include "window/Anwendung.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PC-Tastrolix"));
    Anwendung_einrichten(app);

    Zustand z;
    Soundspieler ton;
    Programmfenster fenster(z, ton,
                            Ordnerquellen_des_Systems(QCoreApplication::applicationDirPath()));
    fenster.Assistent.show();
    return QApplication::exec();
}
