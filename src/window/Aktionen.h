#pragma once
// The commands of the typewriter window (the action list) and its main menu.

#include <QAction>
#include <QMenuBar>

// Every command of the action list and every menu item with a handler of its own.
struct Aktionen {
    // Action list, "Schriftfarbe"
    QAction* aSchwarz;
    QAction* aBlau;
    QAction* aRot;
    QAction* aGruen;
    QAction* aGrau;
    QAction* aOrange;
    // "Schriftstil"
    QAction* aFett;
    QAction* aKursiv;
    // "Sound"
    QAction* SoundOn;
    QAction* aTastenwiederholungstonOn;
    // "Steuerung"
    QAction* ShiftTab;
    QAction* Kopieren;
    QAction* Einfuegen;
    QAction* Ausschneiden;
    QAction* aWortanfang;
    QAction* aWortende;
    QAction* Zeichen_loeschen_Backspace;
    QAction* Seite_zurueck;
    QAction* Seite_vor;
    QAction* aSeite_hinzufuegen;
    QAction* aSeite_loeschen;
    QAction* Leerzeichen_einfuegen;
    QAction* Leerzeile_einfuegen;
    QAction* Zeichen_loeschen;
    QAction* Zeile_loeschen;
    // "Markieren"
    QAction* aMarkieren_Wort;
    QAction* aMarkieren_Zeile;
    QAction* aMarkieren_Absatz;
    QAction* aMarkieren_Seite;
    QAction* aMarkierung_ausschalten;
    QAction* aMarkierung_formatieren;
    QAction* aMarkierung_loeschen;

    // Menu items with handlers of their own
    QAction* Speichern1;
    QAction* Drucken1;
    QAction* ext1;
    QAction* Schliessen1;
    QAction* Zurueckblaettern;
    QAction* Vorblaettern;
    QAction* Seitehinzufgen1;
    QAction* seitelschen1;
    QAction* Seitenanfang1;
    QAction* Zeilenanfang1;
    QAction* Zeilenende1;
    QAction* Tab1;
    QAction* Soundanaus1;  // "&Stumm": shows the command SoundOn
    QAction* TastenwiederholungstonEin;
    QAction* Laustaerke1;
    QAction* Buttons;
    QAction* Status;
    QAction* Hilfe2;
    QAction* Programminformationen1;
    QAction* BearbeitenMarkierungAusschalten;
    QAction* BearbeitenMarkierungFormatieren;
    QAction* BearbeitenMarkierungLoeschen;
};

// Makes every command of the window; each is added to the window itself, so its shortcut works
// wherever the window has the keyboard, whether or not a menu shows it.
Aktionen Aktionen_anlegen(QWidget* fenster);

// Fills the main menu with the window's items in their order, with separators.
void Menues_anlegen(QMenuBar* leiste, const Aktionen& a);
