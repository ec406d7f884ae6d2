#include "Speichervorgang.h"

#include <QDir>
#include <QFileInfo>

#include "Dokumentnamen.h"
#include "Speichertexte.h"
#include "model/Dokument.h"
#include "model/Zustand.h"
#include "storage/Dokumentdatei.h"
#include "storage/Ordner.h"

namespace {
// A dated file in `ordner`, or the error when every second of the next hour is taken.
Benutzerpfad Datierte_Datei(const QString& ordner, const QDateTime& jetzt, const QString& rest) {
    if (QString pfad = Freier_datierter_Pfad(ordner, jetzt, rest); !pfad.isEmpty()) {
        return {pfad, std::nullopt};
    }
    return {{},
            Fehler_Erstellen(QDir(ordner).filePath(Datum_Zeit_Teil(jetzt) + rest + ".qxt"),
                             QStringLiteral("In der nächsten Stunde ist kein Dateiname mit "
                                            "diesem Namen mehr frei."))};
}

// A fresh date and time beside the document's file, keeping the name after its date part.
Benutzerpfad Frisch_datiert(const Zustand& z, const QDateTime& jetzt) {
    return Datierte_Datei(QFileInfo(z.Dateiname).path(), jetzt, Anzeigename(z.Dateiname));
}
}  // namespace

bool Hat_Datei(const Zustand& z) {
    return (z.Dokument_gespeichert || z.Dokument_geladen) && !z.Dateiname.isEmpty();
}

Befehlsfall Befehlsfall_von(const Zustand& z) {
    if (!Hat_Datei(z)) return Befehlsfall::Dialog;
    return z.Dokument_gespeichert ? Befehlsfall::Ueberschreiben : Befehlsfall::Neu_datiert;
}

Befehlsergebnis Speichern_ohne_Dialog(Zustand& z, const QDateTime& jetzt) {
    using Ausgang = Befehlsergebnis::Ausgang;
    const Befehlsfall fall = Befehlsfall_von(z);
    if (fall == Befehlsfall::Dialog) return {};
    const Benutzerpfad ziel =
        fall == Befehlsfall::Neu_datiert ? Frisch_datiert(z, jetzt) : Benutzerpfad{z.Dateiname, {}};
    Dateifehler fehler = ziel.Fehler;
    if (!fehler) fehler = Speichern(z, ziel.Pfad);
    if (fehler) return {Ausgang::Fehlgeschlagen, Meldung_Speichern_fehlgeschlagen(), *fehler};
    if (fall == Befehlsfall::Neu_datiert) {
        z.Dokumentname = Anzeigename(ziel.Pfad);
        z.Dateiname = ziel.Pfad;
    }
    return {Ausgang::Gespeichert, Meldung_gespeichert(Anzeigename(z.Dateiname)), {}};
}

Dialogfall Dialogfall_von(const Zustand& z) {
    if (!Hat_Datei(z)) return Dialogfall::Neue_Datei;
    return z.Schliessen_angefordert ? Dialogfall::Frisch_datiert : Dialogfall::Ueberschreiben;
}

Dateifehler Im_Dialog_speichern(Zustand& z, const QString& namensfeld, const QDateTime& jetzt) {
    const Dialogfall fall = Dialogfall_von(z);
    Benutzerpfad ziel{z.Dateiname, std::nullopt};
    if (fall == Dialogfall::Frisch_datiert) ziel = Frisch_datiert(z, jetzt);
    if (fall == Dialogfall::Neue_Datei) {
        if (z.Zielordner.isEmpty()) return Meldung_Verzeichnis();
        // Behind the date part a name can never be "." or "..": only a separator could lead
        // out of the folder, and separators are among the refused characters.
        if (Ohne_abgelehnte_Zeichen(namensfeld) != namensfeld) {
            return Fehler_Erstellen(
                QDir(z.Zielordner).filePath(Mit_Endung_qxt(Datum_Zeit_Teil(jetzt) + namensfeld)),
                QStringLiteral("Ein Name darf keines dieser Zeichen enthalten: \" * / : < > ? "
                               "\\ |"));
        }
        // A folder that cannot be made shows in the write's error, which names the path.
        QDir().mkpath(z.Zielordner);
        ziel = Datierte_Datei(z.Zielordner, jetzt, Ohne_letzte_Endung(namensfeld));
    }
    if (ziel.Fehler) return ziel.Fehler;
    if (Dateifehler f = Speichern(z, ziel.Pfad)) return f;
    z.Dateiname = ziel.Pfad;
    if (fall == Dialogfall::Neue_Datei) z.Dokumentname = namensfeld;
    z.Dokument_gespeichert = true;
    z.Dokument_geladen = false;
    return std::nullopt;
}

void Dokument_schliessen(Zustand& z) {
    if (!z.Temppfad.isEmpty()) ClearDir(z.Temppfad);
    BuchstabenFeld_neu(z);
    // The empty grid has one page; an interim save taken now must be loadable.
    z.Seitenanzahl = 1;
    z.Schliessen_nach_Speichern = false;
}

void Ohne_Speichern_beenden(Zustand& z) {
    Dokument_schliessen(z);
    z.Dokument_gespeichert = false;
    z.Dokument_geladen = false;
}
