#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "document/Archive.h"
#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"
#include "tests/support/Offers.h"

namespace {

using testsupport::namedOffer;

using Bytes = std::vector<std::uint8_t>;
constexpr const char* kUnexpected = "Unexpected file format.";

// A file as the program writes it, built independently of the reader under test.
Bytes fileBytes(const std::string& year, std::uint16_t count, const std::string& rating,
                int offers) {
    Archive ar;
    ar.writeText(year);
    ar.writeU16(count);
    ar.writeText(rating);
    for (int n = 0; n < offers; ++n) {
        const ContractOffer offer = namedOffer(n);
        for (auto field : ContractOffer::kFields) {
            ar.writeText(offer.*field);
        }
    }
    return ar.takeBytes();
}

class DocumentCodec : public ::testing::Test {
protected:
    std::string storedYear() { return settings.readText("Settings", "Year", "<unset>"); }

    MemorySettings settings;
    ContractDocument doc{settings};
};

TEST_F(DocumentCodec, writesANewDocumentInNineBytes) {
    doc.resetToUntitled();
    EXPECT_EQ(writeDocumentBytes(doc), (Bytes{0x04, '3', '0', '5', '5', 0x00, 0x00, 0x01, 'D'}));
}

TEST_F(DocumentCodec, roundTripsFourOffersAndTheYear) {
    settings.writeText("Settings", "Year", "3025");
    doc.m_offerCount = 4;
    doc.m_rating = "A";
    for (int n = 0; n < 4; ++n) {
        doc.m_offers[n] = namedOffer(n);
    }
    const Bytes bytes = writeDocumentBytes(doc);
    EXPECT_EQ(bytes, fileBytes("3025", 4, "A", 4));

    MemorySettings otherSettings;
    ContractDocument other(otherSettings);
    ASSERT_TRUE(readDocumentBytes(other, bytes).ok);
    EXPECT_EQ(other.m_offerCount, 4);
    EXPECT_EQ(other.m_rating, "A");
    EXPECT_EQ(other.m_offers, doc.m_offers);
    EXPECT_EQ(otherSettings.readText("Settings", "Year", ""), "3025");
}

TEST_F(DocumentCodec, keepsACountAboveFourAndWritesItBackWithFourOffers) {
    const Bytes file = fileBytes("3055", 7, "C", 4);
    ASSERT_TRUE(readDocumentBytes(doc, file).ok);
    EXPECT_EQ(doc.m_offerCount, 7);
    EXPECT_EQ(doc.m_offers[3], namedOffer(3));
    EXPECT_EQ(writeDocumentBytes(doc), file);
}

TEST_F(DocumentCodec, readsTheCountWithoutSignExtension) {
    ASSERT_TRUE(readDocumentBytes(doc, fileBytes("3055", 0xFFFF, "C", 4)).ok);
    EXPECT_EQ(doc.m_offerCount, 65535);
}

TEST_F(DocumentCodec, writesOffersThatMatchTheWrittenCount) {
    for (int n = 0; n < 4; ++n) {
        doc.m_offers[n] = namedOffer(n);
    }
    for (std::int32_t count : {-1, 65537}) {
        doc.m_offerCount = count;
        const Bytes bytes = writeDocumentBytes(doc);
        const int written = std::min(count & 0xFFFF, 4);
        EXPECT_EQ(bytes, fileBytes("3055", count & 0xFFFF, "D", written)) << count;
    }
}

TEST_F(DocumentCodec, ignoresTrailingBytesAndDropsThemOnSave) {
    const Bytes file = fileBytes("3055", 1, "B", 1);
    Bytes withTail = file;
    withTail.insert(withTail.end(), {'j', 'u', 'n', 'k'});
    ASSERT_TRUE(readDocumentBytes(doc, withTail).ok);
    EXPECT_EQ(writeDocumentBytes(doc), file);
}

TEST_F(DocumentCodec, leavesOffersBeyondTheCountAndTheCustomChoicesAlone) {
    doc.m_offers[2].employer = "earlier";
    doc.m_customChoices.employer = "Draconis Combine";
    ASSERT_TRUE(readDocumentBytes(doc, fileBytes("3055", 2, "B", 2)).ok);
    EXPECT_EQ(doc.m_offers[1], namedOffer(1));
    EXPECT_EQ(doc.m_offers[2].employer, "earlier");
    EXPECT_EQ(doc.m_customChoices.employer, "Draconis Combine");
    EXPECT_EQ(doc.m_customChoices.assignment, "Random");
}

TEST_F(DocumentCodec, acceptsAnyYearText) {
    for (const char* year : {"", "not a year", "3025"}) {
        ASSERT_TRUE(readDocumentBytes(doc, fileBytes(year, 0, "D", 0)).ok) << year;
        EXPECT_EQ(storedYear(), year);
    }
}

// A crafted year of 200 MB went into the settings, which every later run then read whole. The
// bound counts characters: 1,024 two-byte ones are still stored, 1,025 ASCII ones are not, and
// that file opens all the same.
TEST_F(DocumentCodec, storesOnlyAYearOfAtMost1024Characters) {
    std::string longest;
    for (int i = 0; i < 1024; ++i) {
        longest += "\xC3\xA9";
    }
    ASSERT_TRUE(readDocumentBytes(doc, fileBytes(longest, 0, "D", 0)).ok);
    EXPECT_EQ(storedYear(), longest);
    ASSERT_TRUE(readDocumentBytes(doc, fileBytes(std::string(1025, '9'), 1, "A", 1)).ok);
    EXPECT_EQ(storedYear(), longest);
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_EQ(doc.m_offers[0], namedOffer(0));
}

TEST_F(DocumentCodec, storesTheYearOfAFileCutAfterItAndResets) {
    doc.setTitle("offers.did");
    doc.setPathName("/somewhere/offers.did");
    doc.m_offerCount = 3;
    doc.m_offers[0].location = "Solaris";
    const CodecResult result = readDocumentBytes(doc, Bytes{0x04, '3', '0', '2', '5'});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kUnexpected);
    EXPECT_EQ(storedYear(), "3025");
    EXPECT_EQ(doc.title(), "Untitled");
    EXPECT_EQ(doc.pathName(), "");
    EXPECT_EQ(doc.m_offerCount, 0);
    EXPECT_EQ(doc.m_offers[0].location, "Outreach");
}

