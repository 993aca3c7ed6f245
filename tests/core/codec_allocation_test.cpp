// Proves that a crafted length prefix cannot make the reader reserve memory for it: while armed,
// the replaced operator new records the largest request made on this thread.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"

namespace {
thread_local bool g_armed = false;
thread_local std::size_t g_largest = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (g_armed && size > g_largest) {
        g_largest = size;
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

// The library's temporary buffers (std::stable_sort) come from this form and go back through the
// sized delete below; under AddressSanitizer both must be this file's, or the pair looks
// mismatched.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size == 0 ? 1 : size);
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DocumentReaderMemory, neverReservesForALengthTheFileCannotHold) {
    const Bytes crafted[] = {
        // the year claims 4 GiB - 1 bytes
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, '3', '0'},
        // the rating claims 2^31 - 1 UTF-16 units
        {0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'A', 0},
        // the first offer's employer claims 65533 bytes
        {0x00, 0x01, 0x00, 0x01, 'A', 0xFF, 0xFD, 0xFF, 'x'},
    };
    for (const Bytes& file : crafted) {
        MemorySettings settings;
        ContractDocument doc(settings);
        g_largest = 0;
        g_armed = true;
        const CodecResult result = readDocumentBytes(doc, file);
        g_armed = false;
        EXPECT_EQ(result.message, "Unexpected file format.");
        EXPECT_LT(g_largest, 1024u);
    }
}

}  // namespace
