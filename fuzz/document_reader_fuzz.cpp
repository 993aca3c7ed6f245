// Feeds arbitrary bytes to the document reader. Whatever the reader accepts must survive a write
// and a second read unchanged: rating, count, the offers the count calls for, and the year (a
// year too long to keep in the settings is not kept, so the second file carries the default).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"
#include "document/SettingsStore.h"

namespace {
std::string year(SettingsStore& store) {
    return store.readText(settings::kSection, settings::kYear, settings::kYearDefault);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemorySettings firstSettings;
    ContractDocument first(firstSettings);
    if (!readDocumentBytes(first, std::span(data, size)).ok) {
        return 0;
    }
    const std::vector<std::uint8_t> written = writeDocumentBytes(first);

    MemorySettings secondSettings;
    ContractDocument second(secondSettings);
    if (!readDocumentBytes(second, written).ok) {
        __builtin_trap();
    }
    if (second.m_rating != first.m_rating || second.m_offerCount != first.m_offerCount ||
        year(secondSettings) != year(firstSettings)) {
        __builtin_trap();
    }
    for (int n = 0; n < first.visibleOfferCount(); ++n) {
        if (!(second.m_offers[n] == first.m_offers[n])) {
            __builtin_trap();
        }
    }
    return 0;
}
