// One loader fed with arbitrary bytes. It must never crash, leak or read out of bounds; what it
// accepts must be consistent enough to be written again, and what is written must load again
// and give the same bytes.

#include <cstddef>
#include <cstdint>

#include "model/Dokument.h"
#include "storage/Dokumentdatei.h"
#include "storage/Einstellungen.h"
#include "storage/Vorlage.h"

namespace {
#if defined(FORMAT_DOKUMENT)
auto* const Uebernehmen = &Dokument_uebernehmen;
auto* const Bytes = &Dokument_Bytes;
#elif defined(FORMAT_VORLAGE)
auto* const Uebernehmen = &Vorlage_uebernehmen;
auto* const Bytes = &Vorlage_Bytes;
#elif defined(FORMAT_EINSTELLUNGEN)
auto* const Uebernehmen = &Einstellungen_uebernehmen;
auto* const Bytes = &Einstellungen_Bytes;
#else
#error "FORMAT_DOKUMENT, FORMAT_VORLAGE or FORMAT_EINSTELLUNGEN"
#endif

// The state before loading: an open standard page, as at any time in the program.
Zustand Ausgangszustand() {
    Zustand z;
    Standardseite_einrichten(z);
    BuchstabenFeld_neu(z);
    return z;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(daten),
                               static_cast<qsizetype>(groesse));
    Zustand z = Ausgangszustand();
    const QByteArray vorher = Bytes(z);
    if (Uebernehmen(z, bytes)) {
        if (Bytes(z) != vorher) __builtin_trap();  // a refused file changed the state
        return 0;
    }
    const QByteArray geschrieben = Bytes(z);
    Zustand wieder = Ausgangszustand();
    if (Uebernehmen(wieder, geschrieben)) __builtin_trap();  // what we write must load
    if (Bytes(wieder) != geschrieben) __builtin_trap();
    return 0;
}
