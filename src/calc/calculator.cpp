#include "calculator.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vantrel {

const char* Calculator::operatorCaption(int index)
{
    static const char* const captions[] = {"/", "+", "X", "-", "="};
    return index >= 0 && index < 5 ? captions[index] : "";
}

void Calculator::reset()
{
    decimalEntered = false;
    operandCount = 0;
    lastInputKind = "NONE";
    pendingOperator = " ";
    readout = "0.";
}

void Calculator::clearAll()
{
    readout = "0.";
    firstOperand = "0";
    secondOperand = "0";
    reset();
}

void Calculator::clearEntry()
{
    readout = "0.";
    decimalEntered = false;
    lastInputKind = "CE";
}

void Calculator::numberKey(int digit)
{
    if (digit < 0 || digit > 9)
        return;
    if (lastInputKind != "NUMS") {
        readout = ".";
        decimalEntered = false;
    }
    const char d = static_cast<char>('0' + digit);
    if (decimalEntered)
        readout += d;
    else
        readout = readout.substr(0, readout.find('.')) + d + '.';
    if (lastInputKind == "NEG")
        readout.insert(0, 1, '-');
    lastInputKind = "NUMS";
}

void Calculator::decimalKey()
{
    if (lastInputKind == "NEG")
        readout = "-0.";
    else if (lastInputKind != "NUMS")
        readout = "0.";
    decimalEntered = true;
    lastInputKind = "NUMS";
}

namespace {

// Why a display text cannot be computed with: no digits at all, or too many.
std::string unusableOperand(const std::string& text)
{
    const bool hasDigits = text.find_first_of("0123456789") != std::string::npos;
    return hasDigits ? Calculator::kOverflow : Calculator::kNotANumber;
}

} // namespace

void Calculator::countOperand()
{
    // Only a run of percent presses can push the count this far; it stays put.
    if (operandCount < std::numeric_limits<std::int16_t>::max())
        ++operandCount;
}

Calculator::Message Calculator::operatorKey(int index)
{
    const std::string k = operatorCaption(index);
    if (k.empty())
        return std::nullopt;
    const Calculator before = *this;

    savedReadout = readout;
    if (lastInputKind == "NUMS")
        countOperand();

    if (operandCount == 0) {
        if (k == "-" && lastInputKind != "NEG") {
            readout.insert(0, 1, '-');
            lastInputKind = "NEG";
        }
    } else if (operandCount == 1) {
        // A lone "-" typed after an operator is the sign of the number still
        // to come, not an operand: the first operand stays, and so does the
        // pending operator (see the end).
        if (lastInputKind != "NEG")
            firstOperand = readout;
        if (k == "-" && lastInputKind != "NUMS" && pendingOperator != "=") {
            // A minus right after an operator starts a negative number.
            readout = "-";
            lastInputKind = "NEG";
        }
    } else if (operandCount == 2) {
        secondOperand = savedReadout;
        const auto first = parseOperand(firstOperand);
        const auto second = parseOperand(secondOperand);
        if (!first || !second) {
            // A lone "-" or a number beyond the double range: refuse the key
            // rather than compute with a value the display does not show.
            *this = before;
            return unusableOperand(first ? secondOperand : firstOperand);
        }
        std::optional<double> result;
        Message message;
        if (pendingOperator == "+")
            result = *first + *second;
        else if (pendingOperator == "-")
            result = *first - *second;
        else if (pendingOperator == "X" || pendingOperator == "%")
            result = *first * *second;
        else if (pendingOperator == "/") {
            if (*second == 0)
                message = std::string(kDivideByZero);
            else
                result = *first / *second;
        } else if (pendingOperator == "=")
            result = *second;
        if (result) {
            if (!std::isfinite(*result)) {
                *this = before;
                return std::string(kOverflow);
            }
            firstOperand = pendingOperator == "=" ? secondOperand : formatResult(*result);
        }
        readout = firstOperand;
        operandCount = 1;
        if (lastInputKind != "NEG") {
            lastInputKind = "OPS";
            pendingOperator = k;
        }
        return message;
    }

    if (lastInputKind != "NEG") {
        lastInputKind = "OPS";
        pendingOperator = k;
    }
    return std::nullopt;
}

Calculator::Message Calculator::percentKey()
{
    const auto value = parseOperand(readout);
    if (!value)
        return unusableOperand(readout);
    readout = formatResult(*value / 100);
    lastInputKind = "Ops";
    pendingOperator = "%";
    decimalEntered = true;
    countOperand();
    return std::nullopt;
}

Calculator::Message Calculator::typeKey(char ch)
{
    if (ch >= '0' && ch <= '9') {
        numberKey(ch - '0');
        return std::nullopt;
    }
    switch (ch) {
    case '/': return operatorKey(0);
    case '+': return operatorKey(1);
    case '*':
    case 'x':
    case 'X': return operatorKey(2);
    case '-': return operatorKey(3);
    case '=': return operatorKey(4);
    case '%': return percentKey();
    default: return std::nullopt;
    }
}

std::string Calculator::formatResult(double value)
{
    if (value == 0)
        return "0"; // never "-0"
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

std::optional<double> Calculator::parseOperand(const std::string& text)
{
    // from_chars, not strtod: the point is the decimal separator whatever the
    // user's locale says.
    double value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [stop, ec] = std::from_chars(begin, end, value);
    if (stop != end || !std::isfinite(value))
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero for a calculator; too large is refused.
        const auto mark = text.find_first_of("Ee");
        if (mark == std::string::npos || text.find('-', mark) == std::string::npos)
            return std::nullopt;
        return 0.0;
    }
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

} // namespace vantrel
