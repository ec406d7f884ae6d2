#include "Vorlage.h"

#include "Bytefolge.h"
#include "Seitenwerte.h"
#include "model/Dokument.h"
#include "model/Schrifttabelle.h"

namespace {
constexpr Seitenformat Format = Seitenformat::Vorlage;

QByteArray Bytes_von(const Seitenwerte& w) {
    QByteArray bytes;
    bytes.reserve(Seitenwerte_Bytes(Format));
    Byteschreiber s(bytes);
    Seitenwerte_schreiben(s, w, Format);
    return bytes;
}
}  // namespace

QString Standardvorlage_Datei(const Zustand& z) {
    return z.Vorlagenpfad + u'/' + Standardvorlage_Name;
}

QByteArray Vorlage_Bytes(const Zustand& z) {
    return Bytes_von(Seitenwerte_von(z, Format));
}

std::optional<QString> Vorlage_uebernehmen(Zustand& z, QByteArrayView bytes) {
    Seitenwerte w = Seitenwerte_von(z, Format);
    Byteleser l(bytes);
    Seitenwerte_lesen(l, w, Format);
    if (auto grund = Seitenwerte_pruefen(w, Format)) return grund;
    Seitenwerte_setzen(z, w, Format);
    z.Schriftart = Schriftart_von(z.Schriftindex);
    return std::nullopt;
}

Dateifehler Vorlage_Speichern(Zustand& z, const QString& datei) {
    Seitenwerte w = Seitenwerte_von(z, Format);
    w.Schriftindex = Get_Schriftindex(z.Schriftart);
    w.Bearbeitungszeit_Min = 0;
    w.Bearbeitungszeit_Std = 0;
    if (Dateifehler f = Datei_schreiben(datei, Bytes_von(w))) return f;
    z.Schriftindex = w.Schriftindex;
    z.Bearbeitungszeit_Min = 0;
    z.Bearbeitungszeit_Std = 0;
    return std::nullopt;
}

Dateifehler Vorlage_Laden(Zustand& z, const QString& datei) {
    QByteArray bytes;
    if (Dateifehler f = Datei_lesen(datei, bytes, Seitenwerte_Bytes(Format))) return f;
    if (auto grund = Vorlage_uebernehmen(z, bytes)) return Fehler_Oeffnen(datei, *grund);
    return std::nullopt;
}

Dateifehler StandardVorlageErzeugen(Zustand& z) {
    if (z.Vorlagenpfad.isEmpty()) {
        return Fehler_Erstellen(Standardvorlage_Name,
                                QString::fromUtf8("Es gibt keinen Ordner für Vorlagen."));
    }
    Zustand standard;
    Standardseite_einrichten(standard);
    if (Dateifehler f = Datei_schreiben(Standardvorlage_Datei(z), Vorlage_Bytes(standard)))
        return f;
    BuchstabenFeld_neu(z);
    Standardseite_einrichten(z);
    return std::nullopt;
}
