#pragma once
// What the storage does when the assistant window is made at program start and when it closes
// at the normal end; the assistant adds its controls around these steps.

#include <QString>
#include <QStringList>
#include <optional>

#include "Ordner.h"
#include "model/Zustand.h"

struct Startergebnis {
    // Messages for the user, in the order in which they arose.
    QStringList Meldungen;
    // The previous run did not end normally: offer "Fehlerbehandlung".
    bool Fehlerbehandlung = false;
};

// In this order: the folders (OrdnerPfadeFestlegen); "Einstellungen.ini" and "Position.ini" from
// the template folder when they exist; a stored interim-save interval of 0 becomes 300000; the
// standard template "A4 Standard.qxv" when it is missing; OrdnerAnlegen.
Startergebnis Speicher_starten(Zustand& z, const Ordnerquellen& q);

// In this order: the Temp folder is deleted (a clean end), Register_Index := the assistant's open
// page, the settings are written, then the tree position when an entry is selected. The
// messages of what could not be written.
QStringList Speicher_beenden(Zustand& z, std::uint8_t register_index,
                             const std::optional<QString>& baumauswahl);
