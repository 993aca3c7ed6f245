#include "listing/ListingJson.h"

#include <array>
#include <cmath>
#include <optional>

#include "document/ContractDocument.h"
#include "document/Cp1252.h"
#include "document/NumberText.h"
#include "document/OfferTerms.h"
#include "document/RollRecord.h"
#include "listing/OfferPay.h"
#include "listing/RollExplanation.h"

std::string jsonString(const std::string& text) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            out += text[i++];  // plain ASCII, the common case, needs no decoding
            continue;
        }
        const Utf8Step step = decodeUtf8Step(text, i);
        const char32_t c = step.codePoint;
        if (!step.valid) {
            // Texts from the command line may hold any bytes; JSON must stay UTF-8.
            appendUtf8(out, kReplacementCharacter);
        } else if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            // C1 controls too: a terminal showing the JSON would take them as commands.
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out.append(text, i, step.length);
        }
        i += step.length;
    }
    out += '"';
    return out;
}

namespace {

using Field = std::string ContractOffer::*;

// The fields the pay object repeats as the offer states them.
constexpr std::array<Field, 4> kStatedPercentages = {
    &ContractOffer::straightSupport, &ContractOffer::battleLossCompensation,
    &ContractOffer::dsjsCompensation, &ContractOffer::commercialCompensation};

std::string fieldName(Field field) {
    const OfferTerm* term = offerTerm(field);
    return term != nullptr ? std::string(term->key) : std::string();
}

// A finite amount with two decimals; JSON has no infinity.
std::string jsonAmount(std::optional<double> amount) {
    return amount && std::isfinite(*amount) ? formatFixed2(*amount) : "null";
}

void appendExplanations(std::string& out, const ContractDocument& doc, int k) {
    out += "\"explain\": {";
    bool first = true;
    for (const Field field : ContractOffer::kFields) {
        if (const std::optional<std::string> text = explainField(doc, k, field)) {
            out += first ? "" : ", ";
            out += jsonString(fieldName(field)) + ": " + jsonString(*text);
            first = false;
        }
    }
    out += "}";
}

void appendPay(std::string& out, const ContractOffer& offer, double basePay) {
    const OfferPay pay = offerPay(offer, basePay);
    out += "\"pay\": {\"monthly\": " + jsonAmount(pay.monthly);
    out += ", \"months\": " + (pay.months ? formatInt(*pay.months) : std::string("null"));
    out += ", \"total\": " + jsonAmount(pay.total);
    for (const Field field : kStatedPercentages) {
        out += ", " + jsonString(fieldName(field)) + ": " + jsonString(offer.*field);
    }
    out += "}";
}

void appendDice(std::string& out, const RollRecord& record) {
    out += "\"dice\": [";
    for (std::size_t i = 0; i < record.dice.size(); ++i) {
        const RecordedDie& die = record.dice[i];
        out += i == 0 ? "{" : ", {";
        out += "\"offer\": " + formatInt(die.offer);
        out += ", \"term\": " + jsonString(std::string(rolledTermName(die.term)));
        out += ", \"sides\": " + formatInt(die.sides);
        out += ", \"value\": " + formatInt(die.value) + "}";
    }
    out += "]";
}

}  // namespace

std::string renderListingJson(const ContractDocument& doc) {
    std::string out = "{\"rating\": " + jsonString(doc.m_rating) +
                      ", \"offerCount\": " + formatInt(doc.m_offerCount) +
                      ", \"explain\": {\"offerCount\": " + jsonString(explainCount(doc)) +
                      "}, \"offers\": [";
    const double basePay = doc.basePay();
    for (int k = 0; k < doc.visibleOfferCount(); ++k) {
        const ContractOffer& offer = doc.m_offers[static_cast<std::size_t>(k)];
        out += k == 0 ? "{" : ", {";
        for (std::size_t f = 0; f < ContractOffer::kFieldCount; ++f) {
            out += jsonString(std::string(kOfferTerms[f].key));
            out += ": ";
            out += jsonString(offer.*ContractOffer::kFields[f]);
            out += ", ";
        }
        appendExplanations(out, doc, k);
        out += ", ";
        appendPay(out, offer, basePay);
        out += "}";
    }
    out += "], ";
    appendDice(out, doc.m_rolls);
    out += "}\n";
    return out;
}
