#include <string>

#include <QCoreApplication>

#include "document/ContractDocument.h"
#include "document/SettingsStore.h"
#include "generate/TermAgain.h"
#include "listing/EditableLines.h"
#include "listing/ListingPlan.h"
#include "session/DocumentSession.h"
#include "view/Commands.h"
#include "view/UiPrompts.h"

namespace {

// How the undo step of a line names its value: "Location", "Payment Multiplier".
QString valueName(const ContractDocument& doc, int line) {
    const ListingPlan plan(doc);
    const ListingLine* found = plan.find(line);
    const std::string_view name = found != nullptr ? found->name : std::string_view();
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

bool runNewRandom(DocumentSession& session, UiPrompts& prompts) {
    ContractDocument& doc = session.document();
    std::string rating = doc.m_rating;
    if (!prompts.askRating(rating)) {
        return false;
    }
    session.record(QCoreApplication::translate("GenerationCommands", "New Random"), [&] {
        doc.m_rating = rating;
        doc.resetToUntitled();
        // New Random rolls every term: a default OfferChoices is "Random" throughout.
        session.generateOffers(doc.m_rating, OfferChoices{});
    });
    return true;
}

bool runNewCustom(DocumentSession& session, UiPrompts& prompts) {
    ContractDocument& doc = session.document();
    std::string rating = doc.m_rating;
    OfferChoices choices = doc.m_customChoices;
    if (!prompts.askCustom(rating, choices)) {
        return false;
    }
    session.record(QCoreApplication::translate("GenerationCommands", "New Custom"), [&] {
        doc.m_rating = rating;
        doc.m_customChoices = choices;
        doc.resetToUntitled();
        session.generateOffers(doc.m_rating, doc.m_customChoices);
    });
    return true;
}

void runLineEdit(DocumentSession& session, UiPrompts& prompts, int line) {
    ContractDocument& doc = session.document();
    const std::optional<EditableLine> editable = findEditableLine(doc, line);
    if (!editable) {
        prompts.warn(
            QCoreApplication::translate("GenerationCommands", "Please Select A Valid Line"));
        return;
    }
    std::string text = *editable->field;
    if (prompts.askEdit(editable->prompt, text)) {
        session.record(
            QCoreApplication::translate("GenerationCommands", "Edit %1").arg(valueName(doc, line)),
            [&] { *editable->field = std::move(text); });
    }
}

bool canRollTermAgain(const ContractDocument& doc, int line) {
    const ListingPlan plan(doc);
    const ListingLine* found = plan.find(line);
    return found != nullptr && found->offer >= 0 && isRolledTerm(found->field);
}

bool runRollTermAgain(DocumentSession& session, int line) {
    const ContractDocument& doc = session.document();
    if (!canRollTermAgain(doc, line)) {
        return false;
    }
    const ListingPlan plan(doc);
    const ListingLine& found = *plan.find(line);
    const int offer = found.offer;
    std::string ContractOffer::*const field = found.field;
    session.rollTermAgain(QCoreApplication::translate("GenerationCommands", "Roll %1 Again")
                              .arg(valueName(doc, line)),
                          offer, field);
    return true;
}

std::optional<std::string> runOptions(SettingsStore& settings, UiPrompts& prompts) {
    using namespace settings;
    // Each value is read with the dialog's own default. The reads and the writes keep a fixed
    // order (the period first), which the tests of this command pin.
    OptionsValues values;
    values.period = settings.readText(kSection, kYear, kYearDefault);
    values.basePay = settings.readText(kSection, kPay, kPayForOptions);
    values.unitName = settings.readText(kSection, kUnitName, kUnitNameForOptions);
    values.unitSize = settings.readText(kSection, kUnitSize, kUnitSizeForOptions);
    const std::string rulesBefore = settings.readText(kRulesSection, kRulesFile, {});
    values.rulesFile = rulesBefore;
    if (!prompts.askOptions(values)) {
        return std::nullopt;
    }
    settings.writeText(kSection, kYear, values.period);
    settings.writeText(kSection, kUnitName, values.unitName);
    settings.writeText(kSection, kPay, values.basePay);
    settings.writeText(kSection, kUnitSize, values.unitSize);
    if (values.rulesFile == rulesBefore) {
        return std::nullopt;
    }
    return values.rulesFile;
}
