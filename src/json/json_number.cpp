// Numbers are read digit by digit into the node's three number fields. The
// arithmetic is fixed (64-bit wrapping integer part, a weighted sum for the
// fraction, pow for an exponent) so that every file reads the same everywhere.
#include <cmath>
#include <cstdint>

#include "json/json_parse_routines.h"

namespace {

bool IsDigit(char byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

const char* ParseNumber(JsonNode* node, const char* position) {
    node->numberSign = 1;
    if (*position == '-') {
        node->numberSign = -1;
        ++position;
    }
    if (*position == '0') ++position;

    std::uint64_t integerPart = 0;
    for (; IsDigit(*position); ++position) integerPart = integerPart * 10 + static_cast<std::uint64_t>(*position - '0');
    const double integerAsDouble = static_cast<double>(static_cast<std::int64_t>(integerPart));

    int fractionDigits = 0;
    double weightedSum = integerAsDouble;
    double mantissa = integerAsDouble;
    std::int32_t exponent = 0;
    int exponentSign = 1;
    if (*position == '.' && IsDigit(position[1])) {
        ++position;
        double weight = 0.1;
        for (; IsDigit(*position); ++position, ++fractionDigits) {
            const int digit = *position - '0';
            mantissa = mantissa * 10 + digit;
            weightedSum = weightedSum + digit * weight;
            weight = weight * 0.1;
        }
    }
    // A '.' without a digit after it ends the number there, exponent unread.
    if (*position != '.' && (*position == 'e' || *position == 'E')) {
        ++position;
        if (*position == '+') {
            ++position;
        } else if (*position == '-') {
            exponentSign = -1;
            ++position;
        }
        std::uint32_t accumulator = 0;  // wraps like a 32-bit int, without the undefined behaviour
        for (; IsDigit(*position); ++position) accumulator = accumulator * 10 + static_cast<std::uint32_t>(*position - '0');
        exponent = static_cast<std::int32_t>(accumulator);
    }

    const double sign = node->numberSign;
    if (fractionDigits == 0 && exponent == 0) {
        node->kind = JsonKind::Integer;
        node->integerValue = static_cast<std::int64_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(node->numberSign)) * integerPart);
        node->doubleValue = sign * integerAsDouble;
    } else {
        node->kind = JsonKind::Double;
        node->integerValue = static_cast<std::int64_t>(integerPart);
        if (exponent == 0) {
            node->doubleValue = sign * weightedSum;
        } else {
            const std::uint32_t scaled = static_cast<std::uint32_t>(exponentSign) * static_cast<std::uint32_t>(exponent) -
                                         static_cast<std::uint32_t>(fractionDigits);
            node->doubleValue = std::pow(10.0, static_cast<double>(static_cast<std::int32_t>(scaled))) * (sign * mantissa);
        }
    }
    return position;
}
