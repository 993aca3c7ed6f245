#include "doc/DocumentCodec.h"

#include "doc/CRodeDoc.h"

// Placeholder until the codec lands.
std::vector<std::uint8_t> WriteDocumentBytes(CRodeDoc&) {
    return {};
}
CodecResult ReadDocumentBytes(CRodeDoc&, std::span<const std::uint8_t>) {
    return {};
}
void CRodeDoc::Serialize(Archive&) {}
