#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/Archive.h"

class ContractDocument;

// The two messages of a read that fails after it began.
inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";

// Whole-document reading and writing on bytes, built on ContractDocument::serialize.
struct CodecResult {
    bool ok = true;
    std::string message;  // what to tell the user when !ok
};

// The file's bytes: year (from the "Year" setting), count, rating, the offers the count calls for.
std::vector<std::uint8_t> writeDocumentBytes(ContractDocument& doc);

// Reads a document. On failure the document is reset (resetToUntitled) and the message is one of
// "Unexpected file format." or "Failed to open document."; what the read had already stored
// (the "Year" setting, the rating) stays. `hooks` are told about the long texts as they are read
// (see Archive::LongTextHooks).
CodecResult readDocumentBytes(ContractDocument& doc, std::span<const std::uint8_t> bytes,
                              const Archive::LongTextHooks& hooks = {});
