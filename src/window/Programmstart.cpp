#include "Programmstart.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>

void ExecuteProgramm(const QString& pfad, QWidget* eltern) {
    QProcess prozess;
    QEventLoop schleife;
    QObject::connect(&prozess, &QProcess::finished, &schleife, &QEventLoop::quit);
    QObject::connect(&prozess, &QProcess::errorOccurred, &schleife, &QEventLoop::quit);
    prozess.start(QStringLiteral("xdg-open"), {pfad});
    if (prozess.state() != QProcess::NotRunning) schleife.exec();
    if (prozess.error() == QProcess::FailedToStart ||
        prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0) {
        QMessageBox::critical(eltern, QStringLiteral("Programm Starten"),
                              QStringLiteral("Fehler beim Starten des Programms"));
    }
}
