#include "Schrifttabelle.h"

#include <array>

namespace {
const std::array<QString, Schriftarten_Anzahl>& Namen() {
    static const std::array<QString, Schriftarten_Anzahl> namen{
        QStringLiteral("Courier New"),     QStringLiteral("Erika Ormig"),
        QStringLiteral("Pookie"),          QStringLiteral(u"Dislexi\u00e6"),
        QStringLiteral("GF Halda Normal"), QStringLiteral("GF Halda Smashed")};
    return namen;
}
}  // namespace

void Get_Schriftart(std::uint8_t index, QString& name) {
    if (index < Schriftarten_Anzahl) name = Namen()[index];
}

std::uint8_t Get_Schriftindex(const QString& name) {
    for (std::uint8_t i = 0; i < Schriftarten_Anzahl; ++i) {
        if (Namen()[i] == name) return i;
    }
    return Schriftarten_Anzahl;
}

QString Schriftart_von(std::uint8_t index) {
    QString name;
    Get_Schriftart(index, name);
    return name;
}
