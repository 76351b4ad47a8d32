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

void Calculator::Reset()
{
    DecimalEntered = false;
    OperandCount = 0;
    LastInputKind = "NONE";
    PendingOperator = " ";
    Readout = "0.";
}

void Calculator::ClearAll()
{
    Readout = "0.";
    FirstOperand = "0";
    SecondOperand = "0";
    Reset();
}

void Calculator::ClearEntry()
{
    Readout = "0.";
    DecimalEntered = false;
    LastInputKind = "CE";
}

void Calculator::NumberKey(int digit)
{
    if (digit < 0 || digit > 9)
        return;
    if (LastInputKind != "NUMS") {
        Readout = ".";
        DecimalEntered = false;
    }
    const char d = static_cast<char>('0' + digit);
    if (DecimalEntered)
        Readout += d;
    else
        Readout = Readout.substr(0, Readout.find('.')) + d + '.';
    if (LastInputKind == "NEG")
        Readout.insert(0, 1, '-');
    LastInputKind = "NUMS";
}

void Calculator::DecimalKey()
{
    if (LastInputKind == "NEG")
        Readout = "-0.";
    else if (LastInputKind != "NUMS")
        Readout = "0.";
    DecimalEntered = true;
    LastInputKind = "NUMS";
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
    if (OperandCount < std::numeric_limits<std::int16_t>::max())
        ++OperandCount;
}

Calculator::Message Calculator::OperatorKey(int index)
{
    const std::string k = operatorCaption(index);
    if (k.empty())
        return std::nullopt;
    const Calculator before = *this;

    SavedReadout = Readout;
    if (LastInputKind == "NUMS")
        countOperand();

    if (OperandCount == 0) {
        if (k == "-" && LastInputKind != "NEG") {
            Readout.insert(0, 1, '-');
            LastInputKind = "NEG";
        }
    } else if (OperandCount == 1) {
        FirstOperand = Readout;
        if (k == "-" && LastInputKind != "NUMS" && PendingOperator != "=") {
            // A minus right after an operator starts a negative number.
            Readout = "-";
            LastInputKind = "NEG";
        }
    } else if (OperandCount == 2) {
        SecondOperand = SavedReadout;
        const auto first = parseOperand(FirstOperand);
        const auto second = parseOperand(SecondOperand);
        if (!first || !second) {
            // A lone "-" or a number beyond the double range: refuse the key
            // rather than compute with a value the display does not show.
            *this = before;
            return unusableOperand(first ? SecondOperand : FirstOperand);
        }
        std::optional<double> result;
        Message message;
        if (PendingOperator == "+")
            result = *first + *second;
        else if (PendingOperator == "-")
            result = *first - *second;
        else if (PendingOperator == "X" || PendingOperator == "%")
            result = *first * *second;
        else if (PendingOperator == "/") {
            if (*second == 0)
                message = std::string(kDivideByZero);
            else
                result = *first / *second;
        } else if (PendingOperator == "=")
            result = *second;
        if (result) {
            if (!std::isfinite(*result)) {
                *this = before;
                return std::string(kOverflow);
            }
            FirstOperand = PendingOperator == "=" ? SecondOperand : formatResult(*result);
        }
        Readout = FirstOperand;
        OperandCount = 1;
        if (LastInputKind != "NEG") {
            LastInputKind = "OPS";
            PendingOperator = k;
        }
        return message;
    }

    if (LastInputKind != "NEG") {
        LastInputKind = "OPS";
        PendingOperator = k;
    }
    return std::nullopt;
}

Calculator::Message Calculator::PercentKey()
{
    const auto value = parseOperand(Readout);
    if (!value)
        return unusableOperand(Readout);
    Readout = formatResult(*value / 100);
    LastInputKind = "Ops";
    PendingOperator = "%";
    DecimalEntered = true;
    countOperand();
    return std::nullopt;
}

Calculator::Message Calculator::KeyInput(char ch)
{
    if (ch >= '0' && ch <= '9') {
        NumberKey(ch - '0');
        return std::nullopt;
    }
    switch (ch) {
    case '/':
        return OperatorKey(0);
    case '+':
        return OperatorKey(1);
    case '*':
    case 'x':
    case 'X':
        return OperatorKey(2);
    case '-':
        return OperatorKey(3);
    case '=':
        return OperatorKey(4);
    case '%':
        return PercentKey();
    default:
        return std::nullopt;
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
