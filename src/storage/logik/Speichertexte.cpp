#include "Speichertexte.h"

#include "Dokumentnamen.h"
#include "model/Zustand.h"

QString Meldung_gespeichert(const QString& anzeigename) {
    return QStringLiteral("Das Dokument \"%1\" wurde erfolgreich gespeichert.").arg(anzeigename);
}

QString Meldung_Speichern_fehlgeschlagen() {
    return QStringLiteral("Speichern fehlgeschlagen.");
}

QString Meldung_Verzeichnis() {
    return QStringLiteral("Verzeichnis kann nicht erstellt werden");
}

QString Frage_vor_dem_Beenden(const QString& anzeigename) {
    return QStringLiteral("Soll das Dokument \"") + anzeigename +
           QStringLiteral("\" \n\rvor dem Beenden gespeichert werden?");
}

QString Frage_Entwurf() {
    return QStringLiteral("Soll das Dokument gespeichert werden?");
}

QString Titel_nach_Speichern(const Zustand& z) {
    return QStringLiteral("PC-Tastrolix - ") +
           (z.Dateiname.isEmpty() ? QStringLiteral("Neu") : Anzeigename(z.Dateiname));
}

QString Datum_Anzeige(const QDate& datum) {
    return datum.toString(QStringLiteral("dd.MM.yyyy"));
}

QString Uhrzeit_Anzeige(const QTime& zeit, const QLocale& sprache) {
    return sprache.toString(zeit, Langes_Zeitformat(sprache)) + QStringLiteral(" Uhr");
}

QString Langes_Zeitformat(const QLocale& sprache) {
    // Drop every run of "t" outside quoted text, with the blanks before it.
    const QString format = sprache.timeFormat(QLocale::LongFormat);
    QString ohne;
    bool zitat = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') zitat = !zitat;
        if (zitat || c != u't') {
            ohne += c;
            continue;
        }
        while (!ohne.isEmpty() && ohne.back().isSpace()) ohne.chop(1);
        while (i + 1 < format.size() && format[i + 1] == u't') ++i;
    }
    return ohne.trimmed();
}
