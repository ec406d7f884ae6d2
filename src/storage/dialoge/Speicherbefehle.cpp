#include "Speicherbefehle.h"

#include <QLineEdit>

#include "TSpeicherdialog_klein.h"
#include "model/Zustand.h"
#include "storage/logik/Dokumentnamen.h"

Speicherausgang Speichern_mit_Dialog(Zustand& z, TSpeicherdialog_klein& dialog, QWidget* eltern) {
    if (!dialog.isVisible()) dialog.NameEdit->setText(Anzeigename(z.Dateiname));
    const Befehlsergebnis ergebnis = Speichern_ohne_Dialog(z, dialog.Uhr());
    switch (ergebnis.ausgang) {
        case Speicherausgang::Gespeichert:
            dialog.Meldungsbox(eltern, QMessageBox::Information, ergebnis.Meldung, {});
            break;
        case Speicherausgang::Fehlgeschlagen:
            dialog.Meldungsbox(eltern, QMessageBox::Critical, ergebnis.Meldung, ergebnis.Grund);
            break;
        case Speicherausgang::Dialog_zeigen:
            dialog.Zeigen();
            break;
    }
    return ergebnis.ausgang;
}

void Schliessen_anfordern(Zustand& z, TSpeicherdialog_klein& dialog) {
    z.Schliessen_angefordert = true;
    z.Schliessen_nach_Speichern = true;
    if (!dialog.isVisible()) dialog.NameEdit->setText(z.Dokumentname);
    dialog.Zeigen();
}
