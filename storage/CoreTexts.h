#pragma once

#include <QString>
#include <string_view>

// A text the core makes in English, as the window shows it: one of the core's fixed texts (a
// reader's message, the odds choices' "every term Random", the credit line) in the user's
// language, any other text as it is. The core's own texts stay as they are: the command line,
// the listing, files and printed pages use them, and the command line loads no translation.
QString shownCoreText(std::string_view text);
