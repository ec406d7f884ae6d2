#include "Anwendung.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Mausrad.h"
#include "model/Schrifttabelle.h"

void Schriften_ersetzen() {
    // Typewriter faces stand in for typewriter faces, the dyslexia face for a dyslexia face.
    const std::pair<QString, QStringList> ersatz[] = {
        {Schriftart_von(0), {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
        {Schriftart_von(1), {QStringLiteral("GNUTypewriter"), QStringLiteral("Courier Prime")}},
        {Schriftart_von(2), {QStringLiteral("Courier Prime Sans"), QStringLiteral("Courier Prime")}},
        {Schriftart_von(3), {QStringLiteral("OpenDyslexicMono"), QStringLiteral("OpenDyslexic")}},
        {Schriftart_von(4), {QStringLiteral("Courier Prime"), QStringLiteral("Liberation Mono")}},
        {Schriftart_von(5), {QStringLiteral("GNUTypewriter"), QStringLiteral("Courier Prime")}},
        {QStringLiteral("Segoe UI"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
    };
    const QStringList installiert = QFontDatabase::families();
    for (const auto& [name, kandidaten] : ersatz) {
        if (installiert.contains(name)) continue;
        QFont::insertSubstitutions(name, kandidaten);
    }
}

void Anwendung_einrichten(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* uebersetzer = new QTranslator(&app);
    if (uebersetzer->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(uebersetzer);
    }
    Schriften_ersetzen();
    app.installEventFilter(new Mausrad(&app));
}
