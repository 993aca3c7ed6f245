#include "listing/EditableLines.h"

#include "document/ContractDocument.h"
#include "listing/ListingPlan.h"

std::optional<EditableLine> findEditableLine(ContractDocument& doc, int line) {
    const ListingPlan plan(doc);
    const ListingLine* found = plan.find(line);
    if (found == nullptr || found->prompt.empty()) {
        return std::nullopt;
    }
    if (found->field == nullptr) {
        return EditableLine{&doc.m_rating, std::string(found->prompt)};
    }
    std::string* field = &(doc.m_offers[static_cast<std::size_t>(found->offer)].*found->field);
    return EditableLine{field, std::string(found->prompt) + *field};
}

int lineAtY(int clientY, int scrollY, int lineHeight) {
    if (lineHeight <= 0) {
        return 0;
    }
    const int y = clientY + scrollY;
    // Integer division truncates toward zero: a click just above line 1 is still line 0.
    return y / lineHeight;
}
