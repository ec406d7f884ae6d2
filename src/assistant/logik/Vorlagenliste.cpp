#include "Vorlagenliste.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString Vorlagenendung = QStringLiteral(".qxv");

void Fuellen(const QString& ordner, QStringList& liste) {
    liste << Standardvorlage;
    const QFileInfoList eintraege =
        QDir(ordner).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                                   QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& e : eintraege) {
        const QString name = e.fileName();
        if (e.isDir()) {
            if (name.startsWith(u'.')) continue;
            if (e.completeBaseName() != Standardvorlage) liste << e.completeBaseName();
            Fuellen(e.filePath(), liste);
        } else if (name.endsWith(Vorlagenendung, Qt::CaseSensitive)) {
            const QString vorlage = name.chopped(Vorlagenendung.size());
            if (vorlage != Standardvorlage) liste << vorlage;
        }
    }
}
}  // namespace

QStringList Dateipfade_Finden_Combobox(const QString& ordner) {
    QStringList liste;
    Fuellen(ordner, liste);
    return liste;
}
