#pragma once
// The document tree's entries in the tree view: each item carries its tNodeInfo.

#include <QTreeWidgetItem>

#include "assistant/logik/Dokumentbaum.h"

// A new item below `oben` (at the top level of `baum` when null) for the entry.
QTreeWidgetItem* Knoten_anlegen(const Baumeintrag& eintrag, QTreeWidget* baum,
                                QTreeWidgetItem* oben);
tNodeInfo Knoteninfo(const QTreeWidgetItem* knoten);
QString Baumtext(const QTreeWidgetItem* knoten);
