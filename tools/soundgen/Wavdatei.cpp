#include "Wavdatei.h"

#include <fstream>

namespace {
void Text(std::vector<std::uint8_t>& b, const char* vier) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(vier[i]));
}

void U16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void U32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    U16(b, v & 0xFFFF);
    U16(b, v >> 16);
}
}  // namespace

std::vector<std::uint8_t> Wav_Bytes(const std::vector<std::int16_t>& proben, int kanaele,
                                    int abtastrate) {
    const auto datenbytes = static_cast<std::uint32_t>(proben.size() * 2);
    const auto block = static_cast<std::uint32_t>(kanaele * 2);
    std::vector<std::uint8_t> b;
    b.reserve(44 + datenbytes);
    Text(b, "RIFF");
    U32(b, 36 + datenbytes);
    Text(b, "WAVE");
    Text(b, "fmt ");
    U32(b, 16);
    U16(b, 1);  // PCM
    U16(b, static_cast<std::uint32_t>(kanaele));
    U32(b, static_cast<std::uint32_t>(abtastrate));
    U32(b, static_cast<std::uint32_t>(abtastrate) * block);
    U16(b, block);
    U16(b, 16);
    Text(b, "data");
    U32(b, datenbytes);
    for (std::int16_t p : proben) U16(b, static_cast<std::uint16_t>(p));
    return b;
}

bool Datei_schreiben(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(aus);
}
