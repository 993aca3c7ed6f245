#include "listing/OddsOrder.h"

#include <charconv>

#include "listing/OfferPay.h"

namespace {

// "60%", " 7.5 %": a number without a sign, blanks allowed around it, then the percent sign.
std::optional<double> percentage(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos || text[start] < '0' || text[start] > '9') {
        return std::nullopt;
    }
    double number = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(),
                                              number, std::chars_format::fixed);
    if (error != std::errc{}) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(static_cast<std::size_t>(end - text.data()));
    const auto sign = rest.find_first_not_of(' ');
    return sign != std::string_view::npos && rest[sign] == '%' ? std::optional(number)
                                                               : std::nullopt;
}

}  // namespace

std::optional<double> termAmount(TermValues values, std::string_view text) {
    switch (values) {
        case TermValues::Names:
            return std::nullopt;
        case TermValues::Months:
            if (const std::optional<int> months = contractMonths(text)) {
                return *months;
            }
            return std::nullopt;
        case TermValues::Multiplier:
            return paymentMultiplier(text);
        case TermValues::Percentage:
            return percentage(text);
    }
    return std::nullopt;
}
