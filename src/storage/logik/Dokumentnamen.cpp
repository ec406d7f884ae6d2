#include "Dokumentnamen.h"

#include <QFileInfo>

namespace {
// A folder holds far fewer files of one name than an hour has seconds.
constexpr int Sekunden_hoechstens = 3600;
}  // namespace

QString Datum_Zeit_Teil(const QDateTime& zeitpunkt) {
    return zeitpunkt.toString(QStringLiteral("yyyy-MM-dd hh-mm-ss "));
}

QString Anzeigename(const QString& dateiname) {
    return QFileInfo(dateiname).completeBaseName().mid(Datum_Zeit_Laenge);
}

QString Ohne_letzte_Endung(const QString& name) {
    const qsizetype punkt = name.lastIndexOf(u'.');
    return punkt < 0 ? name : name.left(punkt);
}

QString Mit_Endung_qxt(const QString& name) {
    return Ohne_letzte_Endung(name) + QStringLiteral(".qxt");
}

bool Zeichen_abgelehnt(QChar zeichen) {
    return QStringView(u"\"*/:<>?\\|").contains(zeichen);
}

QString Ohne_abgelehnte_Zeichen(QString text) {
    text.removeIf(Zeichen_abgelehnt);
    return text;
}

QString Freier_datierter_Pfad(const QString& ordner, const QDateTime& jetzt, const QString& rest) {
    const QString vorne = ordner.endsWith(u'/') ? ordner : ordner + u'/';
    for (int s = 0; s < Sekunden_hoechstens; ++s) {
        const QString pfad =
            vorne + Datum_Zeit_Teil(jetzt.addSecs(s)) + rest + QStringLiteral(".qxt");
        // A dangling symbolic link counts as taken: writing would follow it.
        const QFileInfo info(pfad);
        if (!info.exists() && !info.isSymLink()) return pfad;
    }
    return {};
}
