#pragma once
// Document files (".qxt"): a 12-byte header with the grid's rows R, its columns C and the
// overstrike count X, the grid row by row (4 bytes a cell), the overstrike list (16 bytes an
// entry) and the 86 bytes of page setup, cursor and editing time. Little-endian, no alignment.
// A file is exactly 12 + 4 × R × C + 16 × X + 86 bytes long.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

#include "Dateifehler.h"
#include "model/Zustand.h"

// Length of a document file with these counts (no overflow for any int32 counts).
std::int64_t Dokument_Laenge(std::int64_t zeilen, std::int64_t spalten, std::int64_t ueberschlaege);

// Writes the whole document: Schriftindex becomes the font index of Schriftart first. The
// previous file stays whole until the new one is complete; a failed write is reported and
// leaves the state as it was.
[[nodiscard]] Dateifehler Speichern(Zustand& z, const QString& datei);

// Replaces the document in memory (grid, overstrikes, page setup, cursor, editing time, page
// count) by the file's, and sets Schriftart from the font index (empty outside the table). A file
// that would leave the program inconsistent is refused with the opening error naming the reason,
// and the state stays exactly as it was: a file shorter than its header or than its counts say,
// or longer; negative counts; a grid other than Seitenanzahl × (Zeilen_max + 1) rows of
// Spalten_max + 1 cells; lines or columns outside 1 to 300; a cursor outside the document; a page
// setup the sheet cannot be laid out with. The counts are checked against the file's length
// before anything is allocated.
[[nodiscard]] Dateifehler Laden(Zustand& z, const QString& datei);

// The stored form, as Speichern writes it (Schriftindex taken as the state holds it).
QByteArray Dokument_Bytes(const Zustand& z);
// Takes a document from the bytes of a whole file as Laden does; the reason for a refusal, or
// nothing.
std::optional<QString> Dokument_uebernehmen(Zustand& z, QByteArrayView bytes);
