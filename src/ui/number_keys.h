#pragma once
// Number boxes that take only digits from the keyboard.

class QLineEdit;

namespace vantrel {

// Drops every typed character but the digits 0 to 9; editing keys (Backspace,
// Delete, arrows, shortcuts) work as usual. The filter belongs to the box.
void acceptDigitsOnly(QLineEdit* box);
// The same, also taking the minus sign (boxes of numbers that may be negative).
void acceptSignedDigitsOnly(QLineEdit* box);

} // namespace vantrel
