#pragma once
// The settings file "Einstellungen.ini" (a 57-byte binary record despite its name) and the
// tree-position file "Position.ini" (one text line), both in the template folder.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "Dateifehler.h"
#include "model/Zustand.h"

inline const QString Einstellungen_Name = QStringLiteral("Einstellungen.ini");
inline const QString Position_Name = QStringLiteral("Position.ini");

// Writes the 13 settings: Blatt_Abstand, Einstellung_Reserve, Sound_an, Tastenwiederholungston,
// SM_Modus, Lautstaerke to Lautstaerke4, Speicherintervall, AutoZeilenUmbruch, Register_Index.
[[nodiscard]] Dateifehler Einstellungen_speichern(const Zustand& z, const QString& datei);

// Reads the settings. A file shorter than 57 bytes sets the fields it holds whole; the others
// keep their values. Values the program cannot work with (a volume outside 0 to 1, a negative
// interval or inset, an assistant page that does not exist) refuse the whole file with the
// opening error, and the state stays as it was.
[[nodiscard]] Dateifehler Einstellungen_laden(Zustand& z, const QString& datei);

// With an entry of the document tree selected, Treeposition becomes its display text and is
// written as the file's only line (CR LF, the system's 8-bit encoding); without one nothing
// happens and an existing file keeps its line.
[[nodiscard]] Dateifehler Save_Treeposition(Zustand& z, const QString& datei,
                                            const std::optional<QString>& ausgewaehlt);

// Treeposition := the file's first line; empty for a file without any line.
[[nodiscard]] Dateifehler Read_Treeposition(Zustand& z, const QString& datei);

// The stored form of the settings, and taking them from bytes as Einstellungen_laden does (the
// reason for a refusal, or nothing).
QByteArray Einstellungen_Bytes(const Zustand& z);
std::optional<QString> Einstellungen_uebernehmen(Zustand& z, QByteArrayView bytes);
