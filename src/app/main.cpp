// PC-Tastrolix: a mechanical typewriter on the desktop.
//
// The windows are made once, hidden, in a fixed order: the assistant first (its creation finds
// the folders, reads the settings and makes the standard template), then the typewriter window
// and the save dialog. The assistant is the main window: the program runs until it is closed.

#include <QApplication>

#include "assistant/TAssistent.h"
#include "model/Zustand.h"
#include "sound/Soundspieler.h"
#include "storage/dialoge/TSpeicherdialog_klein.h"
#include "window/Anwendung.h"
#include "window/TTastrolix.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PC-Tastrolix"));
    Anwendung_einrichten(app);

    Zustand z;
    Soundspieler ton;
    TAssistent Assistent(z, ton);
    TTastrolix Tastrolix(z, ton);
    TSpeicherdialog_klein Speicherdialog_klein(z, &Tastrolix);

    Assistent.Schreibmaschine_setzen(&Tastrolix);
    Tastrolix.Speicherdialog_setzen(&Speicherdialog_klein);
    QObject::connect(&Speicherdialog_klein, &TSpeicherdialog_klein::Dokument_verlassen,
                     &Assistent, &QWidget::show);
    // The typewriter window and the dialog come and go; only closing the assistant ends the run.
    Tastrolix.setAttribute(Qt::WA_QuitOnClose, false);
    Speicherdialog_klein.setAttribute(Qt::WA_QuitOnClose, false);

    Assistent.show();
    return QApplication::exec();
}
