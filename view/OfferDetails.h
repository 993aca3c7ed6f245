#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "document/OfferTerms.h"

class ContractDocument;
struct ContractOffer;

// The offers side by side, as the details dock shows them and the details page prints them: one
// column per offer, a row for each of the ten rolled terms (its text, with how it was rolled as
// the tip), then what each offer pays. Amounts follow `locale`.

struct OfferDetailsCell {
    QString text;       // a long value is cut to its first couple of hundred characters
    QString tip;        // a term's roll explanation; empty on the pay rows
    bool best = false;  // the best contract total of the offers
};

struct OfferDetailsRow {
    QString label;
    QString tip;  // how the row's amounts are reached; empty where the label says it all
    // The term the row shows, whose cells edit it; nullptr on the pay rows.
    std::string ContractOffer::*field = nullptr;
    std::vector<OfferDetailsCell> cells;  // one per offer
};

struct OfferDetails {
    QStringList offers;  // "First Contract" ...
    std::vector<OfferDetailsRow> rows;
    QString summary;     // "Rating B, 3 offers"
    QString summaryTip;  // how the count was rolled
};

// Whose words the labels are in: the dock speaks the user's language; the printed page, like the
// listing, keeps the document's own.
enum class DetailsWords { User, Document };

OfferDetails buildOfferDetails(const ContractDocument& doc, const QLocale& locale = QLocale(),
                               DetailsWords words = DetailsWords::User);

// The first pay row: the rows before it are the rolled terms.
inline constexpr int kFirstPayRow = static_cast<int>(kRolledFieldCount);
