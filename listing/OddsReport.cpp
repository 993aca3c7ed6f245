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

std::string multiplierText(const OddsResult& result) {
    return result.meanMultiplier ? fixed(*result.meanMultiplier, 4) + "x" : "none";
}

// One value in both runs.
struct CompareRow {
    std::string text;
    std::uint64_t builtIn = 0;
    std::uint64_t house = 0;
};

// The values of both runs, most common in the built-in run first, then in the house run.
template <typename Values>
std::vector<CompareRow> compareRows(const Values& builtIn, const Values& house) {
    std::vector<CompareRow> rows;
    for (const OddsValue& value : builtIn) {
        rows.push_back({value.text, value.count, 0});
    }
    for (const OddsValue& value : house) {
        const auto found = std::find_if(rows.begin(), rows.end(), [&](const CompareRow& row) {
            return row.text == value.text;
        });
        if (found != rows.end()) {
            found->house = value.count;
        } else {
            rows.push_back({value.text, 0, value.count});
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CompareRow& a, const CompareRow& b) {
        return a.builtIn != b.builtIn ? a.builtIn > b.builtIn : a.house > b.house;
    });
    return rows;
}

std::vector<CompareRow> offerCountRows(const OddsResult& builtIn, const OddsResult& house) {
    std::vector<CompareRow> rows;
    for (std::size_t n = 0; n < builtIn.offerCounts.size(); ++n) {
        rows.push_back({std::to_string(n), builtIn.offerCounts[n], house.offerCounts[n]});
    }
    return rows;
}

double shareOf(std::uint64_t count, std::uint64_t total) {
    return total == 0 ? 0.0 : 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

// House minus built-in, in percentage points: "+1.25", "-0.40", "0.00".
std::string pointsText(double builtInShare, double houseShare, int decimals) {
    std::string text = fixed(houseShare - builtInShare, decimals);
    if (text.find_first_not_of("-0.") == std::string::npos) {
        return text.starts_with('-') ? text.substr(1) : text;  // no change shows no sign
    }
    return text.starts_with('-') ? text : "+" + text;
}

void appendCompareTable(std::string& out, std::string_view heading,
                        const std::vector<CompareRow>& rows, std::uint64_t builtInTotal,
                        std::uint64_t houseTotal, ValueControls controls) {
    std::size_t textWidth = displayWidth(heading);
    for (const CompareRow& row : rows) {
        textWidth = std::max(textWidth, displayWidth(shown(row.text, controls)));
    }
    out += '\n';
    appendPadded(out, heading, textWidth + 2);
    out += "  built-in     house  difference\n";
    for (const CompareRow& row : rows) {
        const double before = shareOf(row.builtIn, builtInTotal);
        const double after = shareOf(row.house, houseTotal);
        appendPadded(out, shown(row.text, controls), textWidth + 2);
        appendRightAligned(out, fixed(before, 2), 9);
        out += '%';
        appendRightAligned(out, fixed(after, 2), 9);
        out += '%';
        appendRightAligned(out, pointsText(before, after, 2), 9);
        out += " pp\n";
    }
}

void appendCompareCsvRow(std::string& out, std::string_view term, const CompareRow& row,
                         std::uint64_t builtInTotal, std::uint64_t houseTotal,
                         ValueControls controls) {
    const double before = shareOf(row.builtIn, builtInTotal);
    const double after = shareOf(row.house, houseTotal);
    out += term;
    out += ',' + csvField(shown(row.text, controls)) + ',' + countText(row.builtIn) + ',' +
           fixed(before, 4) + ',' + countText(row.house) + ',' + fixed(after, 4) + ',' +
           pointsText(before, after, 4) + '\n';
}

}  // namespace

std::string oddsChoicesText(const OfferChoices& choices, ValueControls controls) {
    std::string out;
    for (const OfferChoiceTerm& choice : kOfferChoiceTerms) {
        const std::string& text = choices.*choice.choice;
        if (text != kRandomChoice) {
            out += out.empty() ? "" : ", ";
            out += std::string(choice.label) + " \"" + shown(text, controls) + "\"";
        }
    }
    return out.empty() ? "every term Random" : out;
}

std::vector<OddsHeaderLine> oddsHeader(const OddsRequest& request, const OddsResult& result,
                                       ValueControls controls) {
    std::string samples = countText(result.samples);
    if (result.cancelled) {
        samples += " of " + countText(request.samples) + " (cancelled)";
    }
    std::vector<OddsHeaderLine> header{{"Rating", shown(request.rating, controls)},
                                       {"Samples", samples},
                                       {"Seed", std::to_string(request.seed)},
                                       {"Choices", oddsChoicesText(request.choices, controls)}};
    if (request.rules && !request.rules->isBuiltIn()) {
        header.push_back({"Rules", "house rules '" + shown(request.rules->name, controls) + "'"});
    }
    return header;
}

