#pragma once
// The file layer: its two error texts, writing a file whole or not at all, reading a file, and
// the check that keeps a name typed by the user inside its folder.
//
// The core shows nothing itself. Every operation that touches a file returns a Dateifehler:
// empty on success, otherwise the German text the window shows in an error box.

#include <QByteArray>
#include <QString>
#include <optional>

using Dateifehler = std::optional<QString>;

// "Datei "<pfad>" kann nicht erstellt werden. <grund>"
QString Fehler_Erstellen(const QString& pfad, const QString& grund);
// "Datei <pfad> kann nicht geöffnet werden. <grund>"
QString Fehler_Oeffnen(const QString& pfad, const QString& grund);

// Writes the bytes as the file's whole new content through a temporary file in the same folder
// that is renamed over the target only when everything has been written: a crash or a full disk
// leaves the previous file as it was. A failure gives the creation error with the system's reason.
[[nodiscard]] Dateifehler Datei_schreiben(const QString& pfad, const QByteArray& inhalt);

// Reads a file into `inhalt`, at most its first `hoechstens` bytes (a negative limit: all of it).
// A failure gives the opening error with the system's reason.
[[nodiscard]] Dateifehler Datei_lesen(const QString& pfad, QByteArray& inhalt,
                                      qint64 hoechstens = -1);

// A name the user typed for a file or folder inside one of the program's folders must not lead
// out of it: a slash, a backslash (a separator too, wherever the file came from) or ".." are
// refused. The error names the path the name would have given.
[[nodiscard]] Dateifehler Name_pruefen(const QString& ordner, const QString& name,
                                       const QString& endung = {});

// ordner + "/" + name + endung, or the error of Name_pruefen.
struct Benutzerpfad {
    QString Pfad;  // empty when the name is refused
    Dateifehler Fehler;
};
[[nodiscard]] Benutzerpfad Pfad_im_Ordner(const QString& ordner, const QString& name,
                                          const QString& endung = {});
