#pragma once
// The program's folder tree under the user's documents folder:
//   PC-Tastrolix/Dokumente  documents (".qxt"), in folders of the user's choosing
//   PC-Tastrolix/Vorlagen   templates (".qxv"), "Einstellungen.ini", "Position.ini"
//   PC-Tastrolix/Temp       interim saves; deleted at a normal end, so finding it at start
//                           means that the previous run did not end normally
// and the three file operations the storage and the assistant use on it.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/Zustand.h"

// Where the folders come from. The program takes them from the system
// (Ordnerquellen_des_Systems); tests put a temporary folder in.
struct Ordnerquellen {
    // The user's documents folder; empty when none can be had.
    QString Dokumente;
    // Where the installation's "UserFiles/PC-Tastrolix" may be; the first that exists is used.
    QStringList Benutzerdateien;
};

// The desktop's documents folder (XDG user dirs) and the installation's user files: beside the
// program, then in its data folder (<prefix>/share/pc-tastrolix beside <prefix>/bin, then the
// system's data folders).
Ordnerquellen Ordnerquellen_des_Systems(const QString& programmordner);

// "Bitte entfernen Sie den Schreibschutz des Ordners "C:\Benutzer\Dokumente" bevor Sie
// fortfahren." - shown when there is no documents folder to work in.
QString Meldung_Dokumentenordner();

struct Ordnerstart {
    // The documents-folder message, when the documents folder cannot be had or made.
    std::optional<QString> Meldung;
    // The Temp folder was there already: the previous run did not end normally, and its
    // interim saves can be restored ("Fehlerbehandlung").
    bool Temp_vorgefunden = false;
};

// Sets Basispfad (with a trailing "/"), Dokumentenpfad, Vorlagenpfad and Temppfad, copies the
// installation's "UserFiles/PC-Tastrolix" over the user's tree (files of the same name are
// replaced), creates the document and template folders, and creates Temppfad unless it was
// there already. Without a documents folder Basispfad is empty and the other paths stay as
// they were.
[[nodiscard]] Ordnerstart OrdnerPfadeFestlegen(Zustand& z, const Ordnerquellen& q);

// Creates whichever of the three folders is missing (setting the paths first when one of them is
// empty). The documents-folder message when there is no documents folder.
[[nodiscard]] std::optional<QString> OrdnerAnlegen(Zustand& z, const Ordnerquellen& q);

// Deletes a folder with everything in it, or a single file, permanently. A symbolic link is
// removed itself, never what it points to. An empty path, a path that does not exist and the
// root folder give false.
bool DelDir(const QString& pfad);

// DelDir, then the folder is made again, empty, whether or not the deletion succeeded. True when
// the deletion did.
bool ClearDir(const QString& pfad);

// Copies the folder `quelle` into the folder `ziel`: `ziel` gets a folder named like `quelle`
// holding all its files and folders (hidden ones too); files already there are replaced whole,
// files only in the target stay. True when everything was copied.
bool CopyDir(const QString& quelle, const QString& ziel);
