#include "Soundregeln.h"

#include <array>
#include <cmath>

#include "model/Zustand.h"

namespace {
const std::array<Soundeintrag, Sound_Anzahl> Tabelle{{
    {1, 2, 0.210, "Anschlag"},
    {1, 2, 0.337, "Leertaste"},
    {4, 2, 0.642, "Glocke"},
    {3, 2, 0.534, "Umschalttaste"},
    {3, 2, 0.232, "Feststelltaste los"},
    {3, 2, 0.232, "Rueckschritt los"},
    {3, 2, 0.685, "Wagenruecklauf"},
    {3, 2, 0.279, "Rueckschritt"},
    {3, 2, 0.441, "Entfernen"},
    {3, 2, 0.089, "Schlitten"},
    {2, 2, 0.210, "Grossbuchstabe"},
    {4, 1, 0.580, "Blattwechsel"},
    {4, 2, 0.827, "Seite entfernen"},
    {4, 2, 0.389, "Zeile entfernen"},
}};
}  // namespace

const Soundeintrag& Sound_Daten(int n) { return Tabelle.at(static_cast<std::size_t>(n - 1)); }

double Gruppenlautstaerke(const Zustand& z, int n) {
    switch (Sound_Daten(n).Gruppe) {
        case 1: return z.Lautstaerke1;
        case 2: return z.Lautstaerke2;
        case 3: return z.Lautstaerke3;
        default: return z.Lautstaerke4;
    }
}

std::uint16_t Lautstaerke_Stufe(double v) {
    const auto w = static_cast<long long>(std::nearbyint(v * 65535.0));
    return static_cast<std::uint16_t>(static_cast<unsigned long long>(w) & 0xFFFFu);
}

void SoundAbspielen(const Zustand& z, Soundausgabe& ausgabe, int n) {
    if (!z.Sound_an) return;
    if (n < 1 || n > Sound_Anzahl) return;
    ausgabe.abspielen(n, Lautstaerke_Stufe(Gruppenlautstaerke(z, n)));
}

void SoundTesten(const Zustand& z, Soundausgabe& ausgabe, int k) {
    static constexpr std::array<int, 4> Testsound{1, 11, 13, 3};
    if (k < 1 || k > 4) return;
    SoundAbspielen(z, ausgabe, Testsound[static_cast<std::size_t>(k - 1)]);
}
