#include "text/hover_help.h"

#include "text/state_extras.h"

namespace vantrel {

namespace {

// The inside of the first <tag>...</tag> of `html`; empty when there is none.
std::string_view firstElement(std::string_view html, std::string_view tag)
{
    const std::string open = "<" + std::string(tag) + ">";
    const std::string close = "</" + std::string(tag) + ">";
    const auto start = html.find(open);
    if (start == std::string_view::npos)
        return {};
    const auto end = html.find(close, start + open.size());
    if (end == std::string_view::npos)
        return {};
    return html.substr(start + open.size(), end - start - open.size());
}

} // namespace

std::string helpSummary(std::string_view html, std::int64_t topic)
{
    const std::string text = helpTopic(html, topic);
    const std::string_view title = firstElement(text, "h2");
    if (title.empty())
        return {};
    std::string summary = "<b>" + std::string(title) + "</b>";
    if (const std::string_view paragraph = firstElement(text, "p"); !paragraph.empty())
        summary += "<br>" + std::string(paragraph);
    return summary;
}

} // namespace vantrel
