#include "calc/calculator.h"

#include <gtest/gtest.h>

#include <sstream>

using vantrel::Calculator;

namespace {

// Presses the buttons named in `keys`, separated by blanks: digits (a run of
// digits is one press each), "." the point button, "/" "+" "X" "-" "=" the
// operators, "%" percent, "C" clear and "CE" clear entry. Collects messages.
std::vector<std::string> press(Calculator& calc, const std::string& keys)
{
    std::vector<std::string> messages;
    auto note = [&](const Calculator::Message& m) {
        if (m)
            messages.push_back(*m);
    };
    std::istringstream in(keys);
    std::string key;
    while (in >> key) {
        if (key == "C")
            calc.clearAll();
        else if (key == "CE")
            calc.clearEntry();
        else if (key == ".")
            calc.decimalKey();
        else if (key == "%")
            note(calc.percentKey());
        else if (key == "/" || key == "+" || key == "X" || key == "-" || key == "=")
            note(calc.operatorKey(static_cast<int>(std::string("/+X-=").find(key))));
        else
            for (char d : key)
                calc.numberKey(d - '0');
    }
    return messages;
}

struct KeyCase {
    const char* keys;
    const char* readout;
    const char* message; // nullptr: none
};

} // namespace

TEST(Calculator, ButtonSequencesShowTheirResults)
{
    const std::string big(200, '9'); // about 1E+200
    const std::string overflow = big + " X " + big + " =";
    const std::string bigShown = big + ".";
    const KeyCase cases[] = {
        {"", "0.", nullptr},
        {"53", "53.", nullptr},
        {"53 . 2", "53.2", nullptr},
        {"8 / 0 =", "8.", Calculator::kDivideByZero},
        {"8 / 0 = 2 =", "2.", Calculator::kDivideByZero},
        {"7 + 2 X 3 =", "27", nullptr},
        {"-", "-0.", nullptr},
        {"- 4", "-4.", nullptr},
        {"- 4 + 6 =", "2", nullptr},
        {"- -", "-0.", nullptr},
        {"5 + - 3 =", "2", nullptr},
        {"200 + 5 %", "0.05", nullptr},
        {"200 + 5 % =", "10", nullptr},
        {"50 %", "0.5", nullptr},
        {"5 + .", "0.", nullptr},
        {"5 + . 5 =", "5.5", nullptr},
        {"5 X - . 5 =", "-2.5", nullptr},
        {"5 + 9 CE", "0.", nullptr},
        {"5 + 9 CE 1 =", "6", nullptr},
        {"5 + 3 C 2 =", "2.", nullptr},
        {"10 / 3 =", "3.33333333333333", nullptr},
        {"1 / 2 =", "0.5", nullptr},
        {"3 - 3 =", "0", nullptr},
        {"0 - 3 X 0 =", "0", nullptr}, // never "-0"
        {"100000 X 100000 X 100000 X 100000 =", "1E+20", nullptr},
        {"100000 X 100000 X 100000 X 100000 / 1 =", "1E+20", nullptr},
        // A lone "-" cannot be computed: the key is refused and nothing changes.
        {"5 + - %", "-", Calculator::kNotANumber},
        // Other operators after a lone "-" leave it the sign of the next
        // number and the first operand as it was.
        {"5 + - = 3 =", "2", nullptr},
        {"5 + - - 3 =", "2", nullptr},
        {"5 X - / + 2 =", "-10", nullptr},
        {"5 + - = 3 = 4 + 1 =", "5", nullptr},
        {overflow.c_str(), bigShown.c_str(), Calculator::kOverflow},
    };
    for (const auto& c : cases) {
        Calculator calc;
        const auto messages = press(calc, c.keys);
        EXPECT_EQ(calc.readout, c.readout) << c.keys;
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u) << c.keys;
            EXPECT_EQ(messages[0], c.message) << c.keys;
        } else {
            EXPECT_TRUE(messages.empty()) << c.keys << ": " << (messages.empty() ? "" : messages[0]);
        }
    }
}

TEST(Calculator, ARefusedKeyLeavesEveryFieldAsItWas)
{
    Calculator calc;
    press(calc, "5 + -");
    const Calculator before = calc;
    EXPECT_TRUE(calc.percentKey().has_value());
    EXPECT_EQ(calc.readout, before.readout);
    EXPECT_EQ(calc.firstOperand, before.firstOperand);
    EXPECT_EQ(calc.secondOperand, before.secondOperand);
    EXPECT_EQ(calc.operandCount, before.operandCount);
    EXPECT_EQ(calc.lastInputKind, before.lastInputKind);
    EXPECT_EQ(calc.pendingOperator, before.pendingOperator);
    EXPECT_EQ(calc.savedReadout, before.savedReadout);
    // The calculation goes on where it was.
    EXPECT_TRUE(press(calc, "= 3 =").empty());
    EXPECT_EQ(calc.readout, "2");
}

TEST(Calculator, TypedKeys)
{
    const struct {
        const char* typed;
        const char* readout;
    } cases[] = {
        {"53.2", "532."}, // the point does nothing when typed
        {"7+2*3=", "27"}, {"9x2=", "18"},    {"9X2=", "18"},          {"8/4=", "2"},
        {"9-12=", "-3"},  {"200+5%=", "10"}, {"12\r\n ,;abc", "12."}, // Enter and other keys do nothing
    };
    for (const auto& c : cases) {
        Calculator calc;
        for (const char* p = c.typed; *p; ++p)
            EXPECT_FALSE(calc.typeKey(*p).has_value()) << c.typed;
        EXPECT_EQ(calc.readout, c.readout) << c.typed;
    }
}

TEST(Calculator, OperandTextsAndResults)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } parsed[] = {
        {"53.", 53.0},   {"-4.", -4.0},       {"0.", 0.0},   {"0.05", 0.05},           {"1E+20", 1e20},
        {"1E-400", 0.0}, {"-", std::nullopt}, {"-0.", -0.0}, {"1E+400", std::nullopt},
    };
    for (const auto& p : parsed)
        EXPECT_EQ(Calculator::parseOperand(p.text), p.value) << p.text;

    const struct {
        double value;
        const char* text;
    } shown[] = {
        {2, "2"},        {0.5, "0.5"},   {10.0 / 3, "3.33333333333333"},         {-0.0, "0"},
        {1e20, "1E+20"}, {-2.5, "-2.5"}, {123456789012345.0, "123456789012345"},
    };
    for (const auto& s : shown)
        EXPECT_EQ(Calculator::formatResult(s.value), s.text) << s.value;
}
