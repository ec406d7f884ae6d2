#pragma once
// The six type faces a document can name, stored in files by their index.

#include <QString>
#include <cstdint>

constexpr int Schriftarten_Anzahl = 6;

// The face name of index 0 to 5; the name stays as it was for any other index.
void Get_Schriftart(std::uint8_t index, QString& name);

// The index of a face name of the table (exact comparison); Schriftarten_Anzahl for a name
// that is not in it.
std::uint8_t Get_Schriftindex(const QString& name);

// The face name of an index, empty outside the table.
QString Schriftart_von(std::uint8_t index);
