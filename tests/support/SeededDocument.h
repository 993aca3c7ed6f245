#pragma once

#include <cstdint>
#include <string>

#include "document/ContractDocument.h"
#include "generate/DocumentGeneration.h"
#include "generate/Generator.h"

namespace testsupport {

// A document with a generator of its own beside it, as the session pairs them, for the tests of
// the generation: one call generates into the document or rolls one of its terms again.
class SeededDocument : public ContractDocument {
public:
    SeededDocument(SettingsStore& settings, std::uint32_t seed)
        : ContractDocument(settings), m_generator(seed) {}

    void generateOffers(const std::string& rating, const OfferChoices& choices) {
        DocumentContent data = content();
        ::generateOffers(data, rating, choices, basePay(), builtInRules(), m_generator,
                         m_recordingRolls);
        setContent(std::move(data));
    }
    bool rollTermAgain(int offer, std::string ContractOffer::*field) {
        DocumentContent data = content();
        const bool rolled = ::rollTermAgain(data, offer, field, basePay(), builtInRules(),
                                            m_generator, m_recordingRolls);
        setContent(std::move(data));
        return rolled;
    }

    void seedGenerator(std::uint32_t seed) { m_generator.reseed(seed); }
    std::uint32_t generatorState() const { return m_generator.state(); }
    void setRecordingRolls(bool on) { m_recordingRolls = on; }

private:
    Generator m_generator;
    bool m_recordingRolls = true;
};

}  // namespace testsupport
