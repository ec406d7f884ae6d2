// Writes the seed corpus of the loader fuzzers into <folder>/dokument, /vorlage and
// /einstellungen: files as the program writes them, of a few sizes and contents.

#include <QDir>
#include <QFile>
#include <cstdio>

#include "model/Dokument.h"
#include "storage/Dokumentdatei.h"
#include "storage/Einstellungen.h"
#include "storage/Vorlage.h"

namespace {
bool Ablegen(const QString& ordner, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(ordner);
    QFile f(ordner + u'/' + name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

Zustand Seite(int zeilen_max, int spalten_max, int seiten) {
    Zustand z;
    Standardseite_einrichten(z);
    z.Zeilen_max = zeilen_max;
    z.Spalten_max = spalten_max;
    BuchstabenFeld_neu(z);
    z.Seitenanzahl = seiten;
    z.BuchstabenFeld.neu(seiten * (zeilen_max + 1), spalten_max + 1);
    return z;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_saat <folder>\n");
        return 2;
    }
    const QString basis = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    Zustand klein = Seite(1, 1, 1);
    klein.XFeld.resize(2);
    klein.XFeld[1] = {u'/', 2, 1, 1, 1};
    klein.BuchstabenFeld(0, 0) = {u'a', 9};
    ok &= Ablegen(basis + "/dokument", "klein.qxt", Dokument_Bytes(klein));
    Zustand drei = Seite(2, 3, 3);
    drei.XFeld.clear();
    drei.akt_Seite = 3;
    drei.BuchstabenFeld(8, 3) = {u'\u20ac', 55};
    ok &= Ablegen(basis + "/dokument", "drei.qxt", Dokument_Bytes(drei));
    ok &= Ablegen(basis + "/dokument", "standard.qxt", Dokument_Bytes(Seite(64, 60, 1)));

    Zustand vorlage = Seite(64, 60, 1);
    ok &= Ablegen(basis + "/vorlage", "A4 Standard.qxv", Vorlage_Bytes(vorlage));
    vorlage.Blattbreite_mm = 297;
    vorlage.Blatthoehe_mm = 420;
    vorlage.Schriftindex = 3;
    vorlage.Zeilen_max = 126;
    vorlage.Spalten_max = 133;
    ok &= Ablegen(basis + "/vorlage", "A3.qxv", Vorlage_Bytes(vorlage));
    ok &= Ablegen(basis + "/vorlage", "kurz.qxv", Vorlage_Bytes(vorlage).first(30));

    Zustand einstellungen;
    ok &= Ablegen(basis + "/einstellungen", "Vorgaben.ini", Einstellungen_Bytes(einstellungen));
    einstellungen.Lautstaerke2 = 0.37;
    einstellungen.Speicherintervall = 0;
    einstellungen.Register_Index = 3;
    ok &= Ablegen(basis + "/einstellungen", "eigen.ini", Einstellungen_Bytes(einstellungen));
    ok &=
        Ablegen(basis + "/einstellungen", "kurz.ini", Einstellungen_Bytes(einstellungen).first(20));
    return ok ? 0 : 1;
}
