#pragma once
// Saving a document and leaving it: which file a save command and the save dialog's "Speichern"
// write, what they change in the state, and what the user is told. The window layer shows the
// texts and the dialog; everything here works on the state and the disk alone.
//
// The flags' life cycle: a new document (no file) is saved through the dialog into Zielordner
// (Dokument_gespeichert); from then on the save commands overwrite Dateiname. A document opened
// from a file (Dokument_geladen) gets a fresh dated file at every save command, beside the files
// before it. Leaving a document that has a file through the dialog's "Speichern" writes one more
// fresh file.
//
// A new dated name never overwrites a file: saves within one second take the next free second.
// A write that fails changes nothing in the state: Dateiname, Dokumentname and the flags stay as
// they were, and the document is not left.

#include <QDateTime>
#include <QString>

#include "storage/Dateifehler.h"

struct Zustand;

// The document has a file of its own: it was saved through the dialog or opened from a file,
// and Dateiname names it.
bool Hat_Datei(const Zustand& z);

// --- Save commands (the toolbar button and "&Datei" > "&Speichern")

enum class Befehlsfall {
    Ueberschreiben,  // saved through the dialog before: Dateiname is written again
    Neu_datiert,     // opened from a file: a fresh date and time beside the old file
    Dialog,          // no file yet: the dialog asks for a name
};
Befehlsfall Befehlsfall_von(const Zustand& z);

struct Befehlsergebnis {
    enum class Ausgang { Gespeichert, Fehlgeschlagen, Dialog_zeigen };
    Ausgang ausgang = Ausgang::Dialog_zeigen;
    // Gespeichert: "Das Dokument "…" wurde erfolgreich gespeichert."; Fehlgeschlagen:
    // "Speichern fehlgeschlagen."; empty when the dialog is to be shown.
    QString Meldung;
    // Fehlgeschlagen: the file layer's error naming the file and the reason.
    QString Grund;
};

// The save command's work short of the dialog: writes the document when it has a file
// (Befehlsfall) and, for an opened document, moves Dateiname and Dokumentname to the fresh file.
Befehlsergebnis Speichern_ohne_Dialog(Zustand& z, const QDateTime& jetzt);

// --- The save dialog's "Speichern"

enum class Dialogfall {
    Frisch_datiert = 1,  // leaving a document with a file: fresh date and time, same folder
    Neue_Datei = 2,      // no file yet: the name field's text in Zielordner
    Ueberschreiben = 3,  // a save command while the document has a file: Dateiname
};
Dialogfall Dialogfall_von(const Zustand& z);

// Chooses the file by Dialogfall, writes it, and on success sets Dokument_gespeichert, clears
// Dokument_geladen and updates Dateiname (and for a new file Dokumentname := the name field's
// text). A name with one of the nine refused characters and a new document without Zielordner
// are refused; Zielordner is created with its parents when it is missing.
[[nodiscard]] Dateifehler Im_Dialog_speichern(Zustand& z, const QString& namensfeld,
                                              const QDateTime& jetzt);

// --- Leaving a document

// Empties the interim-save folder Temppfad (when there is one) and the grid (BuchstabenFeld_neu,
// one page), and clears Schliessen_nach_Speichern. Dateiname and the flags stay for the assistant.
void Dokument_schliessen(Zustand& z);

// "ohne Speichern beenden": Dokument_schliessen without writing anything, and the document has
// neither been saved nor loaded any more.
void Ohne_Speichern_beenden(Zustand& z);
