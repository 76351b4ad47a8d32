// The calculator's keys: every byte is a key, typed (below 128) or one of
// the window's buttons (from 128 on).

#include "fuzz_support.h"

#include "calc/calculator.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Calculator calc;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t key = data[i];
        const Calculator before = calc;
        Calculator::Message message;
        if (key < 128) {
            message = calc.typeKey(static_cast<char>(key));
        } else {
            const int button = (key - 128) % 19;
            if (button < 10)
                calc.numberKey(button);
            else if (button == 10)
                calc.decimalKey();
            else if (button < 16)
                message = calc.operatorKey(button - 11);
            else if (button == 16)
                message = calc.percentKey();
            else if (button == 17)
                calc.clearAll();
            else
                calc.clearEntry();
        }
        fuzz::require(!calc.readout.empty(), "the display always shows something");
        // A refused key changes nothing, except that division by zero may
        // leave the first operand standing as its result.
        if (message && *message != Calculator::kDivideByZero)
            fuzz::require(calc.readout == before.readout && calc.firstOperand == before.firstOperand
                              && calc.operandCount == before.operandCount,
                          "a refused key changes nothing");
        (void)Calculator::parseOperand(calc.readout);
    }
    return 0;
}
