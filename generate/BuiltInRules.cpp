#include "generate/AssignmentTables.h"
#include "generate/ContractLengthTables.h"
#include "generate/EmployerTables.h"
#include "generate/RuleSet.h"

namespace {

// Positions of the tables that rows lead on to, as EmployerTable and AssignmentTable number them.
constexpr int kToPeriphery = static_cast<int>(EmployerTable::Periphery);
constexpr int kToCorporation = static_cast<int>(EmployerTable::Corporation);
constexpr int kToMinor = static_cast<int>(EmployerTable::MinorPeriphery);
constexpr int kToMercenary = static_cast<int>(EmployerTable::Mercenary);
constexpr int kToGarrisonOrCadre = static_cast<int>(AssignmentTable::GarrisonOrCadre);
constexpr int kToSpecial = static_cast<int>(AssignmentTable::Special);
constexpr bool kClans = true;
constexpr bool kNoClans = false;

RuleSet makeBuiltInRules() {
    // Texts that several tables give.
    const std::string kNoRights = "No Rights";
    const std::string kExchangeRights = "Exchange Rights";
    const std::string kFullRights = "Full Rights";
    const std::string kIndependent = "Independent Command";
    const std::string kLiaison = "Liason Officer";
    const std::string kHouse = "House Command";
    const std::string kIntegrated = "Integrated Command";

    const std::string kCapellanName(kCapellan);
    const std::string kFreeWorldsName(kFreeWorlds);
    const std::string kDraconisName(kDraconis);
    const std::string kFedComName(kFedCom);
    const std::string kRasalhagueName(kRasalhague);

    RuleSet rules;
    rules.description = "The tables of the game's own contract rules.";

    // clang-format off
    rules.offerCountModifiers = {
        {"A", 5},
        {"B", 3},
        {"C", 2},
        {"D", 1},
    };
    rules.offerCounts = {
        {kOrLess,  3, 0},
        {4,        5, 1},
        {6,        9, 2},
        {10,      12, 3},
        {13, kOrMore, 4},
    };

    // In the order of EmployerTable.
    rules.employerTables = {
        {{"main", kTwoDice, {
            {0,   3, {kCapellanName}},
            {4,   5, {kFreeWorldsName}},
            {6,   6, {kDraconisName}},
            {7,   9, {kFedComName}},
            {10, 11, {{}, kToPeriphery}},
            {12, 12, {{}, kToMercenary}},
        }}, EmployerKind::Periphery},
        {{"periphery", kTwoDice, {
            {0,   3, {"Magistracy of Canopus"}},
            {4,   5, {"Outworlds Alliance"}},
            {6,   6, {kRasalhagueName}},
            {7,   8, {{}, kToCorporation}},
            {9,   9, {"St. Ives Compact"}},
            {10, 11, {"Taurian Concordat"}},
            {12, 12, {{}, kToMinor}},
        }}, EmployerKind::Periphery},
        {{"corporation", kTwoDice, {
            {0,   2, {"Nashan Diversified"}},
            {3,   3, {"Irian BattleMechs, Unlimited"}},
            {4,   4, {"Federated Boeing"}},
            {5,   5, {"Aldis Industries"}},
            {6,   6, {"TharHes Industries"}},
            {7,   7, {"Ceres Metals"}},
            {8,   8, {"Kali-Yama"}},
            {9,   9, {"Independence"}},
            {10, 10, {"EarthWerks Inc."}},
            {11, 11, {"Kallon Industries"}},
            {12, 12, {"Alphard Trading Corp."}},
        }}, EmployerKind::Corp},
        {{"minor periphery", kOneDie, {
            {0, 1, {"Marion Hegemony (Alphard)"}},
            {2, 2, {"Lothian League (Lothario)"}},
            {3, 3, {"Ilyrian Palatinate"}},
            {4, 4, {"Circinus Federation (Circinus)"}},
            {5, 5, {"Rim Collection"}},
            {6, 6, {"Mica Majority"}},
        }}, EmployerKind::Periphery},
        {{"mercenary", kTwoDice, {
            {0,   2, {"Gray Death Legion"}},
            {3,   3, {"21st Centauri Lancers"}},
            {4,   5, {"Kell Hounds"}},
            {6,   6, {"Northwind Highlanders"}},
            {7,   7, {"Eridani Light Horse"}},
            {8,   9, {"Wolf's Dragoons"}},
            {10, 11, {"McCarron's Armored Cavalry"}},
            {12, 12, {"Snord's Irregulars"}},
        }}, EmployerKind::Mercenary},
    };

    // In the order of AssignmentTable.
    rules.assignmentTables = {
        {{"Capellan/Free Worlds", kTwoDice, {
            {0,   3, {{}, kToGarrisonOrCadre}},
            {4,   4, {"Defensive Campaign"}},
            {5,   7, {"Objective Raid"}},
            {8,  11, {"Planetary Assault"}},
            {12, 12, {{}, kToSpecial}},
        }}, {kCapellanName, kFreeWorldsName}, std::nullopt},
        {{"Federated Commonwealth/Draconis", kTwoDice, {
            {0,   3, {"Garrison Duty",      -1, kNoClans}},
            {4,   5, {"Objective Raid",     -1, kNoClans}},
            {6,   6, {"Cadre Duty",         -1, kNoClans}},
            {7,   8, {"Objective Raid",     -1, kClans}},
            {9,   9, {"Planetary Assault",  -1, kClans}},
            {10, 10, {"Defensive Campaign", -1, kNoClans}},
            {11, 11, {"Pirate Hunting",     -1, kNoClans}},
            {12, 12, {{},                   kToSpecial}},
        }}, {kFedComName, kDraconisName}, std::nullopt},
        {{"Periphery employer", kTwoDice, {
            {0,   3, {"Objective Raid"}},
            {4,   6, {"Planetary Assault"}},
            {7,   9, {"Garrison Duty"}},
            {10, 11, {"Riot Duty"}},
            {12, 12, {"Security Duty"}},
        }}, {}, EmployerKind::Periphery},
        {{"Mercenary employer", kTwoDice, {
            {0,   3, {"Defensive Campaign"}},
            {4,   8, {"Planetary Assault"}},
            {9,  10, {"Objective Raid"}},
            {11, 12, {"Relief Duty"}},
        }}, {}, EmployerKind::Mercenary},
        {{"Corp employer", kTwoDice, {
            {0,   4, {"Security Duty",   -1, kNoClans}},
            {5,   7, {"Objective Raid",  -1, kClans}},
            {8,  10, {"Extraction Raid", -1, kClans}},
            {11, 11, {"Objective Raid",  -1, kNoClans}},
            {12, 12, {"Cadre Duty",      -1, kNoClans}},
        }}, {}, EmployerKind::Corp},
        {{"garrison or cadre", kOneDie, {
            {0, 3, {"Garrison Duty"}},
            {4, 6, {"Cadre Duty"}},
        }}, {}, std::nullopt},
        // Never marks a contract against the Clans.
        {{"special", kTwoDice, {
            {0,   3, {"Recon Raid"}},
            {4,   4, {"Security Duty"}},
            {5,   5, {"Diversionary Raid"}},
            {6,   7, {"Relief Duty"}},
            {8,   9, {"Extraction Raid"}},
            {10, 11, {"Riot Duty"}},
            {12, 12, {"Guerrilla Warfare"}},
        }}, {}, std::nullopt},
    };

    // One table per column of the printed length tables; the faces and sums a column leaves
    // blank give its "other" entry.
    rules.lengthTables = {
        {{"Garrison Duty", "Cadre Duty"}, kTwoDice, {
            {2,   2, "1 year, 10 months"},
            {3,   3, "1 year, 8 months"},
            {4,   4, "1 year, 6 months"},
            {5,   5, "1 year, 4 months"},
            {6,   6, "1 year, 2 months"},
            {8,   8, "1 year, 1 month"},
            {9,   9, "1 year, 3 months"},
            {10, 10, "1 year, 5 months"},
            {11, 11, "1 year, 7 months"},
            {12, 12, "1 year, 9 months"},
        }, "1 year"},
        {{"Pirate Hunting"}, kTwoDice, {
            {2,   2, "11 months"},
            {3,   3, "9 months"},
            {4,   4, "7 months"},
            {5,   5, "5 months"},
            {6,   6, "3 months"},
            {8,   8, "4 months"},
            {9,   9, "6 months"},
            {10, 10, "8 months"},
            {11, 11, "10 months"},
            {12, 12, "1 year"},
        }, "2 months"},
        {{"Defensive Campaign"}, kTwoDice, {
            {2,   2, "1 year"},
            {3,   3, "10 months"},
            {4,   4, "8 months"},
            {5,   5, "6 months"},
            {6,   6, "4 months"},
            {8,   8, "5 months"},
            {9,   9, "7 months"},
            {10, 10, "9 months"},
            {11, 11, "11 months"},
            {12, 12, "1 year, 1 month"},
        }, "3 months"},
        {{"Recon Raid", "Diversionary Raid"}, kOneDie, {
            {2, 2, "2 months"},
            {4, 4, "3 months"},
            {6, 6, "4 months"},
        }, "1 month"},
        {{"Retainer"}, kOneDie, {
            {1, 1, "5 years"},
            {3, 3, "3 years"},
            {5, 5, "4 years"},
        }, "2 years"},
        {{"Planetary Assault", "Security Duty"}, kOneDie, {
            {1, 1, "7 months"},
            {2, 2, "5 months"},
            {3, 3, "8 months"},
            {4, 4, "6 months"},
        }, "4 months"},
        {{"Extraction Raid", "Riot Duty"}, kOneDie, {
            {1, 1, "4 months"},
            {3, 3, "5 months"},
            {5, 5, "6 months"},
        }, "3 months"},
        {{"Relief Duty"}, kOneDie, {
            {2, 2, "5 months"},
            {3, 3, "3 months"},
            {4, 4, "4 months"},
            {5, 5, "6 months"},
        }, "2 months"},
        {{"Guerrilla Warfare"}, kOneDie, {
            {1, 1, "9 months"},
            {2, 2, "7 months"},
            {4, 4, "8 months"},
            {6, 6, "10 months"},
        }, "6 months"},
        {{"Objective Raid"}, kSmallDie, {
            {1, 1, "1 month"},
        }, "2 months"},
    };
    rules.unknownLength = std::string(kUnknownLength);

    rules.payBases = {
        {"A", 3.0f},
        {"B", 2.7f},
        {"C", 2.4f},
        {"D", 2.1f},
    };
    rules.otherRatingPayBase = 2.1f;
    rules.employerPayFactors = {
        {kFedComName,     1.3f},
        {kRasalhagueName, 1.1f},
        {kDraconisName,   1.5f},
        {kCapellanName,   2.0f},
        {kFreeWorldsName, 1.6f},
    };
    rules.corpPayFactors = {
        {0,   3, 1.0f},
        {4,   5, 1.4f},
        {6,  12, 1.75f},
    };
    rules.assignmentPayFactors = {
        {"Cadre Duty",         0.75f},
        {"Defensive Campaign", 1.5f},
        {"Diversionary Raid",  1.8f},
        {"Extraction Raid",    1.4f},
        {"Garrison Duty",      0.9f},
        {"Guerrilla Warfare",  2.1f},
        {"Objective Raid",     1.6f},
        {"Pirate Hunting",     1.0f},
        {"Planetary Assault",  1.5f},
        {"Recon Raid",         1.4f},
        {"Relief Duty",        1.3f},
        {"Retainer",           1.3f},
        {"Riot Duty",          1.0f},
        {"Security Duty",      1.3f},
    };
    rules.otherAssignmentPayFactor = 1.0f;
    rules.againstClansPayFactor = 2.0f;

    rules.supportRatingModifiers = {
        {"A", 2},
        {"B", 1},
        {"C", 1},
    };
    rules.supportEmployerModifiers = {
        {kFreeWorldsName, 3},
    };
    rules.supportTable = {
        //                 straight  battle-loss
        {kOrLess,  3,     {"50%",    "5%"}},
        {4,        5,     {"55%",    "10%"}},
        {6,        7,     {"60%",    "15%"}},
        {8,        9,     {"65%",    "20%"}},
        {10,      10,     {"70%",    "25%"}},
        {11,      11,     {"75%",    "30%"}},
        {12,      12,     {"85%",    "35%"}},
        {13,      13,     {"90%",    "40%"}},
        {14, kOrMore,     {"100%",   "50%"}},
    };
    rules.transportTable = {
        //         DS/JS  commercial
        {1, 1,    {"12%", "30%"}},
        {2, 2,    {"18%", "33%"}},
        {3, 3,    {"23%", "35%"}},
        {4, 4,    {"27%", "37%"}},
        {5, 5,    {"30%", "39%"}},
    };
    rules.transportOther = {"32%", "40%"};

    rules.salvageEmployerModifiers = {
        {kRasalhagueName, 5},
        {kDraconisName,   5},
    };
    rules.salvageTable = {
        {kOrLess,  7, kNoRights},
        {8,       11, kExchangeRights},
        {12, kOrMore, kFullRights},
    };
    rules.commandTables = {
        {"Federated Commonwealth", {kFedComName}, kTwoDice, {
            {0,  4, kLiaison},
            {5,  8, kHouse},
            {9, 12, kIntegrated},
        }},
        {"Capellan/Free Worlds", {kCapellanName, kFreeWorldsName}, kOneDie, {
            {0, 4, kHouse},
            {5, 6, kLiaison},
        }},
        {"Draconis", {kDraconisName}, kTwoDice, {
            {0,   3, kIndependent},
            {4,   6, kLiaison},
            {7,   9, kHouse},
            {10, 12, kIntegrated},
        }},
    };
    // By EmployerKind: Mercenary, Corp, Periphery.
    rules.commandByKind = {kLiaison, kLiaison, kIndependent};
    // clang-format on
    return rules;
}

}  // namespace

const RuleSet& builtInRules() {
    static const RuleSet rules = makeBuiltInRules();
    return rules;
}
