#include "Rezepte.h"

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {
constexpr double Pi = std::numbers::pi;

// Frames and channels of each sound: the lengths of the original table, to the frame.
constexpr std::array<Klangform, 14> Formen{{
    {9264, 2},   // 1 key strike
    {14848, 2},  // 2 space bar
    {28320, 2},  // 3 bell
    {23552, 2},  // 4 shift key
    {10240, 2},  // 5 key release
    {10240, 2},  // 6 key release (same data as 5)
    {30208, 2},  // 7 carriage return
    {12288, 2},  // 8 backspace
    {19456, 2},  // 9 delete
    {3922, 2},   // 10 cursor tick
    {9264, 2},   // 11 capital key strike
    {25600, 1},  // 12 page turn
    {36450, 2},  // 13 page removal
    {17138, 2},  // 14 line removal
}};

// --- the parts of the machine that make the noises

// A finger pressing a key down: a dull, low thud.
Schlag Tastendruck() {
    Schlag s;
    s.rauschpegel = 0.3;
    s.rausch_abklingzeit = 0.006;
    s.band_unten = 100;
    s.band_oben = 1500;
    s.moden = {{140, 0.025, 0.5}, {320, 0.015, 0.3}};
    s.verstimmung = 0.05;
    return s;
}

// A type bar hitting the platen: the loud clack of the machine. `tief` lowers the parts a little.
Schlag Typenhebel(double tief) {
    Schlag s;
    s.rauschpegel = 1.0;
    s.rausch_abklingzeit = 0.0035;
    s.band_unten = 1200;
    s.band_oben = 7000;
    s.moden = {{2450 * tief, 0.022, 0.35},
               {3900 * tief, 0.012, 0.22},
               {5600 * tief, 0.006, 0.12},
               {430 * tief, 0.018, 0.45},
               {180 * tief, 0.030, 0.30}};
    s.verstimmung = 0.02;
    return s;
}

// The escapement letting the carriage on by one step: a small, bright tick.
Schlag Hemmung() {
    Schlag s;
    s.rauschpegel = 0.6;
    s.rausch_abklingzeit = 0.0015;
    s.band_unten = 2000;
    s.band_oben = 9000;
    s.moden = {{3200, 0.010, 0.25}, {4700, 0.006, 0.15}, {900, 0.012, 0.10}};
    s.verstimmung = 0.03;
    return s;
}

// A pawl snapping over a ratchet tooth (line feed, platen knob).
Schlag Sperrklinke() {
    Schlag s;
    s.rauschpegel = 0.7;
    s.rausch_abklingzeit = 0.0015;
    s.band_unten = 1800;
    s.band_oben = 9000;
    s.moden = {{3300, 0.008, 0.25}, {5200, 0.005, 0.15}, {1200, 0.010, 0.10}};
    s.verstimmung = 0.04;
    return s;
}

// One tooth of the carriage rack passing the pawl while the carriage slides.
Schlag Zahn() {
    Schlag s;
    s.rauschpegel = 0.4;
    s.rausch_abklingzeit = 0.0007;
    s.band_unten = 3000;
    s.band_oben = 10000;
    s.moden = {{4200, 0.003, 0.2}};
    s.verstimmung = 0.06;
    return s;
}

// The carriage or a lever running into its stop: a heavy, low knock.
Schlag Anschlag_Stopp(double schwere) {
    Schlag s;
    s.rauschpegel = 0.9;
    s.rausch_abklingzeit = 0.005;
    s.band_unten = 150;
    s.band_oben = 4000;
    s.moden = {{85 / schwere, 0.06 * schwere, 0.7},
               {190 / schwere, 0.04 * schwere, 0.5},
               {520, 0.02, 0.3},
               {2300, 0.012, 0.2}};
    return s;
}

// A short crackle of paper.
Schlag Knistern(Zufall& z) {
    Schlag s;
    s.rauschpegel = 1.0;
    s.rausch_abklingzeit = z.zwischen(0.0006, 0.002);
    s.band_unten = z.zwischen(1500, 3500);
    s.band_oben = 11000;
    return s;
}

void Setze(Stereopuffer& p, const Schlag& s, double zeit, double pegel, double lage, Zufall& z) {
    p.mischen(Schlag_erzeugen(s, z), zeit, pegel, lage);
}

// Teeth passing one after another at a rate (per s) that changes over the run; the place moves
// from one side to the other with the carriage.
void Zahnfolge(Stereopuffer& p, double beginn, double dauer, const Verlauf& rate,
               const Verlauf& pegel, double lage_von, double lage_bis, Zufall& z) {
    const double schritt = 1.0 / Abtastrate;
    double phase = 0.0;
    for (double t = 0.0; t < dauer; t += schritt) {
        phase += rate(t) * schritt;
        if (phase < 1.0) continue;
        phase -= 1.0;
        const double lage = lage_von + (lage_bis - lage_von) * t / dauer;
        Setze(p, Zahn(), beginn + t, pegel(t) * z.zwischen(0.7, 1.3), lage, z);
    }
}

// A wide band of noise: each side gets its own noise, so the texture fills the stereo field.
void Rauschen_breit(Stereopuffer& p, double beginn, double dauer, const Verlauf& mitte,
                    double guete, const Verlauf& huelle, double pegel, Zufall& z) {
    const auto links = Rauschband(dauer, mitte, guete, huelle, z);
    const auto rechts = Rauschband(dauer, mitte, guete, huelle, z);
    p.mischen_getrennt(links, rechts, beginn, pegel);
}

// A value that wanders at random between `von` and `bis`, a new goal every `abstand` seconds.
Verlauf Wanderung(double dauer, double abstand, double von, double bis, Zufall& z) {
    std::vector<double> punkte;
    for (double t = 0.0; t <= dauer + abstand; t += abstand) punkte.push_back(z.zwischen(von, bis));
    return [punkte, abstand](double t) {
        const double x = t / abstand;
        const auto i = static_cast<std::size_t>(x);
        if (i + 1 >= punkte.size()) return punkte.back();
        const double a = x - static_cast<double>(i);
        return punkte[i] + (punkte[i + 1] - punkte[i]) * a;
    };
}

// --- the sounds

Stereopuffer Anschlag(int frames, double tief, double hemmung_bei, std::uint64_t saat) {
    Zufall z(saat);
    Stereopuffer p(frames);
    Setze(p, Tastendruck(), 0.000, 0.35, 0.0, z);
    Setze(p, Typenhebel(tief), 0.006, 1.0, -0.1, z);
    Setze(p, Typenhebel(tief * 1.04), 0.016, 0.15, -0.1, z);  // the type bar bounces once
    Setze(p, Hemmung(), hemmung_bei, 0.35, 0.3, z);
    Setze(p, Tastendruck(), 0.115, 0.12, 0.0, z);  // the key comes back up
    return p;
}

Stereopuffer Klein_Anschlag(int frames) {
    Stereopuffer p = Anschlag(frames, 1.0, 0.062, 0x1001);
    p.abschliessen(0.85);
    return p;
}

Stereopuffer Gross_Anschlag(int frames) {
    // The shifted type basket: the parts sit a little lower and the basket rattles once.
    Stereopuffer p = Anschlag(frames, 0.93, 0.068, 0x1011);
    Zufall z(0x1012);
    Schlag korb = Hemmung();
    korb.band_unten = 900;
    korb.moden = {{1650, 0.012, 0.3}, {2700, 0.008, 0.2}};
    Setze(p, korb, 0.030, 0.2, -0.3, z);
    p.abschliessen(0.88);
    return p;
}

Stereopuffer Leertaste(int frames) {
    Zufall z(0x1002);
    Stereopuffer p(frames);
    Schlag balken;
    balken.rauschpegel = 0.5;
    balken.rausch_abklingzeit = 0.008;
    balken.band_unten = 60;
    balken.band_oben = 1200;
    balken.moden = {{95, 0.05, 0.7}, {170, 0.04, 0.5}, {330, 0.025, 0.3}, {1250, 0.012, 0.1}};
    Setze(p, balken, 0.000, 1.0, 0.0, z);
    Setze(p, Hemmung(), 0.045, 0.45, 0.35, z);
    Setze(p, balken, 0.160, 0.3, 0.0, z);  // the bar springs back
    p.abschliessen(0.85);
    return p;
}

Stereopuffer Glocke(int frames) {
    Zufall z(0x1003);
    Stereopuffer p(frames);
    Schlag kloeppel;
    kloeppel.rauschpegel = 0.6;
    kloeppel.rausch_abklingzeit = 0.0012;
    kloeppel.band_unten = 3000;
    kloeppel.band_oben = 10000;
    Setze(p, kloeppel, 0.000, 0.6, 0.25, z);
    // A small dome bell: close partials beat against each other, the high ones fade first.
    Schlag schale;
    schale.rauschpegel = 0.0;
    schale.moden = {{2180, 0.30, 0.55}, {2188, 0.28, 0.45}, {4490, 0.15, 0.12},
                    {6016, 0.12, 0.25}, {8730, 0.07, 0.08}, {11770, 0.05, 0.06}};
    Setze(p, schale, 0.0005, 1.0, 0.25, z);
    p.abschliessen(0.7, 0.06);
    return p;
}

Stereopuffer Umschalttaste(int frames) {
    Zufall z(0x1004);
    Stereopuffer p(frames);
    Setze(p, Tastendruck(), 0.000, 0.5, -0.2, z);
    // The type basket is lifted: a heavy clunk, then it rattles into place and settles.
    Schlag korb;
    korb.rauschpegel = 0.8;
    korb.rausch_abklingzeit = 0.006;
    korb.band_unten = 300;
    korb.band_oben = 3500;
    korb.moden = {{110, 0.06, 0.6}, {240, 0.04, 0.45}, {760, 0.02, 0.2}, {1900, 0.015, 0.15}};
    Setze(p, korb, 0.025, 1.0, 0.0, z);
    Schlag rappeln = Hemmung();
    rappeln.band_unten = 1500;
    rappeln.band_oben = 6000;
    rappeln.moden = {{2600, 0.008, 0.2}};
    double t = 0.05;
    for (int i = 0; i < 5; ++i) {
        Setze(p, rappeln, t, 0.25 - 0.04 * i, z.zwischen(-0.3, 0.3), z);
        t += z.zwischen(0.012, 0.024);
    }
    Rauschen_breit(
        p, 0.03, 0.25, [](double) { return 400.0; }, 2.0,
        [](double x) { return Anstieg(x, 0.0, 0.02) * (1.0 - Anstieg(x, 0.05, 0.25)); }, 0.06, z);
    korb.moden = {{150, 0.04, 0.5}, {330, 0.03, 0.3}, {1100, 0.012, 0.1}};
    Setze(p, korb, 0.300, 0.35, 0.0, z);
    Setze(p, Hemmung(), 0.330, 0.1, 0.2, z);
    p.abschliessen(0.75);
    return p;
}

Stereopuffer Tastenloslassen(int frames) {
    Zufall z(0x1005);
    Stereopuffer p(frames);
    Schlag taste;
    taste.rauschpegel = 0.4;
    taste.rausch_abklingzeit = 0.004;
    taste.band_unten = 150;
    taste.band_oben = 2500;
    taste.moden = {{260, 0.02, 0.4}, {900, 0.012, 0.2}};
    Setze(p, taste, 0.000, 0.4, 0.0, z);
    Schlag klinke = Hemmung();
    klinke.band_unten = 1200;
    klinke.moden = {{2300, 0.009, 0.22}, {3800, 0.005, 0.1}};
    Setze(p, klinke, 0.035, 0.3, 0.2, z);
    Setze(p, taste, 0.085, 0.1, 0.0, z);
    p.abschliessen(0.5);
    return p;
}

Stereopuffer Wagenruecklauf(int frames) {
    Zufall z(0x1007);
    Stereopuffer p(frames);
    Setze(p, Tastendruck(), 0.000, 0.5, -0.5, z);  // the lever is pushed
    // Line feed: the pawl snaps over the teeth of the platen ratchet, then the detent drops in.
    const double klinke_zeit[] = {0.020, 0.048, 0.074, 0.098};
    const double klinke_pegel[] = {0.55, 0.6, 0.65, 0.5};
    for (int i = 0; i < 4; ++i) Setze(p, Sperrklinke(), klinke_zeit[i], klinke_pegel[i], -0.4, z);
    Schlag raste;
    raste.rauschpegel = 0.5;
    raste.rausch_abklingzeit = 0.003;
    raste.band_unten = 300;
    raste.band_oben = 4000;
    raste.moden = {{350, 0.02, 0.4}, {1400, 0.01, 0.2}};
    Setze(p, raste, 0.115, 0.55, -0.4, z);
    // The zip: the carriage slides back, fast at first, its rack teeth buzzing past the pawl.
    const double gleiten = 0.44;
    Rauschen_breit(
        p, 0.12, gleiten,
        [](double t) { return 1400 + 1800 * Anstieg(t, 0.0, 0.15) - 500 * Anstieg(t, 0.3, 0.44); },
        1.2, [](double t) { return Anstieg(t, 0.0, 0.05) * (1.0 - 0.3 * Anstieg(t, 0.3, 0.44)); },
        0.35, z);
    Zahnfolge(
        p, 0.12, gleiten,
        [](double t) { return 120 + 300 * Anstieg(t, 0.0, 0.12) - 170 * Anstieg(t, 0.2, 0.44); },
        [](double t) { return 0.18 * Anstieg(t, 0.0, 0.04); }, -0.6, 0.6, z);
    // The carriage hits the margin stop and bounces once.
    Setze(p, Anschlag_Stopp(1.0), 0.565, 1.0, 0.6, z);
    Setze(p, Hemmung(), 0.600, 0.2, 0.6, z);
    p.abschliessen(0.8);
    return p;
}

Stereopuffer Rueckschritt(int frames) {
    Zufall z(0x1008);
    Stereopuffer p(frames);
    Setze(p, Tastendruck(), 0.000, 0.45, 0.0, z);
    Schlag klinke;
    klinke.rauschpegel = 0.8;
    klinke.rausch_abklingzeit = 0.003;
    klinke.band_unten = 900;
    klinke.band_oben = 6000;
    klinke.moden = {{1850, 0.015, 0.3}, {3400, 0.008, 0.2}, {520, 0.02, 0.35}};
    Setze(p, klinke, 0.012, 0.8, 0.2, z);
    // The carriage is pulled back one step against its spring.
    Schlag schritt;
    schritt.rauschpegel = 0.5;
    schritt.rausch_abklingzeit = 0.004;
    schritt.band_unten = 200;
    schritt.band_oben = 3000;
    schritt.moden = {{260, 0.03, 0.4}, {1200, 0.012, 0.15}};
    Setze(p, schritt, 0.030, 0.5, 0.4, z);
    Setze(p, Tastendruck(), 0.140, 0.15, 0.0, z);
    p.abschliessen(0.75);
    return p;
}

Stereopuffer Entfernen(int frames) {
    Zufall z(0x1009);
    Stereopuffer p(frames);
    Setze(p, Tastendruck(), 0.000, 0.4, 0.0, z);
    // The type bar strikes through correction tape: duller than on bare paper.
    Schlag korrektur = Typenhebel(0.8);
    korrektur.band_oben = 4500;
    for (Mode& m : korrektur.moden) m.abklingzeit *= 0.7;
    Setze(p, korrektur, 0.008, 1.0, -0.1, z);
    // The tape is lifted off the paper: a short scrape with a tremble.
    Rauschen_breit(
        p, 0.03, 0.23, [](double t) { return 3500 - 1500 * Anstieg(t, 0.0, 0.23); }, 2.5,
        [](double t) {
            return Anstieg(t, 0.0, 0.02) * (1.0 - Anstieg(t, 0.12, 0.23)) *
                   (0.7 + 0.3 * std::sin(2 * Pi * 38 * t));
        },
        0.25, z);
    Setze(p, Hemmung(), 0.240, 0.3, -0.2, z);
    Setze(p, Hemmung(), 0.300, 0.25, 0.3, z);
    p.abschliessen(0.75);
    return p;
}

Stereopuffer Schlitten(int frames) {
    Zufall z(0x100A);
    Stereopuffer p(frames);
    Schlag tick = Hemmung();
    tick.rausch_abklingzeit = 0.001;
    tick.moden = {{2900, 0.010, 0.3}, {4600, 0.005, 0.15}};
    Setze(p, tick, 0.002, 1.0, 0.2, z);
    Setze(p, tick, 0.018, 0.2, 0.2, z);
    p.abschliessen(0.45, 0.008);
    return p;
}

Stereopuffer Blattwechsel(int frames) {
    Zufall z(0x100C);
    Stereopuffer p(frames);
    const double dauer = static_cast<double>(frames) / Abtastrate;
    // Paper rustles: a wandering band of noise that swells and fades, with crackles in it.
    const Verlauf mitte = Wanderung(dauer, 0.04, 1800, 5500, z);
    const Verlauf flattern = Wanderung(dauer, 0.025, 0.5, 1.0, z);
    const Verlauf huelle = [dauer, flattern](double t) {
        return std::pow(std::sin(Pi * std::min(t / (dauer - 0.02), 1.0)), 0.7) * flattern(t);
    };
    p.mischen(Rauschband(dauer, mitte, 0.9, huelle, z), 0.0, 0.5, 0.0);
    p.mischen(Rauschband(
                  dauer, [](double) { return 600.0; }, 0.7, huelle, z),
              0.0, 0.25, 0.0);
    for (double t = z.zwischen(0.0, 0.02); t < dauer - 0.03; t += z.zwischen(0.003, 0.02)) {
        p.mischen(Schlag_erzeugen(Knistern(z), z), t, z.zwischen(0.1, 0.5) * huelle(t), 0.0);
    }
    p.abschliessen(0.6, 0.02);
    return p;
}

Stereopuffer Seite_entfernen(int frames) {
    Zufall z(0x100D);
    Stereopuffer p(frames);
    // The paper release lever.
    Schlag hebel;
    hebel.rauschpegel = 0.8;
    hebel.rausch_abklingzeit = 0.004;
    hebel.band_unten = 500;
    hebel.band_oben = 5000;
    hebel.moden = {{700, 0.02, 0.3}, {2100, 0.01, 0.2}};
    Setze(p, hebel, 0.000, 0.8, -0.3, z);
    // The platen turns as the sheet is pulled out: its ratchet clicks, quicker, then slower.
    for (double t = 0.06; t < 0.50;) {
        const double abstand =
            0.030 - 0.014 * Anstieg(t, 0.06, 0.25) + 0.010 * Anstieg(t, 0.3, 0.5);
        Schlag klick = Sperrklinke();
        klick.moden = {{3000, 0.006, 0.2}, {1500, 0.008, 0.1}};
        klick.verstimmung = 0.05;
        Setze(p, klick, t, 0.35 - 0.15 * Anstieg(t, 0.06, 0.5), -0.3, z);
        t += abstand * z.zwischen(0.9, 1.1);
    }
    // The sheet slides over the platen and leaves it with a flick.
    const Verlauf flattern = Wanderung(0.73, 0.03, 0.6, 1.0, z);
    Rauschen_breit(
        p, 0.05, 0.73, [](double t) { return 2500 + 1500 * Anstieg(t, 0.0, 0.4); }, 0.8,
        [flattern](double t) {
            return Anstieg(t, 0.0, 0.08) * (1.0 - Anstieg(t, 0.55, 0.73)) * flattern(t);
        },
        0.3, z);
    Rauschen_breit(
        p, 0.70, 0.12, [](double) { return 5000.0; }, 0.7,
        [](double t) { return Anstieg(t, 0.0, 0.005) * std::exp(-t / 0.025); }, 0.5, z);
    p.abschliessen(0.75);
    return p;
}

Stereopuffer Zeile_entfernen(int frames) {
    Zufall z(0x100E);
    Stereopuffer p(frames);
    Schlag hebel = Hemmung();
    hebel.band_unten = 700;
    hebel.moden = {{1600, 0.015, 0.3}, {600, 0.02, 0.3}};
    Setze(p, hebel, 0.000, 0.7, -0.2, z);
    // A short run of the carriage, then the stop.
    Rauschen_breit(
        p, 0.03, 0.23, [](double) { return 2200.0; }, 1.5,
        [](double t) { return Anstieg(t, 0.0, 0.03) * (1.0 - 0.4 * Anstieg(t, 0.15, 0.23)); }, 0.3,
        z);
    Zahnfolge(
        p, 0.03, 0.23, [](double) { return 300.0; },
        [](double t) { return 0.15 * Anstieg(t, 0.0, 0.03); }, -0.3, 0.4, z);
    Setze(p, Anschlag_Stopp(0.7), 0.260, 0.8, 0.4, z);
    Setze(p, Hemmung(), 0.290, 0.15, 0.4, z);
    p.abschliessen(0.75);
    return p;
}
}  // namespace

Klangform Klang_Form(int n) {
    if (n < 1 || n > 14) throw std::out_of_range("sound number");
    return Formen[static_cast<std::size_t>(n - 1)];
}

Stereopuffer Klang_erzeugen(int n) {
    const int f = Klang_Form(n).frames;
    switch (n) {
        case 1:
            return Klein_Anschlag(f);
        case 2:
            return Leertaste(f);
        case 3:
            return Glocke(f);
        case 4:
            return Umschalttaste(f);
        case 5:
        case 6:
            return Tastenloslassen(f);
        case 7:
            return Wagenruecklauf(f);
        case 8:
            return Rueckschritt(f);
        case 9:
            return Entfernen(f);
        case 10:
            return Schlitten(f);
        case 11:
            return Gross_Anschlag(f);
        case 12:
            return Blattwechsel(f);
        case 13:
            return Seite_entfernen(f);
        default:
            return Zeile_entfernen(f);
    }
}
