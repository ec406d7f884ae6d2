#include "Dokumentbefehle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "Dokumenttexte.h"
#include "storage/Ordner.h"
#include "storage/logik/Dokumentnamen.h"

namespace {
const QString Dokumentendung = QStringLiteral(".qxt");

bool Ist_Trenner(QChar c) {
    return c == u'/' || c == u'\\';
}

bool Vorhanden(const QString& pfad) {
    const QFileInfo info(pfad);
    return info.exists() || info.isSymLink();
}
}  // namespace

QString Zielordner_von(const tNodeInfo& auswahl) {
    return Ordner_von(auswahl) + u'/';
}

QString Ordner_von(const tNodeInfo& auswahl) {
    return auswahl.Path ? auswahl.Name : QFileInfo(auswahl.Name).path();
}

QString Baumtext_von(const QString& pfad) {
    return QFileInfo(pfad).completeBaseName();
}

Benutzerpfad Neuer_Ordner_Pfad(const QString& dokumentenpfad, const QString& eingabe) {
    if (dokumentenpfad.isEmpty()) return {{}, Meldung_Dokumentenordner()};
    const QStringList teile =
        eingabe.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts);
    const bool absolut = !eingabe.isEmpty() && Ist_Trenner(eingabe.front());
    const bool versteckt = std::any_of(teile.begin(), teile.end(),
                                       [](const QString& t) { return t.startsWith(u'.'); });
    if (absolut || versteckt || teile.isEmpty()) return {{}, Meldung_Ordnername_ungueltig(eingabe)};
    return {dokumentenpfad + u'/' + teile.join(u'/'), std::nullopt};
}

Dateifehler Ordner_anlegen(const QString& pfad) {
    if (QFileInfo(pfad).isDir()) return Meldung_Name_existiert;
    if (!QDir().mkpath(pfad)) return Meldung_Ordner_nicht_angelegt(pfad);
    return std::nullopt;
}

Benutzerpfad Umbenennen_Ziel(const tNodeInfo& alt, const QString& eingabe) {
    if (std::any_of(eingabe.begin(), eingabe.end(), Ist_Trenner) || eingabe.startsWith(u'.')) {
        return {{}, Meldung_Name_ungueltig(eingabe)};
    }
    const QFileInfo info(alt.Name);
    if (alt.Path) return {info.path() + u'/' + eingabe, std::nullopt};
    const QString datum_zeit = info.fileName().left(Datum_Zeit_Laenge);
    return {info.path() + u'/' + datum_zeit + eingabe + Dokumentendung, std::nullopt};
}

Dateifehler Eintrag_umbenennen(const QString& alt, const QString& neu) {
    if (alt == neu) return std::nullopt;
    if (Vorhanden(neu)) return Meldung_Name_existiert;
    if (!QDir().rename(alt, neu)) return Meldung_nicht_umbenannt(alt, neu);
    return std::nullopt;
}

Benutzerpfad Kopie_einfuegen(const QString& kopierte_datei, const QString& ordner,
                             const QDateTime& jetzt) {
    if (!QFileInfo(kopierte_datei).isFile()) return {{}, Meldung_Kopie_fehlt(kopierte_datei)};
    const QString ziel = Freier_datierter_Pfad(ordner, jetzt, Anzeigename(kopierte_datei));
    if (ziel.isEmpty() || !QFile::copy(kopierte_datei, ziel)) {
        return {{}, Meldung_nicht_kopiert(kopierte_datei)};
    }
    return {ziel, std::nullopt};
}

bool Ordner_hat_Dokumente(const QString& ordner) {
    return !QDir(ordner)
                .entryList({QStringLiteral("*") + Dokumentendung},
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .isEmpty();
}
