#include "core/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace kelvo {
namespace {

constexpr int kSignificantDigits = 15;

// |value| = 0.d1 d2 ... d15 x 10^pointPosition, the digits correctly rounded from the binary value.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

DecimalDigits ToDecimalDigits(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
    const std::string text = buffer;  // "d.dddddddddddddde+XX"
    const std::size_t exponentAt = text.find('e');
    DecimalDigits decimal;
    decimal.negative = std::signbit(value);
    decimal.digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
    decimal.pointPosition = std::stoi(text.substr(exponentAt + 1)) + 1;
    if (decimal.digits.find_first_not_of('0') == std::string::npos) {
        decimal.pointPosition = 0;  // zero has no exponent of its own
    }
    return decimal;
}

enum class HalfRule { AwayFromZero, ToEven };

bool RoundsUp(const std::string& digits, int firstDropped, HalfRule rule) {
    const char dropped = digits[firstDropped];
    if (dropped != '5') {
        return dropped > '5';
    }
    const bool moreAfterHalf = digits.find_first_not_of('0', firstDropped + 1) != std::string::npos;
    if (rule == HalfRule::AwayFromZero || moreAfterHalf) {
        return true;
    }
    const int lastKept = firstDropped == 0 ? 0 : digits[firstDropped - 1] - '0';
    return lastKept % 2 == 1;
}

void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of round(|value| x 10^decimals) as an integer without leading zeros ("0" for zero).
std::string ScaledRoundedDigits(const DecimalDigits& decimal, int decimals, HalfRule rule) {
    const int keptCount = decimal.pointPosition + decimals;
    std::string scaled;
    if (keptCount >= kSignificantDigits) {
        scaled = decimal.digits + std::string(keptCount - kSignificantDigits, '0');
    } else if (keptCount >= 0) {
        scaled = decimal.digits.substr(0, keptCount);
        if (RoundsUp(decimal.digits, keptCount, rule)) {
            IncrementDigits(scaled);
        }
    }
    const std::size_t firstNonZero = scaled.find_first_not_of('0');
    return firstNonZero == std::string::npos ? "0" : scaled.substr(firstNonZero);
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string FormatFixed(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    decimals = std::max(decimals, 0);
    const DecimalDigits decimal = ToDecimalDigits(value);
    std::string scaled = ScaledRoundedDigits(decimal, decimals, HalfRule::AwayFromZero);
    const bool showSign = decimal.negative && scaled != "0";
    if (static_cast<int>(scaled.size()) <= decimals) {
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    }
    if (decimals > 0) {
        scaled.insert(scaled.size() - decimals, 1, decimalSeparator);
    }
    return showSign ? "-" + scaled : scaled;
}

std::string FormatD4(double valueMm, char decimalSeparator) {
    return FormatFixed(valueMm, 4, decimalSeparator);
}

std::string FormatD5(double value, char decimalSeparator) {
    return FormatFixed(value, 5, decimalSeparator);
}

double RoundField(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    decimals = std::max(decimals, 0);
    const DecimalDigits decimal = ToDecimalDigits(value);
    // The scaled integer and its power of ten parse to the double nearest the rounded decimal.
    const std::string text =
        ScaledRoundedDigits(decimal, decimals, HalfRule::ToEven) + "e-" + std::to_string(decimals);
    double magnitude = 0;
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    return decimal.negative && magnitude != 0 ? -magnitude : magnitude;
}

std::string FormatGeneral(double value, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    DecimalDigits decimal = ToDecimalDigits(value);
    const std::size_t lastNonZero = decimal.digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos) {
        return "0";
    }
    const std::string digits = decimal.digits.substr(0, lastNonZero + 1);
    const int digitCount = static_cast<int>(digits.size());
    const int exponent = decimal.pointPosition - 1;
    const std::string sign = decimal.negative ? "-" : "";

    if (exponent < -6 || exponent >= 15) {
        std::string mantissa = digits.substr(0, 1);
        if (digitCount > 1) {
            mantissa += decimalSeparator + digits.substr(1);
        }
        return sign + mantissa + "E" + std::to_string(exponent);
    }
    if (decimal.pointPosition <= 0) {
        return sign + "0" + decimalSeparator + std::string(-decimal.pointPosition, '0') + digits;
    }
    if (decimal.pointPosition >= digitCount) {
        return sign + digits + std::string(decimal.pointPosition - digitCount, '0');
    }
    return sign + digits.substr(0, decimal.pointPosition) + decimalSeparator +
           digits.substr(decimal.pointPosition);
}

double ParseFieldNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);  // from_chars takes no plus sign; a second sign stays invalid below
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return 0;
        }
    }
    std::string normalized(text);
    std::replace(normalized.begin(), normalized.end(), ',', '.');
    const char* const end = normalized.data() + normalized.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(normalized.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return 0;
    }
    return value + 0.0;  // "-0" reads as 0
}

}  // namespace kelvo
