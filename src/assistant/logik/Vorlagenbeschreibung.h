#pragma once
// What the page "Vorlagenverwaltung" shows of the chosen template: its description, the size of
// the format preview and the lines of the font preview.

#include <QLocale>
#include <QSize>
#include <QString>
#include <QStringList>

#include "model/Zustand.h"

// The 14 lines of the description, from the template values of the state. The spacing factor is
// written shortest with the locale's decimal separator ("1,25" in German); lines 12 to 14 show the
// highest indices, not counts (60, 64 and 3840 for the standard template).
QStringList Vorlagenbeschreibung(const Zustand& z, const QLocale& sprache);

// The paper at 2.5 mm a pixel, rounded to the nearest with halves to the even neighbour
// (A4: 84 × 119, A3: 119 × 168).
QSize Formatvorschau(const Zustand& z);

// "Dieser Text wurde mit dem", "Zeichensatz", then the font name in double quotes followed by
// " geschrieben.".
QStringList Zeichensatzvorschau(const QString& schriftart);

// "Die ausgewählte Vorlage "<name>" kann nicht gefunden werden.", name without folder and
// extension.
QString Meldung_Vorlage_fehlt(const QString& vorlagendatei);
