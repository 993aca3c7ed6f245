#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/NumberText.h"
#include "generate/Odds.h"
#include "generate/PayMultiplier.h"
#include "rules/RulesFile.h"
#include "tests/support/SeededRolls.h"

namespace {

using namespace testsupport;

// The built-in tables as a file, with `from` replaced by `to` (which must be there once).
std::string dumpWith(std::string_view from, std::string_view to) {
    std::string text = dumpRules(builtInRules());
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

RuleSet readSound(const std::string& text) {
    RulesReadResult result = readRules(text);
    if (const auto* problems = std::get_if<std::vector<RulesProblem>>(&result)) {
        ADD_FAILURE() << describeProblem("rules", problems->front());
        return {};
    }
    return std::get<RuleSet>(std::move(result));
}

// ---- checking ----

struct ProblemCase {
    std::string_view what;
    std::string_view from;
    std::string to;
    std::string_view at;  // where the problem is reported, in `to`
    std::string_view message;
};

TEST(readRules, namesEveryKindOfProblemAtItsLineAndColumn) {
    const std::string tooLong(36, 'x');
    const std::string quotedLong = "\"" + tooLong;
    std::string manyRows = "rows = [\n";
    for (int total = 0; total <= 128; ++total) {
        manyRows += "    { low = " + formatInt(total) + ", high = " + formatInt(total) +
                    ", value = \"No Rights\" },\n";
    }
    manyRows += "]\n";
    const std::vector<ProblemCase> cases = {
        {"syntax", "name = \"My house rules\"", "name = \"My house", "\n",
         "unescaped control characters"},
        // Characters the parser of the TOML library must not see (they reach undefined behaviour).
        {"beyond ASCII outside quotes", "description", "\u3000description", "\u3000",
         "only plain ASCII"},
        {"strings of several lines", "description = ", "description = \"\"\"", "\"\"\"",
         "no strings of several lines"},
        {"unknown key", "description", "colour = \"red\"\ndescription", "colour",
         "unknown key 'colour'"},
        {"uncovered total", "{ low = 4, high = 5, value = 1 }", "{ low = 5, high = 5, value = 1 }",
         "{ low = 5", "total 4 is not covered"},
        {"total covered twice", "{ low = 6, high = 9, value = 2 }",
         "{ low = 5, high = 9, value = 2 }", "{ low = 5", "total 5 is covered twice"},
        {"reach of the modifiers", "{ low = 13, high = \"or more\", value = 4 }",
         "{ low = 13, high = 16, value = 4 }", "{ low = 13",
         "total 17 is not covered (two dice and the modifiers reach 0 to 17)"},
        {"missing table", "table = \"mercenary\"", "table = \"outer rim\"", "\"outer rim\"",
         "no employer table is named 'outer rim'"},
        {"own table", "table = \"corporation\"", "table = \"periphery\"", "\"periphery\" }",
         "the row leads to its own table"},
        {"circle", "table = \"minor periphery\"", "table = \"main\"",
         "{ low = 12, high = 12, table = \"main\"", "can come back to table 'periphery'"},
        {"no length table", "value = \"Pirate Hunting\"", "value = \"Bounty Hunting\"",
         "{ low = 11, high = 11, value = \"Bounty", "'Bounty Hunting' has no length table"},
        {"factor", "{ employer = \"Free Rasalhague Republic\", value = 1.1 }",
         "{ employer = \"Free Rasalhague Republic\", value = -1.1 }", "-1.1",
         "a factor must be a positive number"},
        {"long text", "\"Kell Hounds\"", "\"" + tooLong + "\"", quotedLong,
         "36 characters long; at most 35 fit"},
        {"control character", "\"Kell Hounds\"", "\"Kell\\tHounds\"", "\"Kell",
         "control characters"},
        {"too many rows",
         "rows = [\n    { low = \"or less\", high = 7, value = \"No Rights\" },\n"
         "    { low = 8, high = 11, value = \"Exchange Rights\" },\n"
         "    { low = 12, high = \"or more\", value = \"Full Rights\" },\n]\n",
         manyRows, "[\n    { low = 0,", "at most 128 entries"},
    };
    for (const ProblemCase& one : cases) {
        const std::string text = dumpWith(one.from, one.to);
        // Looked for from the start of the line the change begins on.
        const std::string dump = dumpRules(builtInRules());
        const std::size_t at = text.find(one.at, dump.rfind('\n', dump.find(one.from)) + 1);
        ASSERT_NE(at, std::string::npos) << one.what;
        const std::size_t lineStart = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
        const RulesProblem expected{
            static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n')) +
                1,
            static_cast<int>(at - lineStart) + 1, ""};
        const RulesReadResult result = readRules(text);
        const auto* problems = std::get_if<std::vector<RulesProblem>>(&result);
        ASSERT_NE(problems, nullptr) << one.what;
        const auto found = std::find_if(problems->begin(), problems->end(), [&](const auto& p) {
            return p.message.find(one.message) != std::string::npos;
        });
        ASSERT_NE(found, problems->end())
            << one.what << ": " << describeProblem("rules", problems->front());
        EXPECT_EQ(found->line, expected.line) << one.what;
        EXPECT_EQ(found->column, expected.column) << one.what;
    }
}

TEST(readRules, refusesAFileLargerThanOneMegabyteUnread) {
    const RulesReadResult result = readRules(std::string(kMostRulesFileBytes + 1, '#'));
    const auto* problems = std::get_if<std::vector<RulesProblem>>(&result);
    ASSERT_NE(problems, nullptr);
    EXPECT_EQ(problems->front().line, 0);
    EXPECT_NE(problems->front().message.find("at most 1 MB"), std::string::npos);
}

// ---- rolling with a file ----

TEST(dumpRules, readsBackAsTheBuiltInTablesThatRollExactlyAlike) {
    const RuleSet dumped = readSound(dumpRules(builtInRules()));
    EXPECT_TRUE(dumped.isBuiltIn());
    EXPECT_EQ(dumped, builtInRules());
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        ASSERT_EQ(seededRollText(seed, dumped), seededRollText(seed, builtInRules())) << seed;
    }
    OddsRequest request;
    request.rating = "C";
    request.samples = 1'000'000;
    request.seed = 7;
    request.threads = 2;
    const OddsResult builtIn = rollOdds(request);
    request.rules = std::make_shared<const RuleSet>(dumped);
    EXPECT_EQ(rollOdds(request), builtIn);
}

TEST(houseRules, aChangedRowChangesExactlyTheRollsThatReachIt) {
    // The same tables under another name are the built-in ones.
    EXPECT_TRUE(readSound(dumpWith("My house rules", "Harsh")).isBuiltIn());
    // The salvage row of 12 or more, renamed; nothing else differs.
    const RuleSet harsh =
        readSound(dumpWith("value = \"Full Rights\"", "value = \"Salvage by Lot\""));
    ASSERT_FALSE(harsh.isBuiltIn());
    int reached = 0;
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        std::string builtIn = seededRollText(seed, builtInRules());
        std::string rolled = seededRollText(seed, harsh);
        const std::string_view prefix = "house rules 'My house rules': ";
        for (std::size_t at; (at = rolled.find(prefix)) != std::string::npos;) {
            rolled.erase(at, prefix.size());
        }
        for (std::size_t at; (at = builtIn.find("Full Rights")) != std::string::npos; ++reached) {
            builtIn.replace(at, 11, "Salvage by Lot");
        }
        ASSERT_EQ(rolled, builtIn) << seed;
    }
    EXPECT_GT(reached, 100);
}

