#pragma once
// The questions and messages of the assistant's commands on documents and folders.

#include <QString>

#include "Dokumentbaum.h"

// A question for one line of text: caption, prompt and preset.
struct Eingabefrage {
    QString Titel;
    QString Frage;
    QString Vorgabe;
};

// "Neuer Ordner": "Ordner benennen", "Bitte geben Sie den Ordnernamen ein", empty preset.
Eingabefrage Frage_Neuer_Ordner();
// "Umbenennen": for a folder its last name component, for a document the name after the date
// and time part, without extension; each as prompt part and preset.
Eingabefrage Frage_Umbenennen(const tNodeInfo& alt);

// The note under "Dokument einfügen": "Sie haben das Dokument", LF CR, the name after the date and
// time part in double quotes, LF CR, "zum Kopieren ausgewählt.".
QString Kopiervermerk(const QString& kopierte_datei);

// "Die Datei "<name>" existiert nicht mehr und kann nicht kopiert werden.", the whole name
// without folder and extension.
QString Meldung_Kopie_fehlt(const QString& kopierte_datei);
QString Meldung_nicht_kopiert(const QString& kopierte_datei);

// "<pfad> wurde erfolgreich gelöscht" and "<pfad> konnte nicht gelöscht werden", no full stop.
QString Meldung_geloescht(const QString& pfad);
QString Meldung_nicht_geloescht(const QString& pfad);

QString Meldung_nicht_umbenannt(const QString& alt, const QString& neu);
QString Meldung_Ordner_nicht_angelegt(const QString& pfad);
// A typed name that would leave the documents folder or hide its entry.
QString Meldung_Ordnername_ungueltig(const QString& eingabe);
QString Meldung_Name_ungueltig(const QString& eingabe);

inline const QString Meldung_Keine_Datei =
    QStringLiteral("Bitte wählen Sie eine Datei aus, die geladen werden soll.");
inline const QString Meldung_Name_existiert = QStringLiteral("Dieser Name existiert bereits.");
inline const QString Meldung_Ordner_nicht_leer =
    QStringLiteral("Der Ordner muss leer sein, um gelöscht zu werden.");
inline const QString Frage_Dokument_loeschen = QStringLiteral("Möchten Sie das Dokument löschen?");
inline const QString Frage_Ordner_loeschen = QStringLiteral("Möchten Sie den Ordner löschen?");
// Ends with a blank.
inline const QString Frage_Fehlerbehandlung = QStringLiteral(
    "Das Programm wurde nicht korrekt geschlossen. Wollen Sie nicht gespeicherte Daten laden? ");
