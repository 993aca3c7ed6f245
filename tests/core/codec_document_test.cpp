#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "document/Archive.h"
#include "document/ContractDocument.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr const char* kUnexpected = "Unexpected file format.";

ContractOffer NumberedOffer(int n) {
    ContractOffer offer;
    for (std::size_t f = 0; f < ContractOffer::kFieldCount; ++f) {
        offer.*ContractOffer::kFields[f] =
            "offer " + std::to_string(n) + " field " + std::to_string(f);
    }
    return offer;
}

// A file as the program writes it, built independently of the reader under test.
Bytes FileBytes(const std::string& year, std::uint16_t count, const std::string& rating,
                int offers) {
    Archive ar;
    ar.WriteText(year);
    ar.WriteU16(count);
    ar.WriteText(rating);
    for (int n = 0; n < offers; ++n) {
        const ContractOffer offer = NumberedOffer(n);
        for (auto field : ContractOffer::kFields) {
            ar.WriteText(offer.*field);
        }
    }
    return ar.TakeBytes();
}

class DocumentCodec : public ::testing::Test {
protected:
    std::string Year() { return settings.ReadText("Settings", "Year", "<unset>"); }

    MemorySettings settings;
    ContractDocument doc{settings, 7};
};

TEST_F(DocumentCodec, writesANewDocumentInNineBytes) {
    doc.OnNewDocument();
    EXPECT_EQ(WriteDocumentBytes(doc), (Bytes{0x04, '3', '0', '5', '5', 0x00, 0x00, 0x01, 'D'}));
}

TEST_F(DocumentCodec, roundTripsFourOffersAndTheYear) {
    settings.WriteText("Settings", "Year", "3025");
    doc.m_offerCount = 4;
    doc.m_rating = "A";
    for (int n = 0; n < 4; ++n) {
        doc.m_offers[n] = NumberedOffer(n);
    }
    const Bytes bytes = WriteDocumentBytes(doc);
    EXPECT_EQ(bytes, FileBytes("3025", 4, "A", 4));

    MemorySettings otherSettings;
    ContractDocument other(otherSettings, 1);
    ASSERT_TRUE(ReadDocumentBytes(other, bytes).ok);
    EXPECT_EQ(other.m_offerCount, 4);
    EXPECT_EQ(other.m_rating, "A");
    EXPECT_EQ(other.m_offers, doc.m_offers);
    EXPECT_EQ(otherSettings.ReadText("Settings", "Year", ""), "3025");
}

TEST_F(DocumentCodec, keepsACountAboveFourAndWritesItBackWithFourOffers) {
    const Bytes file = FileBytes("3055", 7, "C", 4);
    ASSERT_TRUE(ReadDocumentBytes(doc, file).ok);
    EXPECT_EQ(doc.m_offerCount, 7);
    EXPECT_EQ(doc.m_offers[3], NumberedOffer(3));
    EXPECT_EQ(WriteDocumentBytes(doc), file);
}

TEST_F(DocumentCodec, readsTheCountWithoutSignExtension) {
    ASSERT_TRUE(ReadDocumentBytes(doc, FileBytes("3055", 0xFFFF, "C", 4)).ok);
    EXPECT_EQ(doc.m_offerCount, 65535);
}

TEST_F(DocumentCodec, writesOffersThatMatchTheWrittenCount) {
    for (int n = 0; n < 4; ++n) {
        doc.m_offers[n] = NumberedOffer(n);
    }
    for (std::int32_t count : {-1, 65537}) {
        doc.m_offerCount = count;
        const Bytes bytes = WriteDocumentBytes(doc);
        const int written = std::min(count & 0xFFFF, 4);
        EXPECT_EQ(bytes, FileBytes("3055", count & 0xFFFF, "D", written)) << count;
    }
}

TEST_F(DocumentCodec, ignoresTrailingBytesAndDropsThemOnSave) {
    const Bytes file = FileBytes("3055", 1, "B", 1);
    Bytes withTail = file;
    withTail.insert(withTail.end(), {'j', 'u', 'n', 'k'});
    ASSERT_TRUE(ReadDocumentBytes(doc, withTail).ok);
    EXPECT_EQ(WriteDocumentBytes(doc), file);
}

