// A text file's bytes as a text window reads them: the encoding chosen, the
// lines decoded in each encoding, and the bytes written back.

#include "fuzz_support.h"

#include "common/encoding.h"
#include "text/text_file.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const Charset chosen = detectCharset(bytes);
    const ShownText shown = decodeText(bytes);
    fuzz::require(shown.encoding.charset == chosen, "the text is decoded in the encoding chosen");
    // Lines the user did not touch go back as they came.
    const std::string written = shownBytes(shown.lines, shown.encoding);
    const ShownText again = decodeText(written, chosen);
    fuzz::require(again.lines.size() == shown.lines.size(), "the bytes written read back as as many lines");
    for (const Charset charset : kCharsets) {
        const JoinedText joined = decodeJoined(bytes, charset);
        fuzz::require(joined.ends.size() + 1 == joined.lineBytes.size(), "every line but the last has its end");
        if (const auto strict = decodeStrict(bytes, charset))
            fuzz::require(strict->size() <= bytes.size(), "a decoded text is no longer than its bytes");
    }
    return 0;
}
