// Writes the program's fourteen typewriter sounds as 1.wav .. 14.wav into the given folder.
// Run at build time; the output is the same on every run.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Rezepte.h"
#include "Wavdatei.h"

namespace {
std::int16_t Probe(double x) {
    const double skaliert = std::nearbyint(x * 32767.0);
    if (skaliert > 32767.0) return 32767;
    if (skaliert < -32768.0) return -32768;
    return static_cast<std::int16_t>(skaliert);
}

std::vector<std::int16_t> Proben(const Stereopuffer& p, int kanaele) {
    std::vector<std::int16_t> aus;
    aus.reserve(static_cast<std::size_t>(p.frames() * kanaele));
    for (std::size_t i = 0; i < p.links().size(); ++i) {
        if (kanaele == 1) {
            aus.push_back(Probe(0.5 * (p.links()[i] + p.rechts()[i])));
        } else {
            aus.push_back(Probe(p.links()[i]));
            aus.push_back(Probe(p.rechts()[i]));
        }
    }
    return aus;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string ordner = argv[1];
    for (int n = 1; n <= 14; ++n) {
        const Klangform form = Klang_Form(n);
        const auto bytes =
            Wav_Bytes(Proben(Klang_erzeugen(n), form.kanaele), form.kanaele, Abtastrate);
        const std::string pfad = ordner + "/" + std::to_string(n) + ".wav";
        if (!Datei_schreiben(pfad, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", pfad.c_str());
            return 1;
        }
    }
    return 0;
}
