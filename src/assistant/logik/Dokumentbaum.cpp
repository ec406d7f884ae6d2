#include "Dokumentbaum.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {
void Finden(const QString& ordner, bool mit_Dateien, const QString& endung,
            std::vector<Baumeintrag>& ziel) {
    const QFileInfoList eintraege =
        QDir(ordner).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                                   QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& e : eintraege) {
        const QString name = e.fileName();
        const QString pfad = QDir(ordner).filePath(name);
        if (e.isDir()) {
            if (name.startsWith(u'.')) continue;
            Baumeintrag knoten{e.completeBaseName(), {true, pfad}, {}};
            Finden(pfad, mit_Dateien, endung, knoten.Kinder);
            ziel.push_back(std::move(knoten));
        } else if (mit_Dateien && name.endsWith(endung, Qt::CaseSensitive) &&
                   name.size() > endung.size()) {
            ziel.push_back({e.completeBaseName(), {false, pfad}, {}});
        }
    }
}
}  // namespace

std::vector<Baumeintrag> Dateipfade_Finden(const QString& ordner, bool mit_Dateien,
                                           const QString& endung) {
    std::vector<Baumeintrag> baum;
    if (!ordner.isEmpty()) Finden(ordner, mit_Dateien, endung, baum);
    return baum;
}

int Pfad_ListeCompare(const QCollator& sortierung, const QString& text1, const QString& text2) {
    return -sortierung.compare(text1, text2);
}

QCollator Baumsortierung() {
    QCollator sortierung{QLocale()};
    sortierung.setCaseSensitivity(Qt::CaseSensitive);
    return sortierung;
}

void Baum_sortieren(std::vector<Baumeintrag>& baum, const QCollator& sortierung) {
    std::stable_sort(baum.begin(), baum.end(),
                     [&sortierung](const Baumeintrag& a, const Baumeintrag& b) {
                         return Pfad_ListeCompare(sortierung, a.Text, b.Text) < 0;
                     });
    for (Baumeintrag& e : baum) Baum_sortieren(e.Kinder, sortierung);
}
