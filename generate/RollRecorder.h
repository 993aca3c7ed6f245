#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/RollRecord.h"

// The row of a table a total reached, as an explanation names it: "row 10-12", "row 14 or more",
// "row other"; a row of one total goes unnamed (the total says it).
struct RowSpan {
    int low = 0;
    int high = 0;
    bool other = false;  // the "other" row of a table that names single faces
};

// Writes a RollRecord while the dice fall. Dice hands it every die (Dice.h); the term functions
// tell it what they do with the dice, step by step, so the record says what happened rather
// than working it out again. A generation without a recorder pays one pointer test per die and
// per step.
//
// An explanation reads, for example,
//   main table, dice 6+5 = 11, row 10-11 -> periphery table, dice 3+3 = 6: Free Rasalhague Republic
//   dice 4+5 = 9, +1 rating B, +3 Free Worlds League = 13: 90%
//   2.7 rating B x 1.3 Federated Commonwealth x 0.9 Garrison Duty = 3.16
class RollRecorder {
public:
    // With `again`, each term is rolled again on its own and its explanation says so. A
    // `rulesName` (empty for the built-in tables) starts the explanation of every rolled term:
    // "house rules 'NAME': main table, ...".
    explicit RollRecorder(RollRecord& record, bool again = false, std::string_view rulesName = {});

    // The offer (1..4) whose terms follow; the offer count is always offer 0.
    void beginOffer(int offer) { m_offer = offer; }

    // ---- told by the dice and the term functions as they roll ----

    // Starts the record of `term`, replacing an earlier record of it and its dice.
    void beginTerm(RolledTerm term, bool fixed);
    void die(int sides, int value);
    // A modifier added to the next roll's dice: "+1 rating B", "+3 Free Worlds League".
    void modifier(int amount, std::string_view what, std::string_view which = {});
    // The dice since the last step plus the modifiers make `total`, which reaches `row` of
    // `table` (empty where the term has only one table). A roll after a roll moved on to it.
    void rolled(std::string_view table, int total, RowSpan row);
    // A step without dice: "Periphery employer, no roll".
    void note(std::string_view text);
    // One factor of a product: "2.7 rating B", "x 0.9 Garrison Duty".
    void factor(float value, std::string_view what, std::string_view which = {});
    // The same for a factor that the dice since the last step chose, reaching `row`.
    void rolledFactor(float value, std::string_view what, int total, RowSpan row);
    // What the product came to: "= 3.16".
    void product(std::string_view text);
    // What the term came to: ": Garrison Duty".
    void result(std::string_view text, std::string_view suffix = {});

private:
    TermRecord& current() { return m_record.terms[m_current]; }
    void appendDice(std::string& text) const;
    void startStep();

    RollRecord& m_record;
    bool m_again;
    std::string m_rulesPrefix;  // empty, or "house rules 'NAME': "
    int m_offer = 0;
    std::size_t m_current = 0;
    std::vector<int> m_pendingDice;  // the values rolled since the last step
    int m_pendingSides = 6;
    std::string m_modifiers;  // ", +1 rating B" for each modifier since the last step
    int m_steps = 0;          // roll steps and factors of the current term
};

// The explanation of a term that a choice fixed.
inline constexpr std::string_view kFixedByChoice = "fixed by choice";
