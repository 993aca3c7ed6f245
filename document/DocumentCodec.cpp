#include "document/DocumentCodec.h"

#include <new>
#include <stdexcept>

#include "document/Archive.h"
#include "document/ContractDocument.h"

namespace {
CodecResult FailRead(ContractDocument& doc, const char* message) {
    // What the read already stored (the year setting, a rating, single offer fields) stays;
    // the reset only clears what a new document clears.
    doc.OnNewDocument();
    return {false, message};
}
}  // namespace

std::vector<std::uint8_t> WriteDocumentBytes(ContractDocument& doc) {
    Archive ar;
    doc.Serialize(ar);
    return ar.TakeBytes();
}

CodecResult ReadDocumentBytes(ContractDocument& doc, std::span<const std::uint8_t> bytes) {
    try {
        Archive ar(bytes);
        doc.Serialize(ar);
    } catch (const ArchiveError&) {
        return FailRead(doc, kUnexpectedFileFormat);
    } catch (const std::bad_alloc&) {
        return FailRead(doc, kFailedToOpenDocument);
    } catch (const std::length_error&) {
        return FailRead(doc, kFailedToOpenDocument);
    }
    return {};
}
