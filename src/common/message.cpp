#include "common/message.h"

namespace vantrel {

Message::Message(const char* pattern, std::vector<Message> values)
        : text_(pattern ? pattern : ""), values_(std::move(values)), verbatim_(false)
{ }

Message::Message(std::string verbatim) : text_(std::move(verbatim)) { }

std::string Message::english() const
{
    if (verbatim_)
        return text_;
    std::vector<std::string> filled;
    filled.reserve(values_.size());
    for (const Message& value : values_)
        filled.push_back(value.english());
    return fillPlaces(text_, filled);
}

std::string fillPlaces(const std::string& pattern, const std::vector<std::string>& values)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t place = next >= '1' && next <= '9' ? std::size_t(next - '1') : values.size();
        if (pattern[i] == '%' && place < values.size()) {
            out += values[place];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace vantrel
