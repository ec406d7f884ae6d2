#include "Synthese.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double Pi = std::numbers::pi;

int Frames(double sekunden) {
    return static_cast<int>(std::lround(sekunden * Abtastrate));
}

struct Koeffizienten {
    double b0, b1, b2, a0, a1, a2;
};

Koeffizienten Bandpass_koeffizienten(double frequenz, double guete) {
    const double w0 = 2.0 * Pi * std::clamp(frequenz, 20.0, 0.45 * Abtastrate) / Abtastrate;
    const double alpha = std::sin(w0) / (2.0 * guete);
    return {alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(w0), 1.0 - alpha};
}
}  // namespace

std::uint64_t Zufall::roh() {
    zustand_ ^= zustand_ >> 12;
    zustand_ ^= zustand_ << 25;
    zustand_ ^= zustand_ >> 27;
    return zustand_ * 0x2545F4914F6CDD1Dull;
}

double Zufall::gleich() {
    return static_cast<double>(roh() >> 11) * 0x1.0p-53;
}

double Zufall::zwischen(double a, double b) {
    return a + (b - a) * gleich();
}

Filter Filter::Tiefpass(double frequenz, double guete) {
    const double w0 = 2.0 * Pi * frequenz / Abtastrate;
    const double alpha = std::sin(w0) / (2.0 * guete);
    const double c = std::cos(w0);
    const double a0 = 1.0 + alpha;
    Filter f;
    f.b0_ = (1.0 - c) / 2.0 / a0;
    f.b1_ = (1.0 - c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2.0 * c / a0;
    f.a2_ = (1.0 - alpha) / a0;
    return f;
}

Filter Filter::Hochpass(double frequenz, double guete) {
    const double w0 = 2.0 * Pi * frequenz / Abtastrate;
    const double alpha = std::sin(w0) / (2.0 * guete);
    const double c = std::cos(w0);
    const double a0 = 1.0 + alpha;
    Filter f;
    f.b0_ = (1.0 + c) / 2.0 / a0;
    f.b1_ = -(1.0 + c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2.0 * c / a0;
    f.a2_ = (1.0 - alpha) / a0;
    return f;
}

Filter Filter::Bandpass(double frequenz, double guete) {
    Filter f;
    f.setze_Bandpass(frequenz, guete);
    return f;
}

void Filter::setze_Bandpass(double frequenz, double guete) {
    const Koeffizienten k = Bandpass_koeffizienten(frequenz, guete);
    b0_ = k.b0 / k.a0;
    b1_ = k.b1 / k.a0;
    b2_ = k.b2 / k.a0;
    a1_ = k.a1 / k.a0;
    a2_ = k.a2 / k.a0;
}

double Filter::operator()(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

std::vector<double> Schlag_erzeugen(const Schlag& s, Zufall& z) {
    double laengste = s.rausch_abklingzeit;
    for (const Mode& m : s.moden) laengste = std::max(laengste, m.abklingzeit);
    const int n = Frames(6.0 * laengste) + 1;
    std::vector<double> aus(static_cast<std::size_t>(n), 0.0);

    // The contact: noise limited to the band of the parts that touch.
    Filter hoch = Filter::Hochpass(s.band_unten, 0.707);
    Filter tief = Filter::Tiefpass(s.band_oben, 0.707);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Abtastrate;
        const double huelle = std::exp(-t / s.rausch_abklingzeit);
        if (huelle < 1e-5) break;
        aus[static_cast<std::size_t>(i)] = s.rauschpegel * huelle * tief(hoch(z.rauschen()));
    }

    // The ringing of each struck part; a short ramp keeps the onset from clicking digitally.
    for (const Mode& m : s.moden) {
        const double f = m.frequenz * (1.0 + s.verstimmung * z.rauschen());
        const double phase = z.zwischen(0.0, 2.0 * Pi);
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / Abtastrate;
            const double huelle = std::exp(-t / m.abklingzeit) * std::min(1.0, t / 0.0003);
            if (huelle < 1e-5 && t > 0.001) break;
            aus[static_cast<std::size_t>(i)] +=
                m.pegel * huelle * std::sin(2.0 * Pi * f * t + phase);
        }
    }
    return aus;
}

std::vector<double> Rauschband(double dauer, const Verlauf& mitte, double guete,
                               const Verlauf& huelle, Zufall& z) {
    const int n = Frames(dauer);
    std::vector<double> aus(static_cast<std::size_t>(n), 0.0);
    Filter band = Filter::Bandpass(mitte(0.0), guete);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Abtastrate;
        if (i % 32 == 0) band.setze_Bandpass(mitte(t), guete);
        aus[static_cast<std::size_t>(i)] = huelle(t) * band(z.rauschen());
    }
    return aus;
}

double Anstieg(double t, double a, double b) {
    if (t <= a) return 0.0;
    if (t >= b) return 1.0;
    return 0.5 - 0.5 * std::cos(Pi * (t - a) / (b - a));
}

void Stereopuffer::addiere(std::vector<double>& ziel, const std::vector<double>& quelle, int ab,
                           double pegel) {
    for (std::size_t i = 0; i < quelle.size(); ++i) {
        const long k = static_cast<long>(ab) + static_cast<long>(i);
        if (k < 0) continue;
        if (k >= static_cast<long>(ziel.size())) break;
        ziel[static_cast<std::size_t>(k)] += pegel * quelle[i];
    }
}

void Stereopuffer::mischen(const std::vector<double>& mono, double beginn, double pegel,
                           double lage) {
    // Equal-power panning; up to 0.3 ms later on the far side.
    const double winkel = (std::clamp(lage, -1.0, 1.0) + 1.0) * Pi / 4.0;
    const int verzoegerung = Frames(0.0003 * std::abs(lage));
    const int ab = Frames(beginn);
    addiere(links_, mono, ab + (lage > 0 ? verzoegerung : 0),
            pegel * std::cos(winkel) * std::sqrt(2.0));
    addiere(rechts_, mono, ab + (lage < 0 ? verzoegerung : 0),
            pegel * std::sin(winkel) * std::sqrt(2.0));
}

void Stereopuffer::mischen_getrennt(const std::vector<double>& links,
                                    const std::vector<double>& rechts, double beginn,
                                    double pegel) {
    addiere(links_, links, Frames(beginn), pegel);
    addiere(rechts_, rechts, Frames(beginn), pegel);
}

void Stereopuffer::abschliessen(double spitze, double ausblenden_s) {
    const int n = frames();
    const int ausblenden = std::min(n, Frames(ausblenden_s));
    for (int i = 0; i < ausblenden; ++i) {
        const double g = Anstieg(static_cast<double>(i), 0.0, static_cast<double>(ausblenden));
        const auto k = static_cast<std::size_t>(n - 1 - i);
        links_[k] *= g;
        rechts_[k] *= g;
    }
    double hoechster = 0.0;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        hoechster = std::max({hoechster, std::abs(links_[k]), std::abs(rechts_[k])});
    }
    if (hoechster <= 0.0) return;
    const double faktor = spitze / hoechster;
    for (double& x : links_) x *= faktor;
    for (double& x : rechts_) x *= faktor;
}
