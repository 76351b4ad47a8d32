#pragma once
// Conversions between the core's strings (bytes and UTF-16) and Qt's, for
// the layers built on Qt (header only: the core itself never includes it).

#include <QString>

#include <string>
#include <string_view>

namespace vantrel {

inline QString qstr(const std::string& s)
{
    return QString::fromStdString(s);
}
inline std::string sstr(const QString& s)
{
    return s.toStdString();
}

inline QString fromUtf16(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// A view of a QString's UTF-16 units, valid while the string lives unchanged.
inline std::u16string_view utf16View(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline std::u16string toUtf16(const QString& text)
{
    return std::u16string(utf16View(text));
}

} // namespace vantrel
