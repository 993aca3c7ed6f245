#include "document/DocumentCodec.h"

#include <new>
#include <stdexcept>

#include "document/Archive.h"
#include "document/ContractDocument.h"

namespace {
CodecResult failRead(ContractDocument& doc, const char* message) {
    // What the read already stored (the year setting, a rating, single offer fields) stays;
    // the reset only clears what a new document clears.
    doc.resetToUntitled();
    return {false, message};
}
}  // namespace

std::vector<std::uint8_t> writeDocumentBytes(ContractDocument& doc) {
    Archive ar;
    doc.serialize(ar);
    return ar.takeBytes();
}

CodecResult readDocumentBytes(ContractDocument& doc, std::span<const std::uint8_t> bytes,
                              const Archive::LongTextHooks& hooks) {
    try {
        Archive ar(bytes, hooks);
        doc.serialize(ar);
    } catch (const ArchiveError&) {
        return failRead(doc, kUnexpectedFileFormat);
    } catch (const std::bad_alloc&) {
        return failRead(doc, kFailedToOpenDocument);
    } catch (const std::length_error&) {
        return failRead(doc, kFailedToOpenDocument);
    }
    return {};
}