TEST(houseRules, anAddedEmployerRollsAndPaysAsStated) {
    std::string text = dumpWith("{ low = 10, high = 11, value = \"McCarron's Armored Cavalry\" },",
                                "{ low = 10, high = 10, value = \"McCarron's Armored Cavalry\" },\n"
                                "    { low = 11, high = 11, value = \"Black Widow Company\" },");
    const std::string factors = "employer_factors = [\n";
    text.insert(text.find(factors) + factors.size(),
                "    { employer = \"Black Widow Company\", value = 1.25 },\n");
    const RuleSet rules = readSound(text);
    int found = 0;
    for (std::uint32_t seed = 0; seed < 20000 && found < 5; ++seed) {
        DocumentContent content;
        content.rating = "B";
        Generator generator(seed);
        generateOffers(content, "B", OfferChoices{}, 1000.0, rules, generator);
        for (int k = 0; k < content.offerCount; ++k) {
            const ContractOffer& offer = content.offers[static_cast<std::size_t>(k)];
            if (offer.employer != "Black Widow Company") {
                continue;
            }
            ++found;
            const std::string name =
                offer.assignment.substr(0, offer.assignment.find(" against Clans"));
            const double product =
                payMultiplierProduct(2.7f, 1.25f, assignmentPayFactor(name, rules),
                                     offer.assignment.ends_with(" against Clans"), rules);
            std::string expected = formatHundredths(*hundredths(product));
            appendPayAmount(expected, static_cast<double>(*hundredths(product)) / 100.0, 1000.0);
            EXPECT_EQ(offer.paymentMultiplier, expected) << seed;
            EXPECT_EQ(offer.commandRights, "Liason Officer") << seed;  // a Mercenary employer
            const TermRecord* employer = content.rolls.find(k + 1, RolledTerm::Employer);
            ASSERT_NE(employer, nullptr);
            EXPECT_NE(employer->explanation.find("mercenary table, dice "), std::string::npos);
            EXPECT_NE(employer->explanation.find("= 11: Black Widow Company"), std::string::npos);
            EXPECT_TRUE(employer->explanation.starts_with("house rules 'My house rules': "));
        }
    }
    EXPECT_EQ(found, 5);
}

}  // namespace
