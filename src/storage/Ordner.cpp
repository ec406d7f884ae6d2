#include "Ordner.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "Dateifehler.h"

namespace {
const QString Baum = QStringLiteral("PC-Tastrolix");

void Pfade_setzen(Zustand& z, const QString& basis) {
    z.Basispfad = basis;
    z.Dokumentenpfad = basis + Baum + QStringLiteral("/Dokumente");
    z.Vorlagenpfad = basis + Baum + QStringLiteral("/Vorlagen");
    z.Temppfad = basis + Baum + QStringLiteral("/Temp");
}

// The documents folder with a trailing "/", made if it is missing; empty when there is none.
QString Basis_von(const Ordnerquellen& q) {
    if (q.Dokumente.isEmpty() || !QDir().mkpath(q.Dokumente)) return {};
    QString basis = QDir::cleanPath(q.Dokumente);
    if (!basis.endsWith(u'/')) basis += u'/';
    return basis;
}

bool Datei_kopieren(const QString& quelle, const QString& ziel) {
    QByteArray inhalt;
    if (Datei_lesen(quelle, inhalt)) return false;
    return !Datei_schreiben(ziel, inhalt);
}

bool Inhalt_kopieren(const QString& quelle, const QString& ziel) {
    if (!QDir().mkpath(ziel)) return false;
    bool ok = true;
    const QFileInfoList eintraege = QDir(quelle).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                               QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : eintraege) {
        const QString nach = ziel + u'/' + e.fileName();
        if (e.isSymLink()) {
            ok = false;  // links are not followed: they could lead out of the tree or in circles
        } else if (e.isDir()) {
            ok = Inhalt_kopieren(e.filePath(), nach) && ok;
        } else {
            ok = Datei_kopieren(e.filePath(), nach) && ok;
        }
    }
    return ok;
}
}  // namespace

QString Meldung_Dokumentenordner() {
    return QStringLiteral(
        "Bitte entfernen Sie den Schreibschutz des Ordners \"C:\\Benutzer\\Dokumente\" bevor Sie "
        "fortfahren.");
}

Ordnerquellen Ordnerquellen_des_Systems(const QString& programmordner) {
    Ordnerquellen q;
    q.Dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString unterordner = QStringLiteral("UserFiles/") + Baum;
    q.Benutzerdateien << QDir::cleanPath(programmordner + u'/' + unterordner)
                      << QDir::cleanPath(programmordner +
                                         QStringLiteral("/../share/pc-tastrolix/") + unterordner);
    for (const QString& daten :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        q.Benutzerdateien << QDir::cleanPath(daten + QStringLiteral("/pc-tastrolix/") +
                                             unterordner);
    }
    q.Benutzerdateien.removeDuplicates();
    return q;
}

Ordnerstart OrdnerPfadeFestlegen(Zustand& z, const Ordnerquellen& q) {
    Ordnerstart ergebnis;
    const QString basis = Basis_von(q);
    z.Basispfad = basis;
    if (basis.isEmpty()) {
        ergebnis.Meldung = Meldung_Dokumentenordner();
        return ergebnis;
    }
    Pfade_setzen(z, basis);
    // Looked at before the copy, so that only a folder left by the program itself counts.
    ergebnis.Temp_vorgefunden = QFileInfo(z.Temppfad).isDir();
    for (const QString& benutzerdateien : q.Benutzerdateien) {
        if (QFileInfo(benutzerdateien).isDir()) {
            CopyDir(benutzerdateien, basis);  // what could not be copied is simply missing
            break;
        }
    }
    QDir().mkpath(z.Dokumentenpfad);
    QDir().mkpath(z.Vorlagenpfad);
    if (!ergebnis.Temp_vorgefunden) QDir().mkpath(z.Temppfad);
    return ergebnis;
}

std::optional<QString> OrdnerAnlegen(Zustand& z, const Ordnerquellen& q) {
    const QString basis = Basis_von(q);
    z.Basispfad = basis;
    if (basis.isEmpty()) return Meldung_Dokumentenordner();
    if (z.Dokumentenpfad.isEmpty() || z.Vorlagenpfad.isEmpty() || z.Temppfad.isEmpty()) {
        Pfade_setzen(z, basis);
    }
    for (const QString& ordner : {z.Dokumentenpfad, z.Vorlagenpfad, z.Temppfad}) {
        QDir().mkpath(ordner);
    }
    return std::nullopt;
}

bool DelDir(const QString& pfad) {
    if (pfad.isEmpty()) return false;
    const QFileInfo info(pfad);
    if (info.isSymLink()) return QFile::remove(pfad);
    if (info.isDir()) {
        QDir ordner(pfad);
        if (ordner.isRoot()) return false;
        return ordner.removeRecursively();
    }
    return info.exists() && QFile::remove(pfad);
}

bool ClearDir(const QString& pfad) {
    const bool geloescht = DelDir(pfad);
    if (!pfad.isEmpty()) QDir().mkpath(pfad);
    return geloescht;
}

bool CopyDir(const QString& quelle, const QString& ziel) {
    const QFileInfo info(QDir::cleanPath(quelle));
    if (!info.isDir() || info.isSymLink() || ziel.isEmpty()) return false;
    const QString von = info.absoluteFilePath();
    const QString nach =
        QFileInfo(QDir::cleanPath(ziel) + u'/' + info.fileName()).absoluteFilePath();
    // A copy into the folder itself would never end.
    if (nach == von || nach.startsWith(von + u'/')) return false;
    return Inhalt_kopieren(von, nach);
}
