#pragma once
// A message of the layers below Qt that the windows show in the user's
// language: an English pattern marked with QT_TRANSLATE_NOOP("Messages", …)
// (common/translatable.h), holding %1 to %9 for its values. A value is a
// message itself, or a name, number or quoted text shown as it stands.

#include "common/translatable.h"

#include <string>
#include <vector>

namespace vantrel {

class Message {
public:
    Message() = default;
    // A marked pattern and its values.
    Message(const char* pattern, std::vector<Message> values = {});
    // A text shown as it stands in every language.
    Message(std::string verbatim);

    bool isVerbatim() const { return verbatim_; }
    // The pattern, or the verbatim text.
    const std::string& pattern() const { return text_; }
    const std::vector<Message>& values() const { return values_; }
    // The message in English: the pattern with its values in place.
    std::string english() const;

    bool operator==(const Message& other) const = default;

private:
    std::string text_;
    std::vector<Message> values_;
    bool verbatim_ = true;
};

// `pattern` with each %1 to %9 replaced by that value (counted from 1); a %
// followed by anything else, or by a number without a value, stays as it is.
// The values are put in once: a % in a value is never read as a place.
std::string fillPlaces(const std::string& pattern, const std::vector<std::string>& values);

} // namespace vantrel
