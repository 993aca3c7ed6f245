#include <string>

#include "document/ContractDocument.h"
#include "document/SettingsStore.h"
#include "listing/EditableLines.h"
#include "view/Commands.h"
#include "view/UiPrompts.h"

bool runNewRandom(ContractDocument& doc, UiPrompts& prompts) {
    std::string rating = doc.m_rating;
    if (!prompts.askRating(rating)) {
        return false;
    }
    doc.m_rating = rating;
    doc.resetToUntitled();
    // New Random rolls every term: a default OfferChoices is "Random" throughout.
    doc.generateOffers(doc.m_rating, OfferChoices{});
    return true;
}

bool runNewCustom(ContractDocument& doc, UiPrompts& prompts) {
    std::string rating = doc.m_rating;
    OfferChoices choices = doc.m_customChoices;
    if (!prompts.askCustom(rating, choices)) {
        return false;
    }
    doc.m_rating = rating;
    doc.m_customChoices = choices;
    doc.resetToUntitled();
    doc.generateOffers(doc.m_rating, doc.m_customChoices);
    return true;
}

void runLineEdit(ContractDocument& doc, UiPrompts& prompts, int line) {
    const std::optional<EditableLine> editable = findEditableLine(doc, line);
    if (!editable) {
        prompts.warn(QStringLiteral("Please Select A Valid Line"));
        return;
    }
    std::string text = *editable->field;
    if (prompts.askEdit(editable->prompt, text)) {
        *editable->field = text;
    }
}

void runOptions(SettingsStore& settings, UiPrompts& prompts) {
    using namespace settings;
    // Each value is read with the dialog's own default. The reads and the writes keep a fixed
    // order (the period first), which the tests of this command pin.
    OptionsValues values;
    values.period = settings.readText(kSection, kYear, kYearDefault);
    values.basePay = settings.readText(kSection, kPay, kPayForOptions);
    values.unitName = settings.readText(kSection, kUnitName, kUnitNameForOptions);
    values.unitSize = settings.readText(kSection, kUnitSize, kUnitSizeForOptions);
    if (!prompts.askOptions(values)) {
        return;
    }
    settings.writeText(kSection, kYear, values.period);
    settings.writeText(kSection, kUnitName, values.unitName);
    settings.writeText(kSection, kPay, values.basePay);
    settings.writeText(kSection, kUnitSize, values.unitSize);
}
