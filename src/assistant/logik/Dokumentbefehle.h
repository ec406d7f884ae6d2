#pragma once
// The decisions and file steps behind the document manager's commands: where a new document is
// saved, the paths typed names give, and renaming, copying and deleting on disk. Each step
// returns the German message the window shows, or nothing on success.

#include <QDateTime>
#include <QString>

#include "Dokumentbaum.h"
#include "storage/Dateifehler.h"

// The folder a new document started with this entry selected is saved in, ending with "/": the
// folder itself, or the folder of a document.
QString Zielordner_von(const tNodeInfo& auswahl);
// The same without the closing "/": where "Dokument einfügen" puts its copy.
QString Ordner_von(const tNodeInfo& auswahl);

// The tree text the entry at `pfad` gets: its name without folder and extension.
QString Baumtext_von(const QString& pfad);

// The folder "Neuer Ordner" makes for the typed text, always below the documents folder; "\" and
// "/" separate nested folders ("A\B" makes A and in it B). A text beginning with a separator (an
// absolute path) or with a part beginning with "." (".." or a hidden folder) is refused, and so
// is any name while there is no documents folder.
[[nodiscard]] Benutzerpfad Neuer_Ordner_Pfad(const QString& dokumentenpfad, const QString& eingabe);
// Makes the folder with any missing folders above it. "Dieser Name existiert bereits." when a
// folder of that path is there.
[[nodiscard]] Dateifehler Ordner_anlegen(const QString& pfad);

// The new path "Umbenennen" gives: a folder takes the typed name in its parent folder; a document
// keeps its folder and its date and time part (the first 20 characters of its name) and takes
// the typed name after it, with ".qxt". A name holding "\" or "/", or beginning with ".", is
// refused.
[[nodiscard]] Benutzerpfad Umbenennen_Ziel(const tNodeInfo& alt, const QString& eingabe);
// Renames a file or folder; never replaces an entry that is there ("Dieser Name existiert
// bereits.").
[[nodiscard]] Dateifehler Eintrag_umbenennen(const QString& alt, const QString& neu);

// Copies the remembered document into `ordner` under a fresh date and time part (the first free
// second from `jetzt` on, so that a copy never replaces a file) and the name after the source's
// date and time part. The new path, or the message why there is none.
[[nodiscard]] Benutzerpfad Kopie_einfuegen(const QString& kopierte_datei, const QString& ordner,
                                           const QDateTime& jetzt);

// Whether the folder directly holds an entry named "*.qxt"; a folder with documents is not
// deleted.
bool Ordner_hat_Dokumente(const QString& ordner);