TEST_F(DocumentCodec, leavesOffersBeyondTheCountAndTheCustomChoicesAlone) {
    doc.m_offers[2].employer = "earlier";
    doc.m_customChoices.employer = "Draconis Combine";
    ASSERT_TRUE(ReadDocumentBytes(doc, FileBytes("3055", 2, "B", 2)).ok);
    EXPECT_EQ(doc.m_offers[1], NumberedOffer(1));
    EXPECT_EQ(doc.m_offers[2].employer, "earlier");
    EXPECT_EQ(doc.m_customChoices.employer, "Draconis Combine");
    EXPECT_EQ(doc.m_customChoices.assignment, "Random");
}

TEST_F(DocumentCodec, acceptsAnyYearText) {
    for (const char* year : {"", "not a year", "3025"}) {
        ASSERT_TRUE(ReadDocumentBytes(doc, FileBytes(year, 0, "D", 0)).ok) << year;
        EXPECT_EQ(Year(), year);
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
    ASSERT_TRUE(ReadDocumentBytes(doc, FileBytes(longest, 0, "D", 0)).ok);
    EXPECT_EQ(Year(), longest);
    ASSERT_TRUE(ReadDocumentBytes(doc, FileBytes(std::string(1025, '9'), 1, "A", 1)).ok);
    EXPECT_EQ(Year(), longest);
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_EQ(doc.m_offers[0], NumberedOffer(0));
}

TEST_F(DocumentCodec, storesTheYearOfAFileCutAfterItAndResets) {
    doc.SetTitle("offers.did");
    doc.SetPathName("/somewhere/offers.did");
    doc.m_offerCount = 3;
    doc.m_offers[0].location = "Solaris";
    const CodecResult result = ReadDocumentBytes(doc, Bytes{0x04, '3', '0', '2', '5'});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kUnexpected);
    EXPECT_EQ(Year(), "3025");
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_EQ(doc.m_offerCount, 0);
    EXPECT_EQ(doc.m_offers[0].location, "Outreach");
}

TEST_F(DocumentCodec, keepsTheYearWhenTheYearItselfIsCut) {
    settings.WriteText("Settings", "Year", "3050");
    EXPECT_EQ(ReadDocumentBytes(doc, Bytes{0x04, '3', '0'}).message, kUnexpected);
    EXPECT_EQ(Year(), "3050");
}

TEST_F(DocumentCodec, keepsARatingReadBeforeTheFailure) {
    Bytes file = FileBytes("3055", 1, "A", 1);
    file.resize(file.size() - 3);
    EXPECT_EQ(ReadDocumentBytes(doc, file).message, kUnexpected);
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_EQ(doc.m_offers[0].employer, NumberedOffer(0).employer);
    EXPECT_EQ(doc.m_offerCount, 0);
}

TEST_F(DocumentCodec, failsCleanlyWhereverAFileIsCut) {
    const Bytes file = FileBytes("3055", 4, "B", 4);
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        MemorySettings freshSettings;
        ContractDocument fresh(freshSettings, 1);
        const CodecResult result =
            ReadDocumentBytes(fresh, Bytes(file.begin(), file.begin() + cut));
        ASSERT_FALSE(result.ok) << cut;
        EXPECT_EQ(result.message, kUnexpected) << cut;
        EXPECT_EQ(fresh.m_offerCount, 0) << cut;
    }
}

TEST_F(DocumentCodec, failsOnASecondWideMarker) {
    const Bytes file{0x00, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00};
    EXPECT_EQ(ReadDocumentBytes(doc, file).message, kUnexpected);
}

class OutOfMemoryDoc : public ContractDocument {
public:
    using ContractDocument::ContractDocument;
    void Serialize(Archive& ar) override {
        m_rating = "read so far";
        if (ar.IsLoading()) {
            throw std::bad_alloc();
        }
    }
};

TEST(DocumentCodecMemory, reportsFailedToOpenWhenMemoryRunsOut) {
    MemorySettings settings;
    OutOfMemoryDoc doc(settings, 1);
    doc.m_offerCount = 2;
    const CodecResult result = ReadDocumentBytes(doc, Bytes{0x00, 0x00, 0x00, 0x00});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Failed to open document.");
    EXPECT_EQ(doc.m_offerCount, 0);
    EXPECT_EQ(doc.m_rating, "read so far");
}

}  // namespace
