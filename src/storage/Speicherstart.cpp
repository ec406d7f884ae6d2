#include "Speicherstart.h"

#include <QFileInfo>

#include "Einstellungen.h"
#include "Vorlage.h"

namespace {
constexpr int Speicherintervall_Vorgabe = 300000;

void Merken(QStringList& meldungen, const std::optional<QString>& meldung) {
    if (meldung) meldungen << *meldung;
}

QString Im_Vorlagenordner(const Zustand& z, const QString& name) {
    return z.Vorlagenpfad + u'/' + name;
}
}  // namespace

Startergebnis Speicher_starten(Zustand& z, const Ordnerquellen& q) {
    Startergebnis ergebnis;
    const Ordnerstart ordner = OrdnerPfadeFestlegen(z, q);
    Merken(ergebnis.Meldungen, ordner.Meldung);
    ergebnis.Fehlerbehandlung = ordner.Temp_vorgefunden;

    // Without folders there is nothing to read or write; the defaults stay in force.
    const bool ordner_da = !z.Vorlagenpfad.isEmpty();
    if (ordner_da) {
        const QString einstellungen = Im_Vorlagenordner(z, Einstellungen_Name);
        if (QFileInfo::exists(einstellungen)) {
            Merken(ergebnis.Meldungen, Einstellungen_laden(z, einstellungen));
        }
        const QString position = Im_Vorlagenordner(z, Position_Name);
        if (QFileInfo::exists(position)) {
            Merken(ergebnis.Meldungen, Read_Treeposition(z, position));
        }
    }
    // A stored 0 switched the interim saves off for the last run only.
    if (z.Speicherintervall == 0) z.Speicherintervall = Speicherintervall_Vorgabe;
    if (ordner_da && !QFileInfo::exists(Standardvorlage_Datei(z))) {
        Merken(ergebnis.Meldungen, StandardVorlageErzeugen(z));
    }
    Merken(ergebnis.Meldungen, OrdnerAnlegen(z, q));
    return ergebnis;
}

QStringList Speicher_beenden(Zustand& z, std::uint8_t register_index,
                             const std::optional<QString>& baumauswahl) {
    QStringList meldungen;
    DelDir(z.Temppfad);
    z.Register_Index = register_index;
    if (z.Vorlagenpfad.isEmpty()) return meldungen;
    Merken(meldungen, Einstellungen_speichern(z, Im_Vorlagenordner(z, Einstellungen_Name)));
    Merken(meldungen, Save_Treeposition(z, Im_Vorlagenordner(z, Position_Name), baumauswahl));
    return meldungen;
}
