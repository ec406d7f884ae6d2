#include "Soundspieler.h"

#include <SDL.h>
#include <dlfcn.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <utility>

namespace {
constexpr int Rate = 44100;
constexpr Uint16 Puffer_frames = 256;  // about 6 ms: a keystroke is heard at once

constexpr std::uint64_t Auftrag(int n, std::uint16_t stufe, std::uint32_t zaehler) {
    return (static_cast<std::uint64_t>(n) << 48) | (static_cast<std::uint64_t>(stufe) << 32) |
           zaehler;
}

void Nichts_melden(const char*, int, const char*, int, const char*, ...) {}

// ALSA reports a missing sound card or configuration on stderr, line after line. Without an
// audio device the player is meant to stay silent, so its reports are dropped. The library is
// kept loaded, so the handler stays in place when SDL loads and unloads it.
void Alsa_Meldungen_abschalten() {
    static const bool erledigt = [] {
        using Setzen = int (*)(decltype(&Nichts_melden));
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (alsa == nullptr) return false;
        auto setzen = reinterpret_cast<Setzen>(dlsym(alsa, "snd_lib_error_set_handler"));
        if (setzen != nullptr) {
            setzen(&Nichts_melden);
        }
        return true;
    }();
    (void)erledigt;
}

// Decodes one embedded wave file into interleaved 16-bit stereo at 44100 Hz.
std::vector<std::int16_t> Dekodieren(const QByteArray& datei) {
    std::vector<std::int16_t> stereo;
    SDL_AudioSpec format;
    Uint8* daten = nullptr;
    Uint32 laenge = 0;
    SDL_RWops* quelle = SDL_RWFromConstMem(datei.constData(), static_cast<int>(datei.size()));
    if (!quelle || !SDL_LoadWAV_RW(quelle, 1, &format, &daten, &laenge)) return stereo;
    if (format.format == AUDIO_S16SYS && format.freq == Rate &&
        (format.channels == 1 || format.channels == 2)) {
        const std::size_t proben = laenge / sizeof(std::int16_t);
        std::vector<std::int16_t> roh(proben);
        std::memcpy(roh.data(), daten, proben * sizeof(std::int16_t));
        if (format.channels == 2) {
            stereo = std::move(roh);
        } else {
            stereo.reserve(2 * proben);
            for (std::int16_t p : roh) stereo.insert(stereo.end(), {p, p});
        }
    }
    SDL_FreeWAV(daten);
    return stereo;
}
}  // namespace

Soundspieler::Soundspieler() {
    Alsa_Meldungen_abschalten();
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "PC-Tastrolix");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Schreibmaschine");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;  // no driver: stay silent
    sdl_bereit_ = true;
    if (!Klaenge_laden()) return;

    SDL_AudioSpec wunsch{};
    wunsch.freq = Rate;
    wunsch.format = AUDIO_S16SYS;
    wunsch.channels = 2;
    wunsch.samples = Puffer_frames;
    wunsch.callback = &Soundspieler::Rueckruf;
    wunsch.userdata = this;
    // No changes allowed: SDL converts to whatever the device really takes.
    SDL_AudioSpec erhalten{};
    geraet_ = SDL_OpenAudioDevice(nullptr, 0, &wunsch, &erhalten, 0);
    if (geraet_ != 0) SDL_PauseAudioDevice(geraet_, 0);
}

Soundspieler::~Soundspieler() {
    // Closing waits for a running callback, so the sounds are still there while it reads them.
    if (geraet_ != 0) SDL_CloseAudioDevice(geraet_);
    if (sdl_bereit_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Soundspieler::Klaenge_laden() {
    for (int n = 1; n <= Sound_Anzahl; ++n) {
        QFile datei(QStringLiteral(":/sounds/%1.wav").arg(n));
        if (!datei.open(QIODevice::ReadOnly)) return false;
        klaenge_[static_cast<std::size_t>(n - 1)] = Dekodieren(datei.readAll());
    }
    return true;
}

void Soundspieler::abspielen(int n, std::uint16_t stufe) {
    if (n < 1 || n > Sound_Anzahl || geraet_ == 0) return;
    if (++zaehler_ == 0) zaehler_ = 1;  // 0 is the callback's "nothing asked yet"
    auftrag_.store(Auftrag(n, stufe, zaehler_), std::memory_order_release);
}

void Soundspieler::Rueckruf(void* selbst, std::uint8_t* ziel, int bytes) {
    static_cast<Soundspieler*>(selbst)->fuellen(
        reinterpret_cast<std::int16_t*>(ziel),
        static_cast<std::size_t>(bytes) / (2 * sizeof(std::int16_t)));
}

void Soundspieler::fuellen(std::int16_t* ziel, std::size_t frames) {
    const std::uint64_t auftrag = auftrag_.load(std::memory_order_acquire);
    const auto zaehler = static_cast<std::uint32_t>(auftrag);
    if (zaehler != gesehen_) {
        gesehen_ = zaehler;
        const auto n = static_cast<std::size_t>((auftrag >> 48) & 0xFF);
        laufend_ = &klaenge_[n - 1];
        position_ = 0;
        stufe_ = static_cast<std::int32_t>((auftrag >> 32) & 0xFFFF);
    }

    const std::size_t proben = 2 * frames;
    std::size_t geschrieben = 0;
    if (laufend_ != nullptr) {
        const std::size_t anzahl = std::min(proben, laufend_->size() - position_);
        const std::int16_t* quelle = laufend_->data() + position_;
        // |sample x level| stays below 2^31, so 32-bit arithmetic is enough.
        for (std::size_t i = 0; i < anzahl; ++i) {
            ziel[i] = static_cast<std::int16_t>(quelle[i] * stufe_ / 65535);
        }
        geschrieben = anzahl;
        position_ += anzahl;
        if (position_ >= laufend_->size()) laufend_ = nullptr;
    }
    std::fill(ziel + geschrieben, ziel + proben, std::int16_t{0});
}
