#pragma once
// The fourteen typewriter sounds: their volume groups and lengths, and the rules that decide
// whether and how loud one plays. The playing itself is behind Soundausgabe.

#include <cstdint>

struct Zustand;

constexpr int Sound_Anzahl = 14;

struct Soundeintrag {
    int Gruppe;       // volume group 1 to 4
    int Kanaele;      // 1 mono, 2 stereo
    double Dauer_s;   // length in seconds
    const char* Rolle;
};

// The entry of sound n (1 to 14).
const Soundeintrag& Sound_Daten(int n);

// The volume of sound n's group (Lautstaerke1 to Lautstaerke4).
double Gruppenlautstaerke(const Zustand& z, int n);

// A volume 0.0 to 1.0 as an output level 0 to 65535: v x 65535 rounded, ties to even.
std::uint16_t Lautstaerke_Stufe(double v);

// Where sounds are played: the SDL player in the program, a recorder in tests.
class Soundausgabe {
public:
    virtual ~Soundausgabe() = default;
    // Start sound n at output level `stufe` (0 to 65535) and stop the one still playing.
    // Never waits for the device.
    virtual void abspielen(int n, std::uint16_t stufe) = 0;
};

// Plays sound n at its group volume, unless sound is off or n is not 1 to 14.
void SoundAbspielen(const Zustand& z, Soundausgabe& ausgabe, int n);

// Plays the test sound of volume group k (1 to 4): sounds 1, 11, 13 and 3.
void SoundTesten(const Zustand& z, Soundausgabe& ausgabe, int k);
