#pragma once

#include <optional>
#include <string>
#include <string_view>

class CRodeDoc;

// The term operations on views. The CRodeDoc Roll... members wrap them; the driver calls them
// directly so that a run copies each text once, into the offer's own field, instead of once per
// by-value argument. Each returns its choice when the choice is not "Random" (a view into the
// choice), otherwise a view into the static tables. Dice come from the document's generator.

std::string_view EmployerTerm(CRodeDoc& doc, std::string_view choice);
// May set doc.m_againstClans.
std::string_view AssignmentTerm(CRodeDoc& doc, std::string_view employer, std::string_view choice);
std::string_view SpecialAssignmentTerm(CRodeDoc& doc);
std::string_view ContractLengthTerm(CRodeDoc& doc, std::string_view assignment,
                                    std::string_view choice);
// Reads doc.m_againstClans; writes the multiplier text into `out`. Returns the number that text
// reads back as when the multiplier was rolled (so the driver need not parse what it just
// printed), nothing for a fixed choice.
std::optional<double> PayMultiplierTerm(CRodeDoc& doc, std::string_view rating,
                                        std::string_view employer, std::string_view assignment,
                                        std::string_view choice, std::string& out);
std::string_view StraightSupportTerm(CRodeDoc& doc, std::string_view rating,
                                     std::string_view choice, std::string_view employer);
std::string_view BattleLossTerm(CRodeDoc& doc, std::string_view rating, std::string_view choice,
                                std::string_view employer);
std::string_view DsJsTerm(CRodeDoc& doc, std::string_view choice);
std::string_view CommercialTerm(CRodeDoc& doc, std::string_view choice);
std::string_view SalvageRightsTerm(CRodeDoc& doc, std::string_view choice,
                                   std::string_view employer);
std::string_view CommandRightsTerm(CRodeDoc& doc, std::string_view choice,
                                   std::string_view employer);
