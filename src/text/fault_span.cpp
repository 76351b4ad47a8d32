#include "text/fault_span.h"

#include <QRegularExpression>

namespace vantrel {

namespace {

// [first, last) of `text` between `from` and `to` without blanks around it.
std::pair<int, int> trimmedSpan(const QString& text, int from, int to)
{
    while (from < to && text[from].isSpace())
        ++from;
    while (to > from && text[to - 1].isSpace())
        --to;
    return {from, to};
}

} // namespace

std::pair<int, int> faultSpan(const QString& line, QString message)
{
    static const QRegularExpression severity(QStringLiteral("^(error|warning|note): "));
    message.remove(severity);
    const int comment = static_cast<int>(line.indexOf(QLatin1Char(';')));
    const int end = comment < 0 ? static_cast<int>(line.size()) : comment;
    const std::pair<int, int> whole = trimmedSpan(line, 0, static_cast<int>(line.size()));

    // A text the message quotes, where the line has it.
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
    for (auto match = quoted.globalMatch(message); match.hasNext();) {
        const QString text = match.next().captured(1);
        const int at = static_cast<int>(line.left(end).indexOf(text, 0, Qt::CaseInsensitive));
        if (at >= 0)
            return {at, at + static_cast<int>(text.size())};
    }
    const int equals = static_cast<int>(line.left(end).indexOf(QLatin1Char('=')));
    if (equals < 0)
        return whole;
    const std::pair<int, int> key = trimmedSpan(line, 0, equals);
    const std::pair<int, int> value = trimmedSpan(line, equals + 1, end);
    // "x is not a parameter of ...", "crtl: did you mean ctrl?", "anim of Explod is empty".
    const QString keyText = line.mid(key.first, key.second - key.first);
    if (!keyText.isEmpty() && message.startsWith(keyText, Qt::CaseInsensitive)
        && (message.size() == keyText.size() || !message[keyText.size()].isLetterOrNumber()))
        return key;
    // Anything else is about what the parameter is set to.
    return value.first < value.second ? value : key;
}

} // namespace vantrel
