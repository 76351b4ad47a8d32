#pragma once
// The calculator's state machine: a text display and two operands, computed
// left to right without precedence (7 + 2 X 3 = 27). No windows here; CalculatorWindow
// forwards its buttons and keys and shows the display and the messages.

#include "common/translatable.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel {

class Calculator {
public:
    // A key that cannot be computed returns the text of a message for the
    // user (shown with the title "Calculator"); the key then changed nothing,
    // except division by zero, which leaves the first operand standing.
    using Message = std::optional<std::string>;

    static constexpr const char* kDivideByZero = QT_TRANSLATE_NOOP("Messages", "Can't divide by zero");
    static constexpr const char* kNotANumber = "The display does not hold a number to calculate with";
    static constexpr const char* kOverflow = "The result is too large for the calculator";

    // The operator buttons in order: 0 "/", 1 "+", 2 "X", 3 "-", 4 "=".
    static const char* operatorCaption(int index);

    Calculator() { reset(); }

    // Back to waiting for a first number; the operands keep their texts.
    void reset();
    void clearAll();
    void clearEntry();
    void numberKey(int digit);
    void decimalKey();
    Message operatorKey(int index);
    Message percentKey();
    // A typed character: digits, / + * x X - = %. Anything else (the decimal
    // point and Enter included) does nothing.
    Message typeKey(char ch);

    // A computed number as the display shows it: general form with up to 15
    // significant digits ("2", "0.5", "3.33333333333333", "1E+20").
    static std::string formatResult(double value);
    // The number a display text stands for ("53." is 53); nothing when the
    // text is not a finite number ("-" alone, or too large).
    static std::optional<double> parseOperand(const std::string& text);

    std::string readout;
    std::string firstOperand = "0";
    std::string secondOperand = "0";
    bool decimalEntered = false;
    std::int16_t operandCount = 0;
    std::string lastInputKind; // "NONE", "NUMS", "OPS", "NEG", "CE" or "Ops" (percent)
    std::string pendingOperator;
    std::string savedReadout;

private:
    void countOperand();
};

} // namespace vantrel