std::string renderOddsText(const OddsRequest& request, const OddsResult& result,
                           ValueControls controls) {
    std::string out;
    for (const OddsHeaderLine& line : oddsHeader(request, result, controls)) {
        appendHeaderLine(out, line.label + ":", line.value);
    }

    std::vector<Row> rows;
    for (std::size_t n = 0; n < result.offerCounts.size(); ++n) {
        rows.push_back({std::to_string(n), result.offerCounts[n]});
    }
    appendTable(out, "Offer count", rows, result.samples);
    out += '\n';
    appendHeaderLine(out, "Offers:", countText(result.offers));
    appendHeaderLine(out, "Mean multiplier:", multiplierText(result));
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
                      ", \"seed\": " + std::to_string(request.seed);
    if (request.rules && !request.rules->isBuiltIn()) {
        out += ", \"rules\": " + jsonString(request.rules->name);
    }
    out += ", \"choices\": {";
    for (const OfferChoiceTerm& choice : kOfferChoiceTerms) {
        out += (choice.choice == kOfferChoiceTerms[0].choice ? "" : ", ") +
               jsonString(std::string(choice.key)) + ": " +
               jsonString(request.choices.*choice.choice);
    }
    out += "}, \"offerCount\": {";
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

std::string renderOddsCsv(const OddsRequest& request, const OddsResult& result,
                          ValueControls controls) {
    std::string out;
    // Spelled out whatever `controls` says: a line break in a choice would end the comment.
    for (const OddsHeaderLine& line : oddsHeader(request, result, ValueControls::Visible)) {
        out += "# " + line.label + ": " + line.value + "\n";
    }
    out += "term,value,count,percentage\n";
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

std::string renderOddsCompareText(const OddsRequest& request, const OddsResult& builtIn,
                                  const OddsResult& house, std::string_view rulesName,
                                  ValueControls controls) {
    std::string out;
    OddsRequest withoutRules = request;  // the rules are named with the comparison
    withoutRules.rules.reset();
    for (const OddsHeaderLine& line : oddsHeader(withoutRules, builtIn, controls)) {
        appendHeaderLine(out, line.label + ":", line.value);
    }
    appendHeaderLine(out,
                     "Rules:", "built-in and house rules '" + shown(rulesName, controls) + "'");
    appendCompareTable(out, "Offer count", offerCountRows(builtIn, house), builtIn.samples,
                       house.samples, controls);
    out += '\n';
    appendHeaderLine(
        out,
        "Offers:", "built-in " + countText(builtIn.offers) + ", house " + countText(house.offers));
    appendHeaderLine(out, "Mean multiplier:",
                     "built-in " + multiplierText(builtIn) + ", house " + multiplierText(house));
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        appendCompareTable(out, kOddsTerms[t].name, compareRows(builtIn.terms[t], house.terms[t]),
                           builtIn.offers, house.offers, controls);
    }
    return out;
}

std::string renderOddsCompareJson(const OddsRequest& request, const OddsResult& builtIn,
                                  const OddsResult& house, std::string_view rulesName) {
    OddsRequest withoutRules = request;
    withoutRules.rules.reset();
    std::string before = renderOddsJson(withoutRules, builtIn);
    std::string after = renderOddsJson(request, house);
    before.pop_back();  // each ends its line
    after.pop_back();
    return "{\"rules\": " + jsonString(std::string(rulesName)) + ", \"builtIn\": " + before +
           ", \"house\": " + after + "}\n";
}

std::string renderOddsCompareCsv(const OddsRequest& request, const OddsResult& builtIn,
                                 const OddsResult& house, ValueControls controls) {
    std::string out;
    for (const OddsHeaderLine& line : oddsHeader(request, house, ValueControls::Visible)) {
        out += "# " + line.label + ": " + line.value + "\n";
    }
    out += "term,value,builtInCount,builtInPercentage,houseCount,housePercentage,difference\n";
    for (const CompareRow& row : offerCountRows(builtIn, house)) {
        appendCompareCsvRow(out, "offerCount", row, builtIn.samples, house.samples, controls);
    }
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        for (const CompareRow& row : compareRows(builtIn.terms[t], house.terms[t])) {
            appendCompareCsvRow(out, kOddsTerms[t].key, row, builtIn.offers, house.offers,
                                controls);
        }
    }
    return out;
}

std::vector<OddsCompareTable> compareOdds(const OddsResult& builtIn, const OddsResult& house) {
    const auto table = [](std::string key, const std::vector<CompareRow>& rows,
                          std::uint64_t builtInTotal, std::uint64_t houseTotal) {
        OddsCompareTable made{std::move(key), {}, builtInTotal, houseTotal};
        for (const CompareRow& row : rows) {
            made.rows.push_back({row.text, row.builtIn, row.house});
        }
        return made;
    };
    std::vector<OddsCompareTable> tables;
    tables.push_back(
        table("offerCount", offerCountRows(builtIn, house), builtIn.samples, house.samples));
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        tables.push_back(table(std::string(kOddsTerms[t].key),
                               compareRows(builtIn.terms[t], house.terms[t]), builtIn.offers,
                               house.offers));
    }
    return tables;
}
