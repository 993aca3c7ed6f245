#include "view/DialogPrompts.h"

// Placeholders until the generation, edit and options dialogs land.
bool DialogPrompts::askRating(std::string&) {
    return false;
}
bool DialogPrompts::askCustom(std::string&, OfferChoices&) {
    return false;
}
bool DialogPrompts::askEdit(const std::string&, std::string&) {
    return false;
}
bool DialogPrompts::askOptions(OptionsValues&) {
    return false;
}
