#include "document/RollRecord.h"

const TermRecord* RollRecord::find(int offer, RolledTerm term) const {
    for (const TermRecord& record : terms) {
        if (record.offer == offer && record.term == term) {
            return &record;
        }
    }
    return nullptr;
}

TermRecord* RollRecord::find(int offer, RolledTerm term) {
    const auto* found = static_cast<const RollRecord*>(this)->find(offer, term);
    return const_cast<TermRecord*>(found);
}

void RollRecord::clear() {
    dice.clear();
    terms.clear();
    rulesName.clear();
}
