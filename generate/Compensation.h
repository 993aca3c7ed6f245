#pragma once

#include <string_view>

// Support (two dice plus a modifier) and transport (one die) compensation.

// "A" +2, "B" or "C" +1, else 0; the "Free Worlds League" adds 3 more.
int SupportModifier(std::string_view rating, std::string_view employer);
std::string_view StraightSupportForTotal(int total);
std::string_view BattleLossForTotal(int total);
std::string_view DsJsForFace(int face);
std::string_view CommercialForFace(int face);
