#pragma once
// Template files (".qxv"): 82 bytes of page setup, no grid. The font is stored by its index in
// the font table (model/Schrifttabelle.h).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "Dateifehler.h"
#include "model/Zustand.h"

// Name of the standard template in the template folder.
inline const QString Standardvorlage_Name = QStringLiteral("A4 Standard.qxv");
// Its path: Vorlagenpfad + "/" + Standardvorlage_Name.
QString Standardvorlage_Datei(const Zustand& z);

// Writes the page setup of the state as a template: the font index of Schriftart, editing time 0.
// Afterwards Schriftindex is that index and the state's editing time is 0; a failed write leaves
// the state as it was.
[[nodiscard]] Dateifehler Vorlage_Speichern(Zustand& z, const QString& datei);

// Reads a template into the page setup (the grid stays as it is) and sets Schriftart from the
// font index, empty for an index outside the table. A file shorter than 82 bytes sets the
// fields it holds whole; the others keep their values. A result that would leave the program
// inconsistent (see Seitenwerte_pruefen) is refused with the
// opening error, and the state stays as it was.
[[nodiscard]] Dateifehler Vorlage_Laden(Zustand& z, const QString& datei);

// Writes "A4 Standard.qxv" into the template folder with the standard values, then empties the
// grid at the sizes in force before and puts the standard values into the state (Schriftart is
// not touched, only its index).
[[nodiscard]] Dateifehler StandardVorlageErzeugen(Zustand& z);

// The stored form, as Vorlage_Speichern writes it (Schriftindex and editing time taken as the
// state holds them).
QByteArray Vorlage_Bytes(const Zustand& z);
// Takes a template from bytes as Vorlage_Laden does; the reason for a refusal, or nothing.
std::optional<QString> Vorlage_uebernehmen(Zustand& z, QByteArrayView bytes);
