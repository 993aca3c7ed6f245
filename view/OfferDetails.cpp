#include "view/OfferDetails.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include <QCoreApplication>

#include "document/ContractDocument.h"
#include "document/NumberText.h"
#include "document/OfferTerms.h"
#include "document/SettingsStore.h"
#include "listing/ListingPlan.h"
#include "listing/OfferPay.h"
#include "listing/RollExplanation.h"

namespace {

using Field = std::string ContractOffer::*;

// A cell shows at most this many characters of a value: a value of many megabytes stays whole
// in the document and the listing.
constexpr qsizetype kMostCellCharacters = 200;

constexpr std::string_view kNoValue = "-";

// A label or note in the words the details are built for.
class Wording {
public:
    explicit Wording(DetailsWords words) : m_words(words) {}
    QString operator()(const char* text) const {
        return m_words == DetailsWords::User ? QCoreApplication::translate("OfferDetails", text)
                                             : QString::fromUtf8(text);
    }

private:
    DetailsWords m_words;
};

QString utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString cellText(const std::string& value) {
    // A character takes at most four bytes: the head decoded holds more than enough characters.
    constexpr std::size_t kHeadBytes = 4 * static_cast<std::size_t>(kMostCellCharacters) + 4;
    if (value.size() <= kHeadBytes) {
        const QString text = QString::fromStdString(value);
        if (text.size() <= kMostCellCharacters) {
            return text;
        }
    }
    const QString head = utf8Text(std::string_view(value).substr(0, kHeadBytes));
    return head.left(kMostCellCharacters) + QChar(0x2026);
}

QString amountText(const QLocale& locale, std::optional<double> amount) {
    if (!amount || !std::isfinite(*amount)) {
        return utf8Text(kNoValue);
    }
    return locale.toString(*amount, 'f', 2);
}

// The monthly amount the listing states in the multiplier's text, fixed when the offer was rolled
// ("1.50x Pay = (150000.00 C-Bills)" states "150000.00"); empty when the text states none.
std::string_view listedPay(std::string_view multiplier) {
    constexpr std::string_view kOpen = "x Pay = (";
    constexpr std::string_view kClose = " C-Bills)";
    const std::size_t open = multiplier.find(kOpen);
    if (open == std::string_view::npos || !multiplier.ends_with(kClose)) {
        return {};
    }
    // Neither marker can overlap the other, so the amount lies between them.
    const std::size_t first = open + kOpen.size();
    return multiplier.substr(first, multiplier.size() - kClose.size() - first);
}

OfferDetailsCell makeCell(QString text, QString tip = {}) {
    OfferDetailsCell cell;
    cell.text = std::move(text);
    cell.tip = std::move(tip);
    return cell;
}

OfferDetailsRow makeRow(QString label, Field field = nullptr) {
    OfferDetailsRow row;
    row.label = std::move(label);
    row.field = field;
    return row;
}

QString offerName(int k) {
    QString header = utf8Text(offerHeader(k));
    header.chop(1);  // the listing's colon
    return header;
}

// The pay rows: what the offer pays and the percentages as the offer states them.
void addPayRows(OfferDetails& details, const ContractDocument& doc, const QLocale& locale,
                const Wording& say) {
    const int offers = doc.visibleOfferCount();
    std::vector<OfferPay> pays;
    for (int k = 0; k < offers; ++k) {
        pays.push_back(offerPay(doc.m_offers[static_cast<std::size_t>(k)], doc.basePay()));
    }
    // Without a stored base pay every amount would be 0: the cells say why instead.
    const bool paySet =
        !doc.settings().readText(settings::kSection, settings::kPay, std::string()).empty();
    const QString notSet =
        say(QT_TRANSLATE_NOOP("OfferDetails", "base pay not set: View > Options"));
    const std::vector<bool> best = paySet ? bestTotals(pays) : std::vector<bool>(pays.size());
    OfferDetailsRow monthly =
        makeRow(say(QT_TRANSLATE_NOOP("OfferDetails", "Monthly Pay (C-Bills)")));
    monthly.tip = say(QT_TRANSLATE_NOOP(
        "OfferDetails", "The payment multiplier times the base pay (View > Options)"));
    OfferDetailsRow months = makeRow(say(QT_TRANSLATE_NOOP("OfferDetails", "Months")));
    OfferDetailsRow total =
        makeRow(say(QT_TRANSLATE_NOOP("OfferDetails", "Contract Total (C-Bills)")));
    OfferDetailsRow support =
        makeRow(say(QT_TRANSLATE_NOOP("OfferDetails", "Support (straight, battle-loss)")));
    OfferDetailsRow transport =
        makeRow(say(QT_TRANSLATE_NOOP("OfferDetails", "Transport (DS/JS, commercial)")));
    const auto stated = [](const std::string& first, const std::string& second) {
        return makeCell(cellText(first) + QStringLiteral(", ") + cellText(second));
    };
    for (int k = 0; k < offers; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const ContractOffer& offer = doc.m_offers[index];
        const OfferPay& pay = pays[index];
        OfferDetailsCell monthlyCell = makeCell(paySet ? amountText(locale, pay.monthly) : notSet);
        // The base pay may have changed since the roll: the listing keeps the amount of then,
        // which the tip writes as the dock writes amounts.
        const std::string_view listed = listedPay(offer.paymentMultiplier);
        if (paySet && pay.monthly && !listed.empty() && listed != formatFixed2(*pay.monthly)) {
            monthlyCell.tip =
                say(QT_TRANSLATE_NOOP("OfferDetails",
                                      "the listing shows the pay at the time of the roll: %1 "
                                      "C-Bills"))
                    .arg(amountText(locale, parseNumber(listed)));
        }
        monthly.cells.push_back(monthlyCell);
        months.cells.push_back(
            makeCell(pay.months ? locale.toString(*pay.months) : utf8Text(kNoValue)));
        OfferDetailsCell totalCell = makeCell(paySet ? amountText(locale, pay.total) : notSet);
        if (best[index]) {
            totalCell.text += say(QT_TRANSLATE_NOOP("OfferDetails", " (best)"));
            totalCell.best = true;
            totalCell.tip = say(
                QT_TRANSLATE_NOOP("OfferDetails", "The highest contract total of these offers"));
        }
        total.cells.push_back(totalCell);
        support.cells.push_back(stated(offer.straightSupport, offer.battleLossCompensation));
        transport.cells.push_back(stated(offer.dsjsCompensation, offer.commercialCompensation));
    }
    for (OfferDetailsRow* row : {&monthly, &months, &total, &support, &transport}) {
        details.rows.push_back(std::move(*row));
    }
}

}  // namespace

