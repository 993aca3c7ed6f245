#pragma once

#include <optional>
#include <string>
#include <string_view>

class ContractDocument;

// The term operations on views. The ContractDocument Roll... members wrap them; the driver calls
// them directly so that a run copies each text once, into the offer's own field, instead of once
// per by-value argument. Each returns its choice when the choice is not "Random" (a view into the
// choice), otherwise a view into the static tables. Dice come from the document's generator.

std::string_view employerTerm(ContractDocument& doc, std::string_view choice);
// May set doc.m_againstClans.
std::string_view assignmentTerm(ContractDocument& doc, std::string_view employer,
                                std::string_view choice);
std::string_view specialAssignmentTerm(ContractDocument& doc);
std::string_view contractLengthTerm(ContractDocument& doc, std::string_view assignment,
                                    std::string_view choice);
// Reads doc.m_againstClans; writes the multiplier text into `out`. Returns the number that text
// reads back as when the multiplier was rolled (so the driver need not parse what it just
// printed), nothing for a fixed choice.
std::optional<double> payMultiplierTerm(ContractDocument& doc, std::string_view rating,
                                        std::string_view employer, std::string_view assignment,
                                        std::string_view choice, std::string& out);
std::string_view straightSupportTerm(ContractDocument& doc, std::string_view rating,
                                     std::string_view choice, std::string_view employer);
std::string_view battleLossTerm(ContractDocument& doc, std::string_view rating,
                                std::string_view choice, std::string_view employer);
std::string_view dsJsTerm(ContractDocument& doc, std::string_view choice);
std::string_view commercialTerm(ContractDocument& doc, std::string_view choice);
std::string_view salvageRightsTerm(ContractDocument& doc, std::string_view choice,
                                   std::string_view employer);
std::string_view commandRightsTerm(ContractDocument& doc, std::string_view choice,
                                   std::string_view employer);
