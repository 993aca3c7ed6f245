#include <string>

#include "document/ContractDocument.h"
#include "document/SettingsStore.h"
#include "listing/EditableLines.h"
#include "view/Commands.h"
#include "view/UiPrompts.h"

bool RunNewRandom(ContractDocument& doc, UiPrompts& prompts) {
    std::string rating = doc.m_rating;
    if (!prompts.askRating(rating)) {
        return false;
    }
    doc.m_rating = rating;
    doc.OnNewDocument();
    // New Random rolls every term: a default OfferChoices is "Random" throughout.
    doc.GenerateOffers(doc.m_rating, OfferChoices{});
    return true;
}

bool RunNewCustom(ContractDocument& doc, UiPrompts& prompts) {
    std::string rating = doc.m_rating;
    OfferChoices choices = doc.m_customChoices;
    if (!prompts.askCustom(rating, choices)) {
        return false;
    }
    doc.m_rating = rating;
    doc.m_customChoices = choices;
    doc.OnNewDocument();
    doc.GenerateOffers(doc.m_rating, doc.m_customChoices);
    return true;
}

void RunLineEdit(ContractDocument& doc, UiPrompts& prompts, int line) {
    const std::optional<EditableLine> editable = FindEditableLine(doc, line);
    if (!editable) {
        prompts.warn(QStringLiteral("Please Select A Valid Line"));
        return;
    }
    std::string text = *editable->field;
    if (prompts.askEdit(editable->prompt, text)) {
        *editable->field = text;
    }
}

void RunOptions(SettingsStore& settings, UiPrompts& prompts) {
    using namespace settings;
    // Each value is read with the dialog's own default; the order of reads and writes is the
    // store's order of access, kept as it always was.
    OptionsValues values;
    values.period = settings.ReadText(kSection, kYear, kYearDefault);
    values.basePay = settings.ReadText(kSection, kPay, kPayForOptions);
    values.unitName = settings.ReadText(kSection, kUnitName, kUnitNameForOptions);
    values.unitSize = settings.ReadText(kSection, kUnitSize, kUnitSizeForOptions);
    if (!prompts.askOptions(values)) {
        return;
    }
    settings.WriteText(kSection, kYear, values.period);
    settings.WriteText(kSection, kUnitName, values.unitName);
    settings.WriteText(kSection, kPay, values.basePay);
    settings.WriteText(kSection, kUnitSize, values.unitSize);
}