OfferDetails buildOfferDetails(const ContractDocument& doc, const QLocale& locale,
                               DetailsWords words) {
    const Wording say(words);
    OfferDetails details;
    const int offers = doc.visibleOfferCount();
    for (int k = 0; k < offers; ++k) {
        details.offers << offerName(k);
    }
    for (std::size_t f = 0; f < kRolledFieldCount; ++f) {
        const Field field = kOfferTerms[f].field;
        OfferDetailsRow row = makeRow(utf8Text(kOfferTerms[f].name), field);
        for (int k = 0; k < offers; ++k) {
            const std::optional<std::string> why = explainField(doc, k, field);
            row.cells.push_back(makeCell(cellText(doc.m_offers[static_cast<std::size_t>(k)].*field),
                                         why ? QString::fromStdString(*why) : QString()));
        }
        details.rows.push_back(std::move(row));
    }
    addPayRows(details, doc, locale, say);
    const int count = doc.m_offerCount;
    details.summary = say(QT_TRANSLATE_NOOP("OfferDetails", "Rating %1, %2"))
                          .arg(cellText(doc.m_rating),
                               count == 1 ? say(QT_TRANSLATE_NOOP("OfferDetails", "1 offer"))
                                          : say(QT_TRANSLATE_NOOP("OfferDetails", "%1 offers"))
                                                .arg(locale.toString(count)));
    if (const std::string& rules = doc.m_rolls.rulesName; !rules.empty()) {
        details.summary += say(QT_TRANSLATE_NOOP("OfferDetails", ", house rules '%1'"))
                               .arg(QString::fromStdString(rules));
    }
    details.summaryTip = QString::fromStdString(explainCount(doc));
    return details;
}
