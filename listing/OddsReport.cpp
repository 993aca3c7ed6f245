#include "listing/OddsReport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "document/NumberText.h"
#include "document/OfferTerms.h"
#include "generate/Odds.h"
#include "listing/ListingJson.h"
#include "listing/TerminalText.h"

namespace {

constexpr std::size_t kHeaderColumn = 20;

// `value` with `decimals` decimals, whatever the locale.
std::string fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    return std::string(buffer.data(), written.ptr);
}

std::string percentOf(std::uint64_t count, std::uint64_t total, int decimals) {
    const double share =
        total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
    return fixed(share, decimals);
}

std::string shown(std::string_view text, ValueControls controls) {
    return controls == ValueControls::Visible ? visibleControls(text) : std::string(text);
}

// Characters as a terminal counts them, near enough: UTF-8 sequences count once.
std::size_t displayWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void appendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(width > displayWidth(text) ? width - displayWidth(text) : 0, ' ');
}

void appendRightAligned(std::string& out, std::string_view text, std::size_t width) {
    out.append(width > text.size() ? width - text.size() : 0, ' ');
    out += text;
}

void appendHeaderLine(std::string& out, std::string_view label, std::string_view value) {
    appendPadded(out, label, kHeaderColumn);
    out += value;
    out += '\n';
}

struct Row {
    std::string text;
    std::uint64_t count;
};

// One table: a heading row, then value, count and percentage of `total` per row.
void appendTable(std::string& out, std::string_view heading, const std::vector<Row>& rows,
                 std::uint64_t total) {
    std::size_t textWidth = displayWidth(heading);
    std::size_t countWidth = 5;
    for (const Row& row : rows) {
        textWidth = std::max(textWidth, displayWidth(row.text));
        countWidth = std::max(countWidth, formatInt(static_cast<long long>(row.count)).size());
    }
    out += '\n';
    appendPadded(out, heading, textWidth + 2);
    appendRightAligned(out, "count", countWidth);
    appendRightAligned(out, "%", 10);
    out += '\n';
    for (const Row& row : rows) {
        appendPadded(out, row.text, textWidth + 2);
        appendRightAligned(out, formatInt(static_cast<long long>(row.count)), countWidth);
        appendRightAligned(out, percentOf(row.count, total, 2), 9);
        out += "%\n";
    }
}

std::string countText(std::uint64_t count) {
    return formatInt(static_cast<long long>(count));
}

// Fields of a CSV row: quoted where the value needs it.
std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

void appendCsvRow(std::string& out, std::string_view term, std::string_view value,
                  std::uint64_t count, std::uint64_t total) {
    out += term;
    out += ',';
    out += csvField(value);
    out += ',';
    out += countText(count);
    out += ',';
    out += percentOf(count, total, 4);
    out += '\n';
}

}  // namespace

std::string renderOddsText(const OddsRequest& request, const OddsResult& result,
                           ValueControls controls) {
    std::string out;
    appendHeaderLine(out, "Rating:", shown(request.rating, controls));
    std::string samples = countText(result.samples);
    if (result.cancelled) {
        samples += " of " + countText(request.samples) + " (cancelled)";
    }
    appendHeaderLine(out, "Samples:", samples);
    appendHeaderLine(out, "Seed:", std::to_string(request.seed));
    std::string choices;
    for (const OfferChoiceTerm& choice : kOfferChoiceTerms) {
        const std::string& text = request.choices.*choice.choice;
        if (text != kRandomChoice) {
            choices += choices.empty() ? "" : ", ";
            choices += std::string(choice.label) + " \"" + shown(text, controls) + "\"";
        }
    }
    appendHeaderLine(out, "Choices:", choices.empty() ? "every term Random" : choices);

    std::vector<Row> rows;
    for (std::size_t n = 0; n < result.offerCounts.size(); ++n) {
        rows.push_back({std::to_string(n), result.offerCounts[n]});
    }
    appendTable(out, "Offer count", rows, result.samples);
    out += '\n';
    appendHeaderLine(out, "Offers:", countText(result.offers));
    appendHeaderLine(out, "Mean multiplier:",
                     result.meanMultiplier ? fixed(*result.meanMultiplier, 4) + "x" : "none");
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        rows.clear();
        for (const OddsValue& value : result.terms[t]) {
            rows.push_back({shown(value.text, controls), value.count});
        }
        appendTable(out, kOddsTerms[t].name, rows, result.offers);
    }
    return out;
}

