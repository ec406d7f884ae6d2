#pragma once
// Building blocks for the typewriter sounds: a seeded noise source, second-order filters,
// struck resonances and noise bands, and a stereo buffer to mix them into. Everything is
// deterministic: the same calls give the same samples on every run.

#include <cstdint>
#include <functional>
#include <vector>

constexpr int Abtastrate = 44100;

// xorshift64* with a fixed seed: the program's own noise, the same in every build.
class Zufall {
  public:
    explicit Zufall(std::uint64_t saat) : zustand_(saat ? saat : 0x9E3779B97F4A7C15ull) {}
    std::uint64_t roh();
    double gleich();                      // [0, 1)
    double zwischen(double a, double b);  // [a, b)
    double rauschen() { return zwischen(-1.0, 1.0); }

  private:
    std::uint64_t zustand_;
};

// A biquad after the well-known cookbook formulas; coefficients can change while it runs.
class Filter {
  public:
    static Filter Tiefpass(double frequenz, double guete);
    static Filter Hochpass(double frequenz, double guete);
    static Filter Bandpass(double frequenz, double guete);  // 0 dB at the centre
    void setze_Bandpass(double frequenz, double guete);
    double operator()(double x);

  private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A decaying resonance of a struck part: frequency in Hz, decay time constant in s, level.
struct Mode {
    double frequenz;
    double abklingzeit;
    double pegel;
};

// One mechanical impact: a filtered noise burst (the contact) plus the ringing of the parts.
struct Schlag {
    double rauschpegel = 1.0;
    double rausch_abklingzeit = 0.004;
    double band_unten = 800.0;  // noise band in Hz
    double band_oben = 6000.0;
    std::vector<Mode> moden;
    double verstimmung = 0.0;  // random detune of the modes, as a fraction (e.g. 0.02)
};

using Verlauf = std::function<double(double)>;  // a value over time in s

// The impact as mono samples, long enough for its slowest decay.
std::vector<double> Schlag_erzeugen(const Schlag& s, Zufall& z);

// Noise through a bandpass whose centre follows `mitte(t)`, shaped by `huelle(t)`.
std::vector<double> Rauschband(double dauer, const Verlauf& mitte, double guete,
                               const Verlauf& huelle, Zufall& z);

// Rises smoothly from 0 at `a` to 1 at `b` (raised cosine); 0 before, 1 after.
double Anstieg(double t, double a, double b);

class Stereopuffer {
  public:
    explicit Stereopuffer(int frames) : links_(frames, 0.0), rechts_(frames, 0.0) {}
    int frames() const { return static_cast<int>(links_.size()); }

    // Adds a mono sound at `beginn` seconds, `pegel` loud, placed at `lage` (-1 left .. 1 right);
    // the far ear hears it a fraction of a millisecond later.
    void mischen(const std::vector<double>& mono, double beginn, double pegel, double lage);
    // Adds one sound per channel (for wide textures such as paper or a sliding carriage).
    void mischen_getrennt(const std::vector<double>& links, const std::vector<double>& rechts,
                          double beginn, double pegel);

    // Ends the sound softly and scales it to the given peak (0 .. 1 of full scale).
    void abschliessen(double spitze, double ausblenden_s = 0.012);

    const std::vector<double>& links() const { return links_; }
    const std::vector<double>& rechts() const { return rechts_; }

  private:
    void addiere(std::vector<double>& ziel, const std::vector<double>& quelle, int ab,
                 double pegel);
    std::vector<double> links_;
    std::vector<double> rechts_;
};
