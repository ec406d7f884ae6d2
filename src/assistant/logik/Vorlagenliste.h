#pragma once
// The entries of the two template choosers.

#include <QString>
#include <QStringList>

// The name of the standard template, which always stands first.
inline const QString Standardvorlage = QStringLiteral("A4 Standard");

// "A4 Standard", then the entries of `ordner` in name order: a folder (names beginning with "."
// left out) adds its name without extension unless that is "A4 Standard", then its own list
// (starting again with "A4 Standard"); a file with the extension exactly ".qxv" adds its name
// without the extension unless that is "A4 Standard".
QStringList Dateipfade_Finden_Combobox(const QString& ordner);
