#pragma once
// The typewriter window's save commands and its close request, as far as they reach into
// saving. The window keeps what is its own: its caption, its interim-save timer and its restore
// button. The calls it makes, in this order:
//
// SpeicherButtonClick (toolbar button "Speichern..."):
//   1. z.Schliessen_angefordert = false;
//   2. if (Speichern_mit_Dialog(z, dialog, this) == Speicherausgang::Gespeichert)
//          start Speichertimer unless it runs;
//   3. setWindowTitle(Titel_nach_Speichern(z)).
// Speichern1Click ("&Datei" > "&Speichern", Ctrl+S; leaves Schliessen_angefordert alone):
//   1. Speichern_mit_Dialog(z, dialog, this);
//   2. start Speichertimer unless it runs; enable ZS_Laden_Button;
//   3. setWindowTitle(Titel_nach_Speichern(z)).
// When the dialog was shown instead, the caption reads "PC-Tastrolix - Neu" and the dialog's save
// does not change it.
//
// Close request (closeEvent, reached by the close box and "S&chließen"): ignore the event, then
// Schliessen_anfordern(z, dialog). The window never closes itself; the dialog decides.
//
// Connect once:
//   TSpeicherdialog_klein::Gespeichert        -> start Speichertimer unless it runs; enable
//                                                ZS_Laden_Button
//   TSpeicherdialog_klein::Dokument_verlassen -> hide the typewriter window; show the assistant

#include "storage/logik/Speichervorgang.h"

class QWidget;
class TSpeicherdialog_klein;
struct Zustand;

using Speicherausgang = Befehlsergebnis::Ausgang;

// Speichern_mit_Dialog: fills the name field with the display name of Dateiname (unless the
// dialog is open already: its text stays), then saves without asking when the document has a
// file and tells the user the result in a box over `eltern` - "Das Dokument "…" wurde erfolgreich
// gespeichert." or "Speichern fehlgeschlagen." with the reason - or shows the dialog.
Speicherausgang Speichern_mit_Dialog(Zustand& z, TSpeicherdialog_klein& dialog, QWidget* eltern);

// The close request: sets Schliessen_angefordert and Schliessen_nach_Speichern, puts Dokumentname
// into the name field (unless the dialog is open already: what was typed there stays) and shows
// the dialog (the question panel for a document with a file).
void Schliessen_anfordern(Zustand& z, TSpeicherdialog_klein& dialog);
