// vantrel-export: writes one action of a character as an animated GIF, an
// APNG or a sprite sheet, as the Animation window's Export does.
//
//   vantrel-export gif|apng|sheet CHARACTER.def ACTION OUT [--boxes] [--scale N]
//
// Exit status: 0 when written, 1 when the action, a sprite or a file is
// missing or cannot be written (with one error line), 2 on bad arguments.

#include "anim/action_export.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: vantrel-export gif|apng|sheet CHARACTER.def ACTION OUT [--boxes] [--scale N]\n";

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int usage(const std::string& complaint)
{
    if (!complaint.empty())
        std::fprintf(stderr, "vantrel-export: %s\n", complaint.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> words;
    vantrel::ExportOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--boxes") {
            options.boxes = true;
        } else if (arg == "--scale") {
            const std::optional<int> scale = i + 1 < argc ? wholeNumber(argv[++i]) : std::nullopt;
            if (!scale || *scale < 1 || *scale > 16)
                return usage("--scale takes a whole number from 1 to 16");
            options.scale = *scale;
        } else if (arg.size() > 1 && arg[0] == '-' && !wholeNumber(arg)) {
            return usage("unknown option " + std::string(arg));
        } else {
            words.push_back(arg);
        }
    }
    if (words.size() != 4)
        return usage("");
    const std::string_view kind = words[0];
    if (kind != "gif" && kind != "apng" && kind != "sheet")
        return usage("the kind is gif, apng or sheet");
    const std::optional<int> action = wholeNumber(words[2]);
    if (!action)
        return usage("the action is a whole number");

    if (kind == "apng" && !vantrel::apngSupported()) {
        std::fprintf(stderr, "vantrel-export: %s\n", vantrel::writeApng({}, std::string(words[3])).error().c_str());
        return 1;
    }
    const vantrel::Result<vantrel::ExportedAction> rendered =
        vantrel::renderAction(std::string(words[1]), *action, options);
    if (!rendered) {
        std::fprintf(stderr, "vantrel-export: %s\n", rendered.error().c_str());
        return 1;
    }
    const std::string out(words[3]);
    const vantrel::Result<void> written = kind == "gif" ? vantrel::writeGif(*rendered, out)
        : kind == "apng"                                ? vantrel::writeApng(*rendered, out)
                                                        : vantrel::writeSheet(*rendered, out);
    if (!written) {
        std::fprintf(stderr, "vantrel-export: %s\n", written.error().c_str());
        return 1;
    }
    return 0;
}
