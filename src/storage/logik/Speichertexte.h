#pragma once
// The texts of saving, word for word as the user reads them.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

struct Zustand;

// "Das Dokument "<name>" wurde erfolgreich gespeichert."
QString Meldung_gespeichert(const QString& anzeigename);
// "Speichern fehlgeschlagen."
QString Meldung_Speichern_fehlgeschlagen();
// "Verzeichnis kann nicht erstellt werden" - a new document has no folder to go to.
QString Meldung_Verzeichnis();

// The save dialog's question when a document with a file is left: "Soll das Dokument "<name>" ",
// a line feed and a carriage return (in this order), "vor dem Beenden gespeichert werden?".
QString Frage_vor_dem_Beenden(const QString& anzeigename);
// The question panel's text before any question is asked.
QString Frage_Entwurf();

// The typewriter window's caption after a save command: "PC-Tastrolix - " and the display name of
// Dateiname, or "PC-Tastrolix - Neu" for a document without a file.
QString Titel_nach_Speichern(const Zustand& z);

// The save dialog's clock: the date as "dd.mm.yyyy"; the time in the locale's long format
// (with seconds, without the time zone) followed by " Uhr".
QString Datum_Anzeige(const QDate& datum);
QString Uhrzeit_Anzeige(const QTime& zeit, const QLocale& sprache);
// The locale's long time format without its time-zone field ("HH:mm:ss t" gives "HH:mm:ss").
QString Langes_Zeitformat(const QLocale& sprache);
