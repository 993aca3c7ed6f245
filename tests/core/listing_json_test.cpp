#include <gtest/gtest.h>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "listing/ListingJson.h"

namespace {

TEST(jsonString, escapesWhatJsonCannotHoldRaw) {
    const struct {
        std::string text;
        std::string json;
    } rows[] = {
        {"", "\"\""},
        {"Wolf's Dragoons", "\"Wolf's Dragoons\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"line\nbreak\ttab\r", "\"line\\nbreak\\ttab\\r\""},
        {std::string("nul\0x", 5), "\"nul\\u0000x\""},
        {"\x1f\x7f", "\"\\u001f\\u007f\""},
        {"Ω €", "\"Ω €\""},
        // Any bytes in, valid UTF-8 out: a bad byte is U+FFFD, C1 controls are escaped.
        {"Bad\xc3(\xff", "\"Bad\xef\xbf\xbd(\xef\xbf\xbd\""},
        {"\xc2\x9d]0;t", "\"\\u009d]0;t\""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(jsonString(row.text), row.json);
    }
}

TEST(renderListingJson, showsAtMostFourOffersAndTheCountAsStored) {
    MemorySettings settings;
    ContractDocument doc(settings);
    doc.resetToUntitled();
    doc.m_rating = "B";
    EXPECT_EQ(renderListingJson(doc),
              "{\"rating\": \"B\", \"offerCount\": 0, \"explain\": {\"offerCount\": \"not rolled "
              "yet\"}, \"offers\": [], \"dice\": []}\n");

    doc.m_offerCount = 9;
    const std::string json = renderListingJson(doc);
    std::size_t offers = 0;
    for (std::size_t at = json.find("\"startDate\""); at != std::string::npos;
         at = json.find("\"startDate\"", at + 1)) {
        ++offers;
    }
    EXPECT_EQ(offers, 4u);
    EXPECT_NE(json.find("\"offerCount\": 9"), std::string::npos);
    EXPECT_NE(json.find("\"location\": \"Outreach\", \"explain\""), std::string::npos);
}

}  // namespace
