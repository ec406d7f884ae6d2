#pragma once
// The status line's texts and the editing clock. Whoever changes a shown value sets its refresh
// flag; UpdateStatusPanel gives the new texts of the flagged fields and clears all five flags.

#include <QString>
#include <optional>

#include "Zustand.h"

struct Statustexte {
    std::optional<QString> Zeile;
    std::optional<QString> Spalte;
    std::optional<QString> Seite;
    std::optional<QString> Zeichen;
    std::optional<QString> Zeit;
};

Statustexte UpdateStatusPanel(Zustand& z);

// One minute of editing time has passed; asks for the time field to be rewritten.
void Minute_zaehlen(Zustand& z);

// The label of the status line while insert mode is on.
inline const QString Modus_Einfuegen_Text = QStringLiteral(u"Modus: Einf\u00fcgen");
