#include "Dateifehler.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString Fehler_Erstellen(const QString& pfad, const QString& grund) {
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

QString Fehler_Oeffnen(const QString& pfad, const QString& grund) {
    return QString::fromUtf8("Datei %1 kann nicht geöffnet werden. %2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

Dateifehler Datei_schreiben(const QString& pfad, const QByteArray& inhalt) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return Fehler_Erstellen(pfad, datei.errorString());
    if (datei.write(inhalt) != inhalt.size()) {
        const QString grund = datei.errorString();
        datei.cancelWriting();
        return Fehler_Erstellen(pfad, grund);
    }
    // commit() flushes the rest, syncs and renames; the old file stays if any of it fails.
    if (!datei.commit()) return Fehler_Erstellen(pfad, datei.errorString());
    return std::nullopt;
}

Dateifehler Datei_lesen(const QString& pfad, QByteArray& inhalt, qint64 hoechstens) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return Fehler_Oeffnen(pfad, datei.errorString());
    inhalt = hoechstens < 0 ? datei.readAll() : datei.read(hoechstens);
    if (datei.error() != QFileDevice::NoError) return Fehler_Oeffnen(pfad, datei.errorString());
    return std::nullopt;
}

Dateifehler Name_pruefen(const QString& ordner, const QString& name, const QString& endung) {
    if (!name.contains(u'/') && !name.contains(u'\\') && !name.contains(QStringLiteral(".."))) {
        return std::nullopt;
    }
    return Fehler_Erstellen(ordner + u'/' + name + endung,
                            QStringLiteral("Ein Name darf weder \"/\" noch \"\\\" noch \"..\" "
                                           "enthalten."));
}

Benutzerpfad Pfad_im_Ordner(const QString& ordner, const QString& name, const QString& endung) {
    if (Dateifehler f = Name_pruefen(ordner, name, endung)) return {{}, f};
    return {ordner + u'/' + name + endung, std::nullopt};
}
