#include "Programmfenster.h"

Programmfenster::Programmfenster(Zustand& z, Soundausgabe& ton, const Ordnerquellen& quellen)
    : Assistent(z, ton, quellen), Tastrolix(z, ton), Speicherdialog_klein(z, &Tastrolix) {
    Assistent.Schreibmaschine_setzen(&Tastrolix);
    Tastrolix.Speicherdialog_setzen(&Speicherdialog_klein);
    QObject::connect(&Speicherdialog_klein, &TSpeicherdialog_klein::Dokument_verlassen,
                     &Assistent, &QWidget::show);
    Tastrolix.setAttribute(Qt::WA_QuitOnClose, false);
    Speicherdialog_klein.setAttribute(Qt::WA_QuitOnClose, false);
}
