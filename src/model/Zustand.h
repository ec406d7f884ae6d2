#pragma once
// The one document state: grid, overstrikes, cursor, page setup, counters, options and the
// values the windows hand each other. The application owns one instance; windows and commands
// reach it by reference, and tests make as many as they like.

#include <QString>
#include <vector>

#include "Blattgeometrie.h"
#include "Buchstabenfeld.h"
#include "Strukturen.h"

struct Zustand {
    // --- grid and overstrikes
    TBuchstabenFeld BuchstabenFeld;
    std::vector<XBuchstabe> XFeld;

    // --- cursor and pages (line and column from 0, page from 1)
    int akt_Zeile = 0;
    int akt_Spalte = 0;
    int akt_Seite = 1;
    int Seitenanzahl = 1;

    // --- page setup
    int Blattbreite_mm = 210;
    int Blatthoehe_mm = 297;
    int Rand_links = 0;
    int Rand_rechts = 0;
    int Rand_oben = 0;
    int Rand_unten = 0;
    int Spalten_max = 0;  // highest column index, not a count
    int Zeilen_max = 0;   // highest line index within a page
    int Zeichendichte = 10;
    int Zeilenabstand = 100;
    QString Schriftart;
    std::uint8_t Schriftindex = 0;
    int Tabulatorweite = 10;
    int Klingelabstand = 10;
    Farbe Randfarbe = RGB(251, 251, 251);
    bool Rand_fuellen = true;
    Farbe Blattrahmenfarbe = RGB(128, 128, 128);
    Farbe Papierfarbe = RGB(255, 255, 255);

    // --- counters, clock and status refresh requests
    int Zeichenzahl = 0;
    int Zeichen_max = 0;
    int Bearbeitungszeit_Std = 0;
    int Bearbeitungszeit_Min = 0;
    bool Anzeige_Zeile = false;
    bool Anzeige_Spalte = false;
    bool Anzeige_Seite = false;
    bool Anzeige_Zeichen = false;
    bool Anzeige_Zeit = false;

    // --- marking and keyboard
    Farbe Markierungsfarbe = Systemfarbe(28);
    bool Markierung_vorhanden = false;
    bool Taste_gehalten = false;
    bool Modus_Einfuegen = false;

    // --- options kept in the settings file
    bool Sound_an = true;
    bool Tastenwiederholungston = true;
    bool SM_Modus = false;
    bool AutoZeilenUmbruch = true;
    int Speicherintervall = 300000;
    double Lautstaerke = 1.0;
    double Lautstaerke1 = 1.0;
    double Lautstaerke2 = 1.0;
    double Lautstaerke3 = 1.0;
    double Lautstaerke4 = 1.0;
    int Blatt_Abstand = 15;
    int Einstellung_Reserve = 50;     // reserved field of the settings file, written back as read
    std::uint8_t Register_Index = 0;  // the assistant's page that was open last
    QString Treeposition;             // display text of the document tree's selected entry

    // --- the program's folders; empty until the documents folder has been found
    QString Basispfad;  // the user's documents folder, ending in "/"
    QString Dokumentenpfad;
    QString Temppfad;

    // --- hand-over between the assistant, the typewriter window and the save dialogs
    TAuftrag Auftrag;
    QString Dateiname;
    QString Vorlagenname;
    QString Zielordner;
    QString Vorlagenpfad;
    QString Dokumentname;
    bool Dokument_geladen = false;
    bool Dokument_gespeichert = false;  // saved through the save dialog under Dateiname
    bool Schliessen_nach_Speichern = false;
    bool Schliessen_angefordert = false;
    bool Fehlerbehebung = false;

    // --- sheet geometry of the last layout
    Blattgeometrie Geometrie;

    // Grid row of a line of a page (page from 1, line from 0).
    int Zeile_im_Feld(int seite, int zeile) const { return (seite - 1) * (Zeilen_max + 1) + zeile; }
    // Grid row of the cursor.
    int akt_Feldzeile() const { return Zeile_im_Feld(akt_Seite, akt_Zeile); }
};
