#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/ContractOffer.h"
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
    std::int32_t m_againstClans = 0;
    std::string m_rating = "D";
    OfferChoices m_customChoices;
    std::array<ContractOffer, 4> m_offers;

    static constexpr int kMaxOffers = 4;
    // How many offers every reader shows, prints and saves: the count, but at most four.
    int VisibleOfferCount() const;

    // ---- the document base: title, path, modified flag ----
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }
    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(std::string path) { m_pathName = std::move(path); }
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    // The reset: count 0, default dates and location in every offer, title "Untitled", no path.
    // Leaves the rating, the custom choices and the rolled terms of every offer alone.
    virtual bool OnNewDocument();

    // Reads (loading archive) or writes (storing archive) the document. The year travels through
    // the settings store. Failures are raised as ArchiveError (doc/Archive.h).
    virtual void Serialize(Archive& ar);

    // ---- generation ----
    void SeedGenerator(std::uint32_t seed) { m_generator.Seed(seed); }
    std::uint32_t GeneratorState() const { return m_generator.State(); }

    void GenerateOffers(std::string rating, OfferChoices choices);

    int RollDie(int n);
    int RollOfferCount(std::string rating);
    std::string RollEmployer(std::string choice);
    static std::string ClassifyEmployer(const std::string& employer);
    std::string RollSpecialAssignment();
    std::string RollAssignment(std::string employer, std::string choice);
    std::string RollContractLength(std::string assignment, std::string choice);
    std::string RollPayMultiplier(std::string rating, std::string employer, std::string assignment,
                                  std::string choice);
    std::string RollStraightSupport(std::string rating, std::string choice, std::string employer);
    std::string RollBattleLossCompensation(std::string rating, std::string choice,
                                           std::string employer);
    std::string RollDsJsCompensation(std::string choice);
    std::string RollCommercialCompensation(std::string choice);
    std::string RollSalvageRights(std::string choice, std::string employer);
    std::string RollCommandRights(std::string choice, std::string employer);

    SettingsStore& Settings() const { return m_settings; }

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
};
