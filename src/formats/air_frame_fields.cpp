#include "formats/air_frame_fields.h"

#include "common/text.h"
#include "formats/air_line_syntax.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <vector>

namespace vantrel {

namespace {

using air_syntax::readNumber;
using air_syntax::splitCommas;
using air_syntax::withoutComment;

std::uint16_t bit(int field)
{
    return static_cast<std::uint16_t>(1U << field);
}

struct Whole {
    std::int32_t value = 0;
    bool saturated = false;
};

std::optional<Whole> readWhole(std::string_view field, bool allowFraction)
{
    const auto value = readNumber(field, allowFraction);
    if (!value)
        return std::nullopt;
    const std::int32_t clamped = air_syntax::clampToInt32(*value);
    return Whole{clamped, clamped != *value};
}

struct Decimal {
    double value = 0;
    bool saturated = false;
};

// "12", "-0.5", "+3.", ".25": a sign, digits and a point, nothing else.
std::optional<Decimal> readDecimal(std::string_view field)
{
    field = trimBlanksAndTabs(field);
    bool negative = false;
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    const std::size_t point = field.find('.');
    const std::string_view whole = field.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : field.substr(point + 1);
    auto digitsOnly = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.size() + fraction.size() == 0 || !digitsOnly(whole) || !digitsOnly(fraction))
        return std::nullopt;
    std::string plain = whole.empty() ? std::string("0") : std::string(whole);
    if (!fraction.empty())
        plain += "." + std::string(fraction);
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    Decimal d;
    if (error == std::errc::result_out_of_range || value > kFrameDecimalLimit) {
        value = kFrameDecimalLimit;
        d.saturated = true;
    } else if (error != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    d.value = negative ? -value : value;
    return d;
}

std::optional<FrameFlip> readFlip(std::string_view field)
{
    const std::string f = toLowerAscii(trimBlanksAndTabs(field));
    if (f.empty())
        return FrameFlip::None;
    if (f == "h")
        return FrameFlip::Horizontal;
    if (f == "v")
        return FrameFlip::Vertical;
    if (f == "hv" || f == "vh")
        return FrameFlip::Both;
    return std::nullopt;
}

struct BlendReading {
    FrameBlend blend;
    bool clamped = false;
};

std::optional<int> readStrength(std::string_view digits, bool& clamped)
{
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const std::int64_t value = *readNumber(digits, false);
    clamped = clamped || value > kBlendStrengthMax;
    return static_cast<int>(std::min<std::int64_t>(value, kBlendStrengthMax));
}

std::optional<BlendReading> readBlend(std::string_view field)
{
    const std::string f = toLowerAscii(trimBlanksAndTabs(field));
    BlendReading r;
    if (f.empty())
        return r;
    if (f == "a")
        r.blend.kind = FrameBlendKind::Add;
    else if (f == "a1")
        r.blend.kind = FrameBlendKind::AddHalf;
    else if (f == "s")
        r.blend.kind = FrameBlendKind::Subtract;
    if (r.blend.kind != FrameBlendKind::None)
        return r;
    const std::size_t d = f.find('d');
    if (f.compare(0, 2, "as") != 0 || d == std::string::npos)
        return std::nullopt;
    const auto source = readStrength(std::string_view(f).substr(2, d - 2), r.clamped);
    const auto dest = readStrength(std::string_view(f).substr(d + 1), r.clamped);
    if (!source || !dest)
        return std::nullopt;
    r.blend = {FrameBlendKind::AddCustom, *source, *dest};
    return r;
}

// Reads one field into `out`, noting in `reading` what did not read or was saturated.
void readField(int index, std::string_view text, AirFrameReading& reading)
{
    AirFrameFields& out = reading.fields;
    bool readable = true;
    bool saturated = false;
    if (index < kRequiredFrameFields) {
        std::int32_t* targets[] = {&out.group, &out.image, &out.x, &out.y, &out.time};
        if (const auto w = readWhole(text, index >= 2)) {
            *targets[index] = w->value;
            saturated = w->saturated;
        } else {
            readable = false;
        }
    } else if (index == static_cast<int>(FrameField::Flip)) {
        const auto flip = readFlip(text);
        readable = flip.has_value();
        out.flip = flip.value_or(FrameFlip::None);
    } else if (index == static_cast<int>(FrameField::Blend)) {
        const auto blend = readBlend(text);
        readable = blend.has_value();
        if (blend) {
            out.blend = blend->blend;
            saturated = blend->clamped;
        }
    } else {
        double* targets[] = {&out.scaleX, &out.scaleY, &out.angle};
        // An empty scale or angle field is the default, as an empty flip is.
        if (trimBlanksAndTabs(text).empty())
            return;
        if (const auto d = readDecimal(text)) {
            *targets[index - static_cast<int>(FrameField::ScaleX)] = d->value;
            saturated = d->saturated;
        } else {
            readable = false;
        }
    }
    if (!readable)
        reading.unreadable |= bit(index);
    if (saturated)
        reading.outOfRange |= bit(index);
}

bool sameBlend(const FrameBlend& a, const FrameBlend& b)
{
    return a.kind == b.kind && (a.kind != FrameBlendKind::AddCustom || (a.source == b.source && a.dest == b.dest));
}

bool sameField(const AirFrameFields& a, const AirFrameFields& b, int index)
{
    switch (static_cast<FrameField>(index)) {
    case FrameField::Group: return a.group == b.group;
    case FrameField::Image: return a.image == b.image;
    case FrameField::X: return a.x == b.x;
    case FrameField::Y: return a.y == b.y;
    case FrameField::Time: return a.time == b.time;
    case FrameField::Flip: return a.flip == b.flip;
    case FrameField::Blend: return sameBlend(a.blend, b.blend);
    case FrameField::ScaleX: return a.scaleX == b.scaleX;
    case FrameField::ScaleY: return a.scaleY == b.scaleY;
    case FrameField::Angle: return a.angle == b.angle;
    }
    return true;
}

bool isDefault(const AirFrameFields& f, int index)
{
    return sameField(f, AirFrameFields{}, index);
}

std::string fieldText(const AirFrameFields& f, int index)
{
    switch (static_cast<FrameField>(index)) {
    case FrameField::Group: return std::to_string(f.group);
    case FrameField::Image: return std::to_string(f.image);
    case FrameField::X: return std::to_string(f.x);
    case FrameField::Y: return std::to_string(f.y);
    case FrameField::Time: return std::to_string(f.time);
    case FrameField::Flip: return flipText(f.flip);
    case FrameField::Blend: return blendText(f.blend);
    case FrameField::ScaleX: return decimalText(f.scaleX);
    case FrameField::ScaleY: return decimalText(f.scaleY);
    case FrameField::Angle: return decimalText(f.angle);
    }
    return {};
}

// How many fields the new values need written: the five, and every optional
// one up to the last that is not its default.
int neededFields(const AirFrameFields& f)
{
    int needed = kRequiredFrameFields;
    for (int i = kRequiredFrameFields; i < kFrameFieldCount; ++i) {
        if (!isDefault(f, i))
            needed = i + 1;
    }
    return needed;
}

// A field's text with its value replaced and the blanks around it kept.
std::string replacedValue(std::string_view raw, const std::string& value)
{
    const std::size_t start = raw.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return std::string(raw) + value;
    const std::size_t end = raw.find_last_not_of(" \t") + 1;
    return std::string(raw.substr(0, start)) + value + std::string(raw.substr(end));
}

std::string_view trailingBlanks(std::string_view raw)
{
    const std::size_t end = raw.find_last_not_of(" \t");
    return end == std::string_view::npos ? raw : raw.substr(end + 1);
}

// The comma and blank a new field is written after, as the usual files pair
// group and image, x and y, and the two scales: "0,0, 0,0, 5, , , 2,2".
std::string_view separatorBefore(int index)
{
    if (index == 0)
        return "";
    const auto field = static_cast<FrameField>(index);
    return field == FrameField::Image || field == FrameField::Y || field == FrameField::ScaleY ? "," : ", ";
}

} // namespace

AirFrameReading readFrameFields(std::string_view line)
{
    AirFrameReading reading;
    const std::string_view content = withoutComment(line);
    const std::vector<std::string_view> fields =
        trimBlanksAndTabs(content).empty() ? std::vector<std::string_view>{} : splitCommas(content);
    reading.writtenCount = static_cast<int>(std::min<std::size_t>(fields.size(), std::numeric_limits<int>::max()));
    const int known = std::min(reading.writtenCount, kFrameFieldCount);
    for (int i = 0; i < known; ++i)
        readField(i, fields[static_cast<std::size_t>(i)], reading);
    for (int i = known; i < kRequiredFrameFields; ++i)
        reading.unreadable |= bit(i);
    return reading;
}

FrameInterpolation interpolationOf(const AirFrame& frame)
{
    return {(frame.interpolation & kInterpolateOffset) != 0, (frame.interpolation & kInterpolateBlend) != 0,
            (frame.interpolation & kInterpolateScale) != 0, (frame.interpolation & kInterpolateAngle) != 0};
}

std::string formatFrameLine(std::string_view line, const AirFrameFields& fields)
{
    const std::string_view content = withoutComment(line);
    const std::string_view comment = line.substr(content.size());
    const AirFrameReading old = readFrameFields(line);
    std::vector<std::string_view> raw;
    if (old.writtenCount > 0)
        raw = splitCommas(content);
    const int written = old.writtenCount;
    const int needed = neededFields(fields);

    // Trailing optional fields that an edit turns back to their defaults go.
    int kept = written;
    if (written > needed && written <= kFrameFieldCount) {
        bool anyChanged = false;
        for (int i = needed; i < written; ++i)
            anyChanged = anyChanged || !sameField(old.fields, fields, i);
        if (anyChanged)
            kept = needed;
    }

    std::string out;
    out.reserve(line.size() + 32);
    for (int i = 0; i < kept; ++i) {
        if (i > 0)
            out += ',';
        const std::string_view field = raw[static_cast<std::size_t>(i)];
        const bool keep = i >= kFrameFieldCount || sameField(old.fields, fields, i);
        std::string text = keep ? std::string(field) : replacedValue(field, fieldText(fields, i));
        // The last field kept carries the blanks that stood before the comment.
        if (i == kept - 1 && (kept < written || needed > written))
            text.resize(text.size() - trailingBlanks(text).size());
        out += text;
    }
    for (int i = written; i < needed; ++i) {
        out += separatorBefore(i);
        out += fieldText(fields, i);
    }
    if (kept < written || needed > written)
        out += trailingBlanks(raw.empty() ? content : raw.back());
    out += comment;
    return out;
}

std::string flipText(FrameFlip flip)
{
    switch (flip) {
    case FrameFlip::None: return "";
    case FrameFlip::Horizontal: return "H";
    case FrameFlip::Vertical: return "V";
    case FrameFlip::Both: return "HV";
    }
    return "";
}

std::string blendText(const FrameBlend& blend)
{
    switch (blend.kind) {
    case FrameBlendKind::None: return "";
    case FrameBlendKind::Add: return "A";
    case FrameBlendKind::AddHalf: return "A1";
    case FrameBlendKind::Subtract: return "S";
    case FrameBlendKind::AddCustom:
        return "AS" + std::to_string(std::clamp(blend.source, 0, kBlendStrengthMax)) + "D"
            + std::to_string(std::clamp(blend.dest, 0, kBlendStrengthMax));
    }
    return "";
}

std::string decimalText(double value)
{
    if (!(value >= -kFrameDecimalLimit && value <= kFrameDecimalLimit)) // NaN too
        value = value < 0 ? -kFrameDecimalLimit : kFrameDecimalLimit;
    if (value == 0)
        value = 0; // no "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace vantrel
