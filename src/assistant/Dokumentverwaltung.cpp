// The page "Dokumente": the tree of folders and documents under the documents folder and the
// commands on them.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "Baumknoten.h"
#include "TAssistent.h"
#include "assistant/logik/Dokumentbefehle.h"
#include "assistant/logik/Vorlagenformeln.h"
#include "model/Zustand.h"

namespace {
bool Liegt_in(QModelIndex knoten, const QModelIndex& zweig) {
    for (; knoten.isValid(); knoten = knoten.parent()) {
        if (knoten == zweig) return true;
    }
    return false;
}
}  // namespace

// --- the tree

QTreeWidgetItem* TAssistent::Gewaehlt() const {
    const QList<QTreeWidgetItem*> gewaehlt = Pfad_Liste->selectedItems();
    return gewaehlt.isEmpty() ? nullptr : gewaehlt.first();
}

void TAssistent::Baum_fuellen() {
    std::vector<Baumeintrag> baum = Dateipfade_Finden(z_.Dokumentenpfad, true);
    Baum_sortieren(baum, Baumsortierung());
    Pfad_Liste->setUpdatesEnabled(false);
    Pfad_Liste->clear();
    Eintraege_anlegen(baum, nullptr);
    Pfad_Liste->setUpdatesEnabled(true);
}

void TAssistent::Eintraege_anlegen(const std::vector<Baumeintrag>& eintraege,
                                   QTreeWidgetItem* oben) {
    for (const Baumeintrag& e : eintraege) {
        Eintraege_anlegen(e.Kinder, Knoten_anlegen(e, Pfad_Liste, oben));
    }
}

void TAssistent::Reset_Tabs() {
    Baum_fuellen();
    if (!z_.Treeposition.isEmpty()) {
        Auswaehlen(TreeItemSuchen(z_.Treeposition));
        return;
    }
    // Nothing remembered, as at the first start: the starter folder, so that a new document can
    // be started at once.
    for (int i = 0; i < Pfad_Liste->topLevelItemCount(); ++i) {
        QTreeWidgetItem* knoten = Pfad_Liste->topLevelItem(i);
        if (Knoteninfo(knoten).Path && Baumtext(knoten) == Starterordner_Name) {
            Auswaehlen(knoten);
            return;
        }
    }
}

QTreeWidgetItem* TAssistent::TreeItemSuchen(const QString& text) const {
    if (text.isEmpty()) return nullptr;
    for (QTreeWidgetItemIterator it(Pfad_Liste); *it; ++it) {
        if (Baumtext(*it) == text) return *it;
    }
    return nullptr;
}

void TAssistent::Auswaehlen(QTreeWidgetItem* eintrag) {
    if (!eintrag) {
        Pfad_Liste->clearSelection();
        return;
    }
    Pfad_Liste->setCurrentItem(eintrag);
    Pfad_Liste->scrollToItem(eintrag);
}

// Selecting an entry opens it and closes the branch selected before, so one path stays open. Done
// once the click is over, so that no entry moves under the mouse while it is pressed.
void TAssistent::Zweig_oeffnen(const QModelIndex& neu, const QModelIndex& vorher) {
    if (!neu.isValid()) return;
    QTimer::singleShot(
        0, this, [this, neu = QPersistentModelIndex(neu), vorher = QPersistentModelIndex(vorher)] {
            if (!neu.isValid()) return;
            for (QModelIndex k = vorher; k.isValid(); k = k.parent()) {
                if (!Liegt_in(neu, k)) Pfad_Liste->setExpanded(k, false);
            }
            for (QModelIndex k = neu; k.isValid(); k = k.parent()) Pfad_Liste->setExpanded(k, true);
        });
}

void TAssistent::setButtons_Dokumente() {
    const bool gewaehlt = Gewaehlt() != nullptr;
    for (QPushButton* knopf : {Loeschen, Umbenennen, Dokument_neu}) knopf->setEnabled(gewaehlt);
    const bool dokument = !Auswahl_.Name.isEmpty() && !Auswahl_.Path;
    Dokument_laden->setEnabled(dokument);
    Dokument_kopieren->setEnabled(dokument);
}

void TAssistent::Pfad_ListeChange() {
    QTreeWidgetItem* eintrag = Gewaehlt();
    if (!eintrag) {
        // The remembered entry stays; only the commands that need a selection go.
        setButtons_Dokumente();
        return;
    }
    Auswahl_ = Knoteninfo(eintrag);
    if (!Auswahl_.Path) z_.Dateiname = Auswahl_.Name;
    // The entry the tree selects again after a rebuild and at the next start.
    z_.Treeposition = Baumtext(eintrag);
    setButtons_Dokumente();
}

