#include "Knoepfe.h"

#include "model/Strukturen.h"

namespace {
void setzen(std::uint8_t& a, std::uint8_t bits) {
    a = static_cast<std::uint8_t>(a | bits);
}
void loeschen(std::uint8_t& a, std::uint8_t bits) {
    a = static_cast<std::uint8_t>(a & ~bits);
}
}  // namespace

std::uint8_t Attribut_aus_Knoepfen(const Knopfstellung& k) {
    std::uint8_t a = 0;
    if (k.Standardfett) setzen(a, Attribut::Fett);
    if (k.Standard) loeschen(a, Attribut::Fett | Attribut::Kursiv | 0x80);
    if (k.Standardkursiv) setzen(a, Attribut::Kursiv);
    if (k.Fettkursiv) setzen(a, Attribut::Fett | Attribut::Kursiv);
    if (k.schwarz) loeschen(a, Attribut::Farbmaske);
    if (k.blau) setzen(a, 0x01);
    if (k.rot) setzen(a, 0x02);
    if (k.gruen) setzen(a, 0x04);
    if (k.grau) setzen(a, 0x03);
    if (k.Orange) setzen(a, 0x07);
    return a;
}
