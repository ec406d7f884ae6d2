#include "Vorlagenbeschreibung.h"

#include <QFileInfo>
#include <algorithm>

namespace {
QString Zahl(int wert) {
    return QString::number(wert);
}
}  // namespace

QStringList Vorlagenbeschreibung(const Zustand& z, const QLocale& sprache) {
    const QString faktor =
        sprache.toString(z.Zeilenabstand / 100.0, 'g', QLocale::FloatingPointShortest);
    // A page count below one cannot come from a checked template; it divides as one.
    const int seiten = std::max(z.Seitenanzahl, 1);
    const int je_seite = Runden(static_cast<double>(z.Zeilen_max) * z.Spalten_max / seiten);
    return {
        QStringLiteral("Abmessungen  ") + Zahl(z.Blattbreite_mm) + u'x' + Zahl(z.Blatthoehe_mm) +
            QStringLiteral("mm"),
        QStringLiteral("Ausrichtung  Hochformat"),
        QString(),
        QStringLiteral("Rand links  ") + Zahl(z.Rand_links) + QStringLiteral("mm"),
        QStringLiteral("Rand rechts ") + Zahl(z.Rand_rechts) + QStringLiteral("mm"),
        QStringLiteral("Rand oben   ") + Zahl(z.Rand_oben) + QStringLiteral("mm"),
        QStringLiteral("Rand unten  ") + Zahl(z.Rand_unten) + QStringLiteral("mm"),
        QString(),
        QStringLiteral("Zeichensatz   \"") + z.Schriftart + u'"',
        QStringLiteral("Zeichendichte ") + Zahl(z.Zeichendichte) + QStringLiteral(" cpi"),
        QStringLiteral("Zeilenabstand ") + faktor + QStringLiteral("fach"),
        Zahl(z.Spalten_max) + QStringLiteral(" Zeichen je Zeile"),
        Zahl(z.Zeilen_max) + QStringLiteral(" Zeilen"),
        Zahl(je_seite) + QStringLiteral(" Zeichen je Seite"),
    };
}

QSize Formatvorschau(const Zustand& z) {
    return {Runden(z.Blattbreite_mm / 2.5), Runden(z.Blatthoehe_mm / 2.5)};
}

QStringList Zeichensatzvorschau(const QString& schriftart) {
    return {QStringLiteral("Dieser Text wurde mit dem"), QStringLiteral("Zeichensatz"),
            u'"' + schriftart + QStringLiteral("\" geschrieben.")};
}

QString Meldung_Vorlage_fehlt(const QString& vorlagendatei) {
    return QString::fromUtf8("Die ausgewählte Vorlage \"") +
           QFileInfo(vorlagendatei).completeBaseName() +
           QStringLiteral("\" kann nicht gefunden werden.");
}
