#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/ContractOffer.h"
#include "document/DocumentContent.h"

class Archive;
class SettingsStore;

// The one contract document: the unit's rating, up to four offers and the last custom choices.
// Its data are public on purpose: the listing, printing and line editing read and write them
// directly, and nothing is validated.
class ContractDocument {
public:
    explicit ContractDocument(SettingsStore& settings);
    virtual ~ContractDocument() = default;

    ContractDocument(const ContractDocument&) = delete;
    ContractDocument& operator=(const ContractDocument&) = delete;

    // ---- document data (order matters to readers of the layout) ----
    std::int32_t m_offerCount = 0;  // 0..4 after a generation; a file may carry up to 65535
    std::string m_rating = "D";
    OfferChoices m_customChoices;
    std::array<ContractOffer, kMaxOffers> m_offers;
    // The dice of the generation that made the offers and of each term rolled again since, with
    // how each term came about. Kept in memory only: a saved file holds none of it, and the
    // reset (an opened file, New) clears it.
    RollRecord m_rolls;

    // How many offers every reader shows, prints and saves: the count, but at most four.
    int visibleOfferCount() const;

    // The data above as one value, and back: what an undo step keeps and restores.
    DocumentContent content() const;
    void setContent(DocumentContent content);

    // ---- the document base: title and path ----
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::string& pathName() const { return m_pathName; }
    void setPathName(std::string path) { m_pathName = std::move(path); }

    // The reset: count 0, default dates and location in every offer, title "Untitled", no path,
    // no roll record. Leaves the rating, the custom choices and the rolled terms of every offer
    // alone.
    virtual void resetToUntitled();
    // The document of a fresh start: rating "D", every offer's texts cleared, then the reset.
    // The custom choices stay, as they do for the whole run.
    void resetToNew();

    // Reads (loading archive) or writes (storing archive) the document. The year travels through
    // the settings store. Failures are raised as ArchiveError (document/Archive.h).
    virtual void serialize(Archive& ar);

    // The "Pay" setting, the unit's monthly base pay, as a number (0 when unset or not a number).
    double basePay() const;

    SettingsStore& settings() const { return m_settings; }

    static constexpr const char* kUntitled = "Untitled";
    static constexpr const char* kDefaultStartDate = "01 January, 3055";
    static constexpr const char* kDefaultEndDate = "31 December, 3055";
    static constexpr const char* kDefaultLocation = "Outreach";

private:
    SettingsStore& m_settings;
    std::string m_title;
    std::string m_pathName;
};
