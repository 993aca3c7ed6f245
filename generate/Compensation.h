#pragma once

#include <string_view>

// Support (two dice plus a modifier) and transport (one die) compensation.

// "A" +2, "B" or "C" +1, else 0; the "Free Worlds League" adds 3 more.
int supportModifier(std::string_view rating, std::string_view employer);
std::string_view straightSupportForTotal(int total);
std::string_view battleLossForTotal(int total);
std::string_view dsJsForFace(int face);
std::string_view commercialForFace(int face);
