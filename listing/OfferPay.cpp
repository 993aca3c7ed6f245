#include "listing/OfferPay.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "document/ContractOffer.h"
#include "document/NumberText.h"

namespace {

constexpr int kMostOfAUnit = 9999;
constexpr int kMonthsPerYear = 12;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Reads the text left to right; every read either takes what it wants or leaves the text alone.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_at == m_text.size(); }

    bool skipBlanks() {
        const std::size_t from = m_at;
        while (!atEnd() && isBlank(m_text[m_at])) {
            ++m_at;
        }
        return m_at != from;
    }

    std::optional<int> number() {
        int value = 0;
        std::size_t digits = 0;
        while (!atEnd() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            value = value * 10 + (m_text[m_at] - '0');
            ++m_at;
            if (++digits > 4) {
                return std::nullopt;
            }
        }
        if (digits == 0) {
            return std::nullopt;
        }
        return value;
    }

    // A whole word, in any case, that no letter follows.
    bool word(std::string_view expected) {
        if (m_text.size() - m_at < expected.size()) {
            return false;
        }
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (lower(m_text[m_at + i]) != expected[i]) {
                return false;
            }
        }
        const std::size_t end = m_at + expected.size();
        if (end < m_text.size() && lower(m_text[end]) >= 'a' && lower(m_text[end]) <= 'z') {
            return false;
        }
        m_at = end;
        return true;
    }

    bool character(char c) {
        if (!atEnd() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

enum class Unit { Year, Month, None };

Unit unit(Reader& reader) {
    // The plural first: "month" would stop before its "s".
    if (reader.word("years") || reader.word("year")) {
        return Unit::Year;
    }
    if (reader.word("months") || reader.word("month")) {
        return Unit::Month;
    }
    return Unit::None;
}

}  // namespace

std::optional<int> contractMonths(std::string_view length) {
    Reader reader(length);
    reader.skipBlanks();
    int months = 0;
    bool spaced = false;
    for (int part = 0; part < 2; ++part) {
        if (part == 1) {
            // Between the years and the months: a comma, "and", or blanks alone.
            const bool joined = reader.character(',') || reader.word("and");
            if (!joined && !spaced) {
                return std::nullopt;
            }
            reader.skipBlanks();
        }
        const std::optional<int> count = reader.number();
        if (!count || *count > kMostOfAUnit) {
            return std::nullopt;
        }
        reader.skipBlanks();
        const Unit read = unit(reader);
        // Years come first, then months.
        if (read == Unit::None || (part == 1 && read != Unit::Month)) {
            return std::nullopt;
        }
        months += read == Unit::Year ? *count * kMonthsPerYear : *count;
        spaced = reader.skipBlanks();
        if (reader.atEnd()) {
            return months;
        }
        if (read == Unit::Month) {
            break;
        }
    }
    return std::nullopt;
}

std::optional<double> paymentMultiplier(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    const std::size_t start = at;
    std::size_t digits = 0;
    const auto skipDigits = [&] {
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            ++at;
            ++digits;
        }
    };
    skipDigits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        skipDigits();
    }
    const bool ends = at == text.size() || isBlank(text[at]) || lower(text[at]) == 'x';
    if (digits == 0 || !ends) {
        return std::nullopt;
    }
    return parseNumber(text.substr(start, at - start));
}

OfferPay offerPay(const ContractOffer& offer, double basePay) {
    OfferPay pay;
    if (const std::optional<double> multiplier = paymentMultiplier(offer.paymentMultiplier)) {
        pay.monthly = *multiplier * basePay;
    }
    pay.months = contractMonths(offer.contractLength);
    if (pay.monthly && pay.months) {
        const double total = *pay.monthly * *pay.months;
        if (std::isfinite(total)) {
            pay.total = total;
        }
    }
    return pay;
}

std::vector<bool> bestTotals(const std::vector<OfferPay>& pays) {
    std::vector<bool> best(pays.size(), false);
    std::optional<double> highest;
    int compared = 0;
    for (const OfferPay& pay : pays) {
        if (pay.total) {
            ++compared;
            highest = highest ? std::max(*highest, *pay.total) : *pay.total;
        }
    }
    // Nothing to choose between: fewer than two totals, or all of them alike.
    const bool allAlike = std::all_of(pays.begin(), pays.end(), [&](const OfferPay& pay) {
        return !pay.total || *pay.total == *highest;
    });
    if (compared < 2 || allAlike) {
        return best;
    }
    for (std::size_t k = 0; k < pays.size(); ++k) {
        best[k] = pays[k].total && *pays[k].total == *highest;
    }
    return best;
}
