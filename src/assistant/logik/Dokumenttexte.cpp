#include "Dokumenttexte.h"

#include <QDir>
#include <QFileInfo>

#include "storage/logik/Dokumentnamen.h"

namespace {
QString Gezeigt(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}
}  // namespace

Eingabefrage Frage_Neuer_Ordner() {
    return {QStringLiteral("Ordner benennen"),
            QStringLiteral("Bitte geben Sie den Ordnernamen ein"), QString()};
}

Eingabefrage Frage_Umbenennen(const tNodeInfo& alt) {
    if (alt.Path) {
        const QString name = QFileInfo(alt.Name).fileName();
        return {QStringLiteral("Ordner Umbenennen"),
                QStringLiteral("Bitte geben Sie einen neuen Namen für den Ordner ") + name +
                    QStringLiteral(" ein."),
                name};
    }
    const QString name = Anzeigename(alt.Name);
    return {QStringLiteral("Datei Umbenennen"),
            QStringLiteral("Bitte geben Sie einen neuen Namen für die Datei ") + name +
                QStringLiteral(" ein."),
            name};
}

QString Kopiervermerk(const QString& kopierte_datei) {
    return QStringLiteral("Sie haben das Dokument\n\r\"") + Anzeigename(kopierte_datei) +
           QStringLiteral("\"\n\rzum Kopieren ausgewählt.");
}

QString Meldung_Kopie_fehlt(const QString& kopierte_datei) {
    return QStringLiteral("Die Datei \"") + QFileInfo(kopierte_datei).completeBaseName() +
           QStringLiteral("\" existiert nicht mehr und kann nicht kopiert werden.");
}

QString Meldung_nicht_kopiert(const QString& kopierte_datei) {
    return QStringLiteral("Die Datei \"") + QFileInfo(kopierte_datei).completeBaseName() +
           QStringLiteral("\" konnte nicht kopiert werden.");
}

QString Meldung_geloescht(const QString& pfad) {
    return Gezeigt(pfad) + QStringLiteral(" wurde erfolgreich gelöscht");
}

QString Meldung_nicht_geloescht(const QString& pfad) {
    return Gezeigt(pfad) + QStringLiteral(" konnte nicht gelöscht werden");
}

QString Meldung_nicht_umbenannt(const QString& alt, const QString& neu) {
    return Gezeigt(alt) + QStringLiteral(" konnte nicht in \"") + QFileInfo(neu).fileName() +
           QStringLiteral("\" umbenannt werden.");
}

QString Meldung_Ordner_nicht_angelegt(const QString& pfad) {
    return QStringLiteral("Der Ordner ") + Gezeigt(pfad) +
           QStringLiteral(" konnte nicht angelegt werden.");
}

QString Meldung_Ordnername_ungueltig(const QString& eingabe) {
    return QStringLiteral("Der Ordnername \"") + eingabe +
           QStringLiteral(
               "\" ist nicht erlaubt. Neue Ordner entstehen im Dokumentenordner: Der Name darf "
               "nicht mit \"\\\" oder \"/\" beginnen, und kein Teil des Namens darf mit \".\" "
               "beginnen (auch nicht \"..\").");
}

QString Meldung_Name_ungueltig(const QString& eingabe) {
    return QStringLiteral("Der Name \"") + eingabe +
           QStringLiteral(
               "\" ist nicht erlaubt. Ein neuer Name darf weder \"\\\" noch \"/\" enthalten und "
               "nicht mit \".\" beginnen, damit der Eintrag in seinem Ordner bleibt.");
}
