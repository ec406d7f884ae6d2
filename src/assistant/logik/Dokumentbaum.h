#pragma once
// The folder tree of the document manager: the folders and documents under a folder, newest
// document first. Every entry carries a tNodeInfo; the window builds its tree view from it.

#include <QCollator>
#include <QString>
#include <vector>

// The record of one tree entry.
struct tNodeInfo {
    bool Path = false;  // true for a folder, false for a document
    QString Name;       // full path of the folder (no trailing "/") or of the document file

    bool operator==(const tNodeInfo&) const = default;
};

struct Baumeintrag {
    QString Text;  // the shown text: the name without its extension
    tNodeInfo Info;
    std::vector<Baumeintrag> Kinder;
};

// The folder every new documents folder holds; it is chosen when no entry is remembered, so that
// a new user can start a document at once.
inline const QString Starterordner_Name = QStringLiteral("Meine Dokumente");

// The folders under `ordner` (names beginning with "." left out), each followed by what it holds,
// and with `mit_Dateien` the files whose extension is exactly `endung` (letter case counts).
// Entries come in name order, as the file system would list them alphabetically; symbolic links
// are left out, so the tree never leads out of the folder or round in circles.
std::vector<Baumeintrag> Dateipfade_Finden(const QString& ordner, bool mit_Dateien,
                                           const QString& endung = QStringLiteral(".qxt"));

// The order of two siblings: the negated locale-aware, case-sensitive comparison of their texts,
// so siblings stand in descending order. Folders and documents mix; since document names begin
// with their date, the newest document comes first, and folders named with letters stand above.
int Pfad_ListeCompare(const QCollator& sortierung, const QString& text1, const QString& text2);

// The collation the tree sorts by: the program's locale, case-sensitive.
QCollator Baumsortierung();

// Sorts every level of the tree by Pfad_ListeCompare; equal texts keep their order.
void Baum_sortieren(std::vector<Baumeintrag>& baum, const QCollator& sortierung);
