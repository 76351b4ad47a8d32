#include "index_file.h"

#include "common/text.h"

namespace sfflib {

IndexFile parseIndex(std::string_view text)
{
    const std::vector<std::string> lines = vantrel::splitLines(text);
    IndexFile index;
    if (lines.empty())
        return index;
    index.header = lines[0];
    for (std::size_t i = 1; i < lines.size(); i += 5) {
        IndexRecord r;
        std::string* fields[] = {&r.pcxFile, &r.group, &r.imageNo, &r.axisX, &r.axisY};
        for (std::size_t k = 0; k < 5 && i + k < lines.size(); ++k)
            *fields[k] = lines[i + k];
        index.records.push_back(std::move(r));
    }
    return index;
}

std::string formatIndex(const IndexFile& index)
{
    std::string out = index.header + "\r\n";
    for (const auto& r : index.records) {
        for (const std::string* field : {&r.pcxFile, &r.group, &r.imageNo, &r.axisX, &r.axisY}) {
            out += *field;
            out += "\r\n";
        }
    }
    return out;
}

} // namespace sfflib
