#include "Statuszeile.h"

namespace {
QString Zweistellig(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString von(const char* wort, int n, int gesamt) {
    return QStringLiteral("%1 %2 von %3").arg(QLatin1String(wort)).arg(n).arg(gesamt);
}
}  // namespace

Statustexte UpdateStatusPanel(Zustand& z) {
    Statustexte t;
    if (z.Anzeige_Zeile) t.Zeile = von("Zeilen", z.akt_Zeile + 1, z.Zeilen_max + 1);
    if (z.Anzeige_Spalte) t.Spalte = von("Spalte", z.akt_Spalte + 1, z.Spalten_max + 1);
    if (z.Anzeige_Seite) t.Seite = von("Seite", z.akt_Seite, z.Seitenanzahl);
    if (z.Anzeige_Zeichen) t.Zeichen = von("Zeichen", z.Zeichenzahl, z.Zeichen_max);
    if (z.Anzeige_Zeit) {
        t.Zeit = QStringLiteral("Bearbeitungszeit: ") + Zweistellig(z.Bearbeitungszeit_Std) +
                 QLatin1Char(':') + Zweistellig(z.Bearbeitungszeit_Min);
    }
    z.Anzeige_Zeile = z.Anzeige_Spalte = z.Anzeige_Seite = z.Anzeige_Zeichen = z.Anzeige_Zeit =
        false;
    return t;
}

void Minute_zaehlen(Zustand& z) {
    ++z.Bearbeitungszeit_Min;
    if (z.Bearbeitungszeit_Min >= 60) {
        z.Bearbeitungszeit_Min = 0;
        ++z.Bearbeitungszeit_Std;
    }
    z.Anzeige_Zeit = true;
}