TEST_F(DocumentCodec, keepsTheYearWhenTheYearItselfIsCut) {
    settings.writeText("Settings", "Year", "3050");
    EXPECT_EQ(readDocumentBytes(doc, Bytes{0x04, '3', '0'}).message, kUnexpected);
    EXPECT_EQ(storedYear(), "3050");
}

TEST_F(DocumentCodec, keepsARatingReadBeforeTheFailure) {
    Bytes file = fileBytes("3055", 1, "A", 1);
    file.resize(file.size() - 3);
    EXPECT_EQ(readDocumentBytes(doc, file).message, kUnexpected);
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_EQ(doc.m_offers[0].employer, namedOffer(0).employer);
    EXPECT_EQ(doc.m_offerCount, 0);
}

TEST_F(DocumentCodec, failsCleanlyWhereverAFileIsCut) {
    const Bytes file = fileBytes("3055", 4, "B", 4);
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        MemorySettings freshSettings;
        ContractDocument fresh(freshSettings);
        const CodecResult result =
            readDocumentBytes(fresh, Bytes(file.begin(), file.begin() + cut));
        ASSERT_FALSE(result.ok) << cut;
        EXPECT_EQ(result.message, kUnexpected) << cut;
        EXPECT_EQ(fresh.m_offerCount, 0) << cut;
    }
}

TEST_F(DocumentCodec, failsOnASecondWideMarker) {
    const Bytes file{0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00};
    EXPECT_EQ(readDocumentBytes(doc, file).message, kUnexpected);
}

class OutOfMemoryDoc : public ContractDocument {
public:
    using ContractDocument::ContractDocument;
    void serialize(Archive& ar) override {
        m_rating = "read so far";
        if (ar.isLoading()) {
            throw std::bad_alloc();
        }
    }
};

TEST(DocumentCodecMemory, reportsFailedToOpenWhenMemoryRunsOut) {
    MemorySettings settings;
    OutOfMemoryDoc doc(settings);
    doc.m_offerCount = 2;
    const CodecResult result = readDocumentBytes(doc, Bytes{0x00, 0x00, 0x00, 0x00});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Failed to open document.");
    EXPECT_EQ(doc.m_offerCount, 0);
    EXPECT_EQ(doc.m_rating, "read so far");
}

}  // namespace
