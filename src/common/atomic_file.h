#pragma once
// The one way Vantrel writes a file: into a temporary file in the same folder,
// flushed to disk, then renamed over the target. A failed or interrupted write
// leaves the old file exactly as it was.
//
// The temporary file is named ".vantrel-<pid>-XXXXXX" after the process that
// writes it. A writer killed before its rename leaves it behind; the next
// save into that folder removes such leftovers once no process of that pid
// runs (or none has written to them for a day).

#include <string>
#include <string_view>

namespace vantrel {

struct WriteResult {
    bool ok = false;
    std::string error; // a sentence for the user when !ok
    explicit operator bool() const { return ok; }
};

enum class Durability {
    // The file and the folder entry that names it are on disk before the
    // call returns: a power cut right after a save keeps the new file.
    Durable,
    // Still replaced whole or not at all, but left to the system to write
    // out when it likes: for scratch files that are rebuilt anyway (the
    // sprite workspace), where syncing thousands of them costs seconds. Such
    // writes look for leftovers once per folder and process, not every time.
    Scratch,
};

WriteResult writeFileAtomic(const std::string& path, std::string_view bytes,
                            Durability durability = Durability::Durable);

// Removes the temporary files that writers killed before their rename left
// in `directory` (see above). Returns how many it removed.
int removeStaleTemporaryFiles(const std::string& directory);

} // namespace vantrel
