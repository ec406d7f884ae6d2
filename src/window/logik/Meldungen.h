#pragma once
// The refusals of the typing and gap commands, word for word as the user reads them.

#include <QString>

inline const QString Meldung_Einfuegen_Zeilenende =
    QStringLiteral(u"Zum Einfügen muss das letzte Zeichen der Zeile frei sein.");
inline const QString Meldung_Letztes_Zeichen_belegt =
    QStringLiteral(u"Das letzte Zeichen der Zeile muss frei sein!");
inline const QString Meldung_Seitenende =
    QStringLiteral(u"Am Seitenende kann keine Zeile eingeschoben werden!");
inline const QString Meldung_Letzte_Zeile_belegt =
    QStringLiteral(u"Die letzte Zeile muss frei sein!");
