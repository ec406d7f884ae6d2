#pragma once
// Plays the fourteen typewriter sounds through one SDL audio device.
//
// The sounds are decoded from the program's resources once, at construction, and kept in
// memory. abspielen() never touches the device: it publishes the wanted sound in one atomic
// word, and the audio callback switches to it at its next period (about 6 ms), cutting off
// whatever was still playing. Without an audio device the player stays silent.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/logik/Soundregeln.h"

class Soundspieler : public Soundausgabe {
  public:
    Soundspieler();
    ~Soundspieler() override;
    Soundspieler(const Soundspieler&) = delete;
    Soundspieler& operator=(const Soundspieler&) = delete;

    // Starts sound n (1 to 14) scaled by stufe / 65535 and stops the one still playing.
    // Returns at once; other numbers are ignored.
    void abspielen(int n, std::uint16_t stufe) override;

    // Whether an audio device is open; false means every call stays silent.
    bool Geraet_offen() const { return geraet_ != 0; }

  private:
    static void Rueckruf(void* selbst, std::uint8_t* ziel, int bytes);
    void fuellen(std::int16_t* ziel, std::size_t frames);
    bool Klaenge_laden();

    // Interleaved stereo samples of each sound.
    std::array<std::vector<std::int16_t>, Sound_Anzahl> klaenge_;

    // The latest request: sound number in bits 48-55, level in bits 32-47, a request count in
    // bits 0-31 that tells the callback a request is new (also when it repeats the last sound).
    std::atomic<std::uint64_t> auftrag_{0};
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);
    std::uint32_t zaehler_ = 0;  // the caller's side

    std::uint32_t geraet_ = 0;  // SDL_AudioDeviceID, 0 when none is open
    bool sdl_bereit_ = false;

    // The callback's side: only the audio thread touches these once the device runs.
    std::uint32_t gesehen_ = 0;
    const std::vector<std::int16_t>* laufend_ = nullptr;
    std::size_t position_ = 0;  // in samples
    std::int32_t stufe_ = 0;
};
