#pragma once

#include <string>
#include <string_view>

// `text` as it may be written to a terminal: every control character is spelled out, so that a
// document cannot move the cursor, retitle the window or forge a line of the listing. C0 controls
// and DEL become \xHH (ESC is \x1b, a line feed \x0a), C1 controls \u0080 to \u009f, and a byte
// that is not well-formed UTF-8 becomes \xHH. Everything else, backslashes included, is kept
// byte for byte.
std::string visibleControls(std::string_view text);
