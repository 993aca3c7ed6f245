#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Per-user values that outlive a document. Readers pass their own default, because the same key
// has different defaults for different readers (the Options dialog shows "100000" for "Pay" while
// generation computes with "0").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `fallback` when the value is absent or unreadable.
    virtual std::string readText(const std::string& section, const std::string& key,
                                 const std::string& fallback) = 0;
    virtual bool writeText(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
    // The stored number, or `fallback` when absent.
    virtual std::int32_t readNumber(const std::string& section, const std::string& key,
                                    std::int32_t fallback) = 0;
    virtual bool writeNumber(const std::string& section, const std::string& key,
                             std::int32_t value) = 0;
    // Deletes every value of a section (the recent-file list is rewritten whole at exit).
    virtual void removeSection(const std::string& section) = 0;
};

// Section and key names, kept in one place so that no reader scatters literals.
namespace settings {
inline constexpr const char* kSection = "Settings";
inline constexpr const char* kRecentSection = "Recent File List";
// The rules file generations roll with; empty or absent: the built-in tables.
inline constexpr const char* kRulesSection = "Rules";
inline constexpr const char* kRulesFile = "File";

inline constexpr const char* kYear = "Year";
inline constexpr const char* kUnitName = "Unit Name";
inline constexpr const char* kUnitSize = "Unit Size";
inline constexpr const char* kPay = "Pay";
inline constexpr const char* kInt = "Int";
// 1 while View > Offer Details shows the details beside the listing.
inline constexpr const char* kOfferDetails = "Offer Details";

// Each reader's own default.
inline constexpr const char* kYearDefault = "3055";
inline constexpr const char* kPayForGeneration = "0";
inline constexpr const char* kPayForOptions = "100000";
inline constexpr const char* kUnitNameForOptions = "Unknown";
inline constexpr const char* kUnitSizeForOptions = "1 Mech";
inline constexpr const char* kUnitBlankForContract = "_______________";
inline constexpr std::int32_t kIntDefault = 0;
inline constexpr std::int32_t kOfferDetailsDefault = 0;  // hidden until the user shows it

// A campaign year is a few characters. A file's year text longer than this still opens, but is
// not stored: every later save and the Options dialog would read it whole.
inline constexpr std::size_t kYearMaxCharacters = 1024;

inline constexpr int kRecentFileCount = 4;
// "File1".."File4".
std::string recentFileKey(int oneBasedIndex);
}  // namespace settings