void TAssistent::Pfad_ListeDblClick(QTreeWidgetItem* eintrag) {
    if (!eintrag) return;
    Auswahl_ = Knoteninfo(eintrag);
    // A folder only opens or closes, as the tree does by itself.
    if (!Auswahl_.Path) Dokument_ladenClick();
}

// --- commands

void TAssistent::Dokument_ladenClick() {
    QTreeWidgetItem* eintrag = Gewaehlt();
    const tNodeInfo info = eintrag ? Knoteninfo(eintrag) : tNodeInfo{};
    if (info.Name.isEmpty() || info.Path) {
        Melden(Meldung_Keine_Datei);
    } else {
        z_.Dateiname = info.Name;
        Feld_fuer_Laden_vorbereiten(z_);
        z_.Auftrag = {.Laden = true, .Vorlage = false, .Neu = false};
        Schreibmaschine_zeigen();
    }
    if (eintrag) z_.Treeposition = Baumtext(eintrag);
}

void TAssistent::Neuer_OrdnerClick() {
    const std::optional<QString> eingabe = Eingabe(Frage_Neuer_Ordner());
    if (!eingabe || eingabe->isEmpty()) return;
    const Benutzerpfad ordner = Neuer_Ordner_Pfad(z_.Dokumentenpfad, *eingabe);
    if (ordner.Fehler) {
        Melden(*ordner.Fehler);
        return;
    }
    if (const Dateifehler fehler = Ordner_anlegen(ordner.Pfad)) {
        Melden(*fehler);
        return;
    }
    Anzeige_Updaten();
    Reset_Tabs();
}

void TAssistent::UmbenennenClick() {
    QTreeWidgetItem* eintrag = Gewaehlt();
    if (!eintrag) return;
    const tNodeInfo alt = Knoteninfo(eintrag);
    const std::optional<QString> eingabe = Eingabe(Frage_Umbenennen(alt));
    // An empty name names nothing.
    if (!eingabe || eingabe->isEmpty()) return;
    const Benutzerpfad neu = Umbenennen_Ziel(alt, *eingabe);
    const Dateifehler fehler = neu.Fehler ? neu.Fehler : Eintrag_umbenennen(alt.Name, neu.Pfad);
    if (fehler) {
        Melden(*fehler);
        return;
    }
    Anzeige_Updaten();
    Reset_Tabs();
    Auswaehlen(TreeItemSuchen(Baumtext_von(neu.Pfad)));
}

void TAssistent::Dokument_kopierenClick() {
    QTreeWidgetItem* eintrag = Gewaehlt();
    if (!eintrag || Knoteninfo(eintrag).Path) {
        Dokument_einfuegen->setEnabled(false);
        return;
    }
    Kopierte_Datei = Knoteninfo(eintrag).Name;
    Dokument_einfuegen->setEnabled(true);
    Label24->setText(Kopiervermerk(Kopierte_Datei));
    Label24->setAccessibleName(Label24->text());
    Label24->show();
}

void TAssistent::Dokument_einfuegenClick() {
    QTreeWidgetItem* eintrag = Gewaehlt();
    if (!eintrag || Kopierte_Datei.isEmpty()) return;
    z_.Treeposition = Baumtext(eintrag);
    const Benutzerpfad kopie =
        Kopie_einfuegen(Kopierte_Datei, Ordner_von(Knoteninfo(eintrag)), Uhr());
    if (kopie.Fehler) {
        // The note and the button stay: the copy can be tried again elsewhere.
        Melden(*kopie.Fehler);
        return;
    }
    Anzeige_Updaten();
    Reset_Tabs();
    Auswaehlen(TreeItemSuchen(Baumtext_von(kopie.Pfad)));
    Dokument_einfuegen->setEnabled(false);
    Label24->hide();
    setButtons_Dokumente();
}

void TAssistent::LoeschenClick() {
    if (Auswahl_.Name.isEmpty()) return;
    const auto knoepfe = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    if (!Auswahl_.Path) {
        if (Fragen(QMessageBox::Information, Frage_Dokument_loeschen, knoepfe) !=
            QMessageBox::Yes) {
            return;
        }
        Melden(QFile::remove(Auswahl_.Name) ? Meldung_geloescht(Auswahl_.Name)
                                            : Meldung_nicht_geloescht(Auswahl_.Name));
        Reset_Tabs();
        Anzeige_Updaten();
        setButtons_Dokumente();
        return;
    }
    if (Ordner_hat_Dokumente(Auswahl_.Name)) {
        Melden(Meldung_Ordner_nicht_leer);
        return;
    }
    if (Fragen(QMessageBox::Information, Frage_Ordner_loeschen, knoepfe) != QMessageBox::Yes) {
        return;
    }
    // Only an empty folder goes; one that still holds anything stays, without a message.
    QDir().rmdir(Auswahl_.Name);
    Baum_fuellen();
    setButtons_Dokumente();
}

void TAssistent::Label24Click() {
    Label24->hide();
}
