#include "Baumknoten.h"

#include <QApplication>
#include <QStyle>

namespace {
constexpr int Rolle_Name = Qt::UserRole;
constexpr int Rolle_Ordner = Qt::UserRole + 1;
}  // namespace

QTreeWidgetItem* Knoten_anlegen(const Baumeintrag& eintrag, QTreeWidget* baum,
                                QTreeWidgetItem* oben) {
    auto* knoten = oben ? new QTreeWidgetItem(oben) : new QTreeWidgetItem(baum);
    knoten->setText(0, eintrag.Text);
    knoten->setData(0, Rolle_Name, eintrag.Info.Name);
    knoten->setData(0, Rolle_Ordner, eintrag.Info.Path);
    const auto bild = eintrag.Info.Path ? QStyle::SP_DirIcon : QStyle::SP_FileIcon;
    knoten->setIcon(0, QApplication::style()->standardIcon(bild));
    return knoten;
}

tNodeInfo Knoteninfo(const QTreeWidgetItem* knoten) {
    return {knoten->data(0, Rolle_Ordner).toBool(), knoten->data(0, Rolle_Name).toString()};
}

QString Baumtext(const QTreeWidgetItem* knoten) {
    return knoten->text(0);
}
