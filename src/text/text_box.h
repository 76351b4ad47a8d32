#pragma once
// What find, replace and the state file extras need of a text box: its text,
// a selection and replacing the selection. Offsets count characters of the
// text as shown, from 0; a line break counts as the two characters CR LF,
// the way the editors' rules were laid down.

#include <string>
#include <string_view>

namespace vantrel {

class TextBox {
public:
    virtual ~TextBox() = default;

    virtual std::u16string text() const = 0; // line breaks as CR LF
    virtual long selStart() const = 0;
    virtual long selLength() const = 0;
    virtual std::u16string selText() const;
    // Offsets outside the text are brought inside it.
    virtual void setSelection(long start, long length) = 0;
    // The caret ends after the inserted text, nothing selected.
    virtual void replaceSelection(std::u16string_view replacement) = 0;
};

// A text box in memory, for the models and their tests.
class StringTextBox final : public TextBox {
public:
    explicit StringTextBox(std::u16string text = {}, long start = 0, long length = 0);

    std::u16string text() const override { return text_; }
    long selStart() const override { return start_; }
    long selLength() const override { return length_; }
    void setSelection(long start, long length) override;
    void replaceSelection(std::u16string_view replacement) override;

private:
    std::u16string text_;
    long start_ = 0;
    long length_ = 0;
};

} // namespace vantrel
