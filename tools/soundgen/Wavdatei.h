#pragma once
// Writes 16-bit PCM wave files byte by byte in little-endian order.

#include <cstdint>
#include <string>
#include <vector>

// The samples (interleaved when there are two channels) as a complete wave file.
std::vector<std::uint8_t> Wav_Bytes(const std::vector<std::int16_t>& proben, int kanaele,
                                    int abtastrate);

// Writes the bytes to the file; false when it cannot be written.
bool Datei_schreiben(const std::string& pfad, const std::vector<std::uint8_t>& bytes);
