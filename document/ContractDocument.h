#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/ContractOffer.h"
#include "document/DocumentContent.h"
#include "generate/Generator.h"

class Archive;
class SettingsStore;

// The one contract document: the unit's rating, up to four offers and the last custom choices.
// Its data are public on purpose: the listing, printing and line editing read and write them
// directly, and nothing is validated.
class ContractDocument {
public:
    // Seeds the generator from the clock (whole seconds); the generator is never reseeded by
    // the program afterwards.
    explicit ContractDocument(SettingsStore& settings);
    // For tests and the --seed option: the generator starts at `seed`.
    ContractDocument(SettingsStore& settings, std::uint32_t seed);
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

    // ---- the document base: title, path, modified flag ----
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::string& pathName() const { return m_pathName; }
    void setPathName(std::string path) { m_pathName = std::move(path); }
    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }

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

    // ---- generation ----
    void seedGenerator(std::uint32_t seed) { m_generator.reseed(seed); }
    std::uint32_t generatorState() const { return m_generator.state(); }

    // Replaces the offers with a new generation: the count follows the document's rating; the
    // first offer follows `choices` and `rating`, the others roll every term. The pay amounts
    // use the "Pay" setting. The roll record is replaced by this generation's.
    void generateOffers(std::string rating, OfferChoices choices);

    // Rolls the term `field` of offer `offer` (0..visibleOfferCount() - 1) again, as a generation
    // rolls it, from the document's rating and the offer's texts as they stand; a multiplier
    // gets its pay amount from the "Pay" setting. The term's record is replaced. False, rolling
    // nothing, for an offer that is not shown or a field that is not one of the ten rolled terms.
    bool rollTermAgain(int offer, std::string ContractOffer::*field);

    // Whether generations and terms rolled again keep the roll record (they do unless told
    // otherwise). Without it they roll exactly the same dice, only faster.
    void setRecordingRolls(bool on) { m_recordingRolls = on; }

    // The "Pay" setting, the unit's monthly base pay, as a number (0 when unset or not a number).
    double basePay() const;

    SettingsStore& settings() const { return m_settings; }

    static constexpr const char* kUntitled = "Untitled";
    static constexpr const char* kDefaultStartDate = "01 January, 3055";
    static constexpr const char* kDefaultEndDate = "31 December, 3055";
    static constexpr const char* kDefaultLocation = "Outreach";

private:
    SettingsStore& m_settings;
    Generator m_generator;
    std::string m_title;
    std::string m_pathName;
    bool m_modified = false;
    bool m_recordingRolls = true;
};
