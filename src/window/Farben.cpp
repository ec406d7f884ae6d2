#include "Farben.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
// Desktop colours by system index, for the few roles a document can name.
QColor Systemfarbe_aufloesen(std::uint8_t index) {
    switch (index) {
        case 28: return QColor(215, 228, 242);  // gradient of inactive captions
        case 15: return QGuiApplication::palette().color(QPalette::Button);
        case 5: return QGuiApplication::palette().color(QPalette::Base);
        case 8: return QGuiApplication::palette().color(QPalette::Text);
        default: return QGuiApplication::palette().color(QPalette::Window);
    }
}
}  // namespace

QColor Bildschirmfarbe(Farbe f) {
    if (ist_Systemfarbe(f)) return Systemfarbe_aufloesen(static_cast<std::uint8_t>(f & 0xFF));
    return QColor(Rotanteil(f), Gruenanteil(f), Blauanteil(f));
}

QColor Farbbandfarbe(std::uint8_t attribut) {
    switch (attribut & Attribut::Farbmaske) {
        case Farbindex::blau: return QColor(0, 0, 255);
        case Farbindex::rot: return QColor(255, 0, 0);
        case Farbindex::grau: return QColor(128, 128, 128);
        case Farbindex::gruen: return QColor(0, 128, 0);
        case Farbindex::Orange: return QColor(250, 142, 14);
        default: return QColor(0, 0, 0);
    }
}
