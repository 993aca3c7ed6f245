#include "generate/RollRecorder.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "document/NumberText.h"
#include "generate/RollTable.h"

namespace {

constexpr std::string_view kRolledAgain = "rolled again: ";

// The shortest text that reads back as this single-precision factor: 2.7f is "2.7", 3.0f "3".
std::string factorText(float value) {
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string(digits.data(), written.ptr);
}

void appendRow(std::string& text, RowSpan row) {
    if (row.other) {
        text += ", row other";
    } else if (row.low == kOrLess) {
        text += ", row " + formatInt(row.high) + " or less";
    } else if (row.high == kOrMore) {
        text += ", row " + formatInt(row.low) + " or more";
    } else if (row.low != row.high) {
        text += ", row " + formatInt(row.low) + "-" + formatInt(row.high);
    }
}

}  // namespace

RollRecorder::RollRecorder(RollRecord& record, bool again, std::string_view rulesName)
    : m_record(record), m_again(again) {
    if (!rulesName.empty()) {
        m_rulesPrefix.append("house rules '").append(rulesName).append("': ");
    }
}

void RollRecorder::beginTerm(RolledTerm term, bool fixed) {
    const int offer = term == RolledTerm::Count ? 0 : m_offer;
    std::erase_if(m_record.dice,
                  [&](const RecordedDie& die) { return die.offer == offer && die.term == term; });
    TermRecord fresh;
    fresh.offer = offer;
    fresh.term = term;
    fresh.fixed = fixed;
    TermRecord* earlier = m_record.find(offer, term);
    if (earlier == nullptr) {
        earlier = &m_record.terms.emplace_back();
    }
    *earlier = std::move(fresh);
    m_current = static_cast<std::size_t>(earlier - m_record.terms.data());
    if (m_again) {
        earlier->explanation = kRolledAgain;
    }
    if (fixed) {
        earlier->explanation += kFixedByChoice;
    } else {
        earlier->explanation += m_rulesPrefix;
    }
    m_pendingDice.clear();
    m_modifiers.clear();
    m_steps = 0;
}

void RollRecorder::die(int sides, int value) {
    const TermRecord& term = current();
    m_record.dice.push_back({term.offer, term.term, sides, value});
    m_pendingDice.push_back(value);
    m_pendingSides = sides;
}

void RollRecorder::modifier(int amount, std::string_view what, std::string_view which) {
    m_modifiers += amount < 0 ? ", " : ", +";
    m_modifiers += formatInt(amount);
    m_modifiers += ' ';
    m_modifiers += what;
    if (!which.empty()) {
        m_modifiers += ' ';
        m_modifiers += which;
    }
}

void RollRecorder::appendDice(std::string& text) const {
    if (m_pendingDice.size() == 1) {
        text += "die " + formatInt(m_pendingDice.front());
        if (m_pendingSides != 6) {
            text += " of 0-" + formatInt(m_pendingSides);
        }
        return;
    }
    text += "dice ";
    int sum = 0;
    for (std::size_t i = 0; i < m_pendingDice.size(); ++i) {
        text += (i == 0 ? "" : "+") + formatInt(m_pendingDice[i]);
        sum += m_pendingDice[i];
    }
    text += " = " + formatInt(sum);
}

void RollRecorder::startStep() {
    if (m_steps++ > 0) {
        current().explanation += " -> ";
    }
}

void RollRecorder::rolled(std::string_view table, int total, RowSpan row) {
    startStep();
    std::string& text = current().explanation;
    if (!table.empty()) {
        text += table;
        text += " table, ";
    }
    appendDice(text);
    if (!m_modifiers.empty()) {
        text += m_modifiers;
        text += " = " + formatInt(total);
    }
    appendRow(text, row);
    m_pendingDice.clear();
    m_modifiers.clear();
}

void RollRecorder::note(std::string_view text) {
    current().explanation += text;
}

void RollRecorder::factor(float value, std::string_view what, std::string_view which) {
    std::string& text = current().explanation;
    if (m_steps++ > 0) {
        text += " x ";
    }
    text += factorText(value);
    text += ' ';
    text += what;
    if (!which.empty()) {
        text += ' ';
        text += which;
    }
}

void RollRecorder::rolledFactor(float value, std::string_view what, int total, RowSpan row) {
    factor(value, what);
    std::string& text = current().explanation;
    text += " (";
    appendDice(text);
    if (!m_modifiers.empty()) {
        text += m_modifiers;
        text += " = " + formatInt(total);
    }
    appendRow(text, row);
    text += ')';
    m_pendingDice.clear();
    m_modifiers.clear();
}

void RollRecorder::product(std::string_view text) {
    std::string& explanation = current().explanation;
    explanation += " = ";
    explanation += text;
}

void RollRecorder::result(std::string_view text, std::string_view suffix) {
    std::string& explanation = current().explanation;
    explanation += ": ";
    explanation += text;
    explanation += suffix;
}
