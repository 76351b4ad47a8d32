#include "text_box.h"

#include <algorithm>

namespace vantrel {

std::u16string TextBox::selText() const
{
    const std::u16string all = text();
    const auto start = static_cast<std::size_t>(std::clamp<long>(selStart(), 0, static_cast<long>(all.size())));
    return all.substr(start, static_cast<std::size_t>(std::max<long>(selLength(), 0)));
}

StringTextBox::StringTextBox(std::u16string text, long start, long length) : text_(std::move(text))
{
    setSelection(start, length);
}

void StringTextBox::setSelection(long start, long length)
{
    const long size = static_cast<long>(text_.size());
    start_ = std::clamp<long>(start, 0, size);
    length_ = std::clamp<long>(length, 0, size - start_);
}

void StringTextBox::replaceSelection(std::u16string_view replacement)
{
    text_.replace(static_cast<std::size_t>(start_), static_cast<std::size_t>(length_), replacement);
    start_ += static_cast<long>(replacement.size());
    length_ = 0;
}

} // namespace vantrel
