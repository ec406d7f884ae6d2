#pragma once
// Names of document files. A document file is named by the date and time of its saving and the
// name the user gave it: "yyyy-mm-dd hh-nn-ss Name.qxt", e.g. "2013-01-31 14-05-09 Brief.qxt".
// The date and time part is always 20 characters long, so the document manager lists the files
// newest first and the name the user gave starts at the 21st character.

#include <QChar>
#include <QDateTime>
#include <QString>

// Length of the date and time part, blank included.
constexpr int Datum_Zeit_Laenge = 20;

// The name field takes at most this many characters.
constexpr int Name_max = 39;

// "yyyy-mm-dd hh-nn-ss " of the moment: hours 00 to 23, with the closing blank.
QString Datum_Zeit_Teil(const QDateTime& zeitpunkt);

// The name shown for a document file: its file name without folder and extension from the 21st
// character on. Empty for an empty path and for names of 20 characters or fewer.
QString Anzeigename(const QString& dateiname);

// The extension rule of a new document's file name: everything from the last dot on is replaced
// by ".qxt", or ".qxt" is appended when there is no dot ("Brief 1.2" gives "Brief 1.qxt").
QString Mit_Endung_qxt(const QString& name);
// The name without everything from its last dot on ("Brief 1.2" gives "Brief 1").
QString Ohne_letzte_Endung(const QString& name);

// The nine characters the name field refuses: " * / : < > ? \ |
bool Zeichen_abgelehnt(QChar zeichen);
// The text without the refused characters.
QString Ohne_abgelehnte_Zeichen(QString text);

// ordner + "/" + date and time part + rest + ".qxt", for the first second from `jetzt` on whose
// file does not exist yet, so that saves within one second never overwrite each other. The
// folder may end with "/" or not. Empty when no free name is found within an hour.
QString Freier_datierter_Pfad(const QString& ordner, const QDateTime& jetzt, const QString& rest);