std::string renderOddsJson(const OddsRequest& request, const OddsResult& result) {
    std::string out = "{\"rating\": " + jsonString(request.rating) +
                      ", \"samples\": " + countText(result.samples) +
                      ", \"seed\": " + std::to_string(request.seed) + ", \"offerCount\": {";
    for (std::size_t n = 0; n < result.offerCounts.size(); ++n) {
        out += (n == 0 ? "\"" : ", \"") + std::to_string(n) +
               "\": " + countText(result.offerCounts[n]);
    }
    out += "}, \"offers\": " + countText(result.offers) + ", \"meanMultiplier\": ";
    if (result.meanMultiplier) {
        std::array<char, 64> buffer{};
        const auto written =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), *result.meanMultiplier);
        out.append(buffer.data(), written.ptr);
    } else {
        out += "null";
    }
    out += ", \"terms\": {";
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        out += (t == 0 ? "" : ", ") + jsonString(std::string(kOddsTerms[t].key)) + ": {";
        bool first = true;
        for (const OddsValue& value : result.terms[t]) {
            out += (first ? "" : ", ") + jsonString(value.text) + ": " + countText(value.count);
            first = false;
        }
        out += "}";
    }
    out += "}}\n";
    return out;
}

std::string renderOddsCsv(const OddsResult& result, ValueControls controls) {
    std::string out = "term,value,count,percentage\n";
    for (std::size_t n = 0; n < result.offerCounts.size(); ++n) {
        appendCsvRow(out, "offerCount", std::to_string(n), result.offerCounts[n], result.samples);
    }
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        for (const OddsValue& value : result.terms[t]) {
            appendCsvRow(out, kOddsTerms[t].key, shown(value.text, controls), value.count,
                         result.offers);
        }
    }
    return out;
}

std::vector<OddsPairTable> pairOdds(const OddsResult& first, const OddsResult& second) {
    std::vector<OddsPairTable> tables;
    OddsPairTable counts{"offerCount", {}, first.samples, second.samples};
    for (std::size_t n = 0; n < first.offerCounts.size(); ++n) {
        counts.rows.push_back({std::to_string(n), first.offerCounts[n], second.offerCounts[n]});
    }
    tables.push_back(std::move(counts));
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        OddsPairTable table{std::string(kOddsTerms[t].key), {}, first.offers, second.offers};
        for (const OddsValue& value : first.terms[t]) {
            table.rows.push_back({value.text, value.count, 0});
        }
        for (const OddsValue& value : second.terms[t]) {
            const auto same =
                std::find_if(table.rows.begin(), table.rows.end(),
                             [&](const OddsPairRow& row) { return row.text == value.text; });
            if (same != table.rows.end()) {
                same->second = value.count;
            } else {
                table.rows.push_back({value.text, 0, value.count});
            }
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

double shareDifference(const OddsPairRow& row, const OddsPairTable& table) {
    const auto share = [](std::uint64_t count, std::uint64_t total) {
        return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
    };
    return share(row.second, table.secondTotal) - share(row.first, table.firstTotal);
}

std::string renderOddsCompareCsv(const OddsResult& builtIn, const OddsResult& rules,
                                 ValueControls controls) {
    std::string out =
        "term,value,builtInCount,builtInPercentage,rulesCount,rulesPercentage,differencePoints\n";
    for (const OddsPairTable& table : pairOdds(builtIn, rules)) {
        for (const OddsPairRow& row : table.rows) {
            out += table.key;
            out += ',';
            out += csvField(shown(row.text, controls));
            out += ',';
            out += countText(row.first);
            out += ',';
            out += percentOf(row.first, table.firstTotal, 4);
            out += ',';
            out += countText(row.second);
            out += ',';
            out += percentOf(row.second, table.secondTotal, 4);
            out += ',';
            out += fixed(shareDifference(row, table), 4);
            out += '\n';
        }
    }
    return out;
}
