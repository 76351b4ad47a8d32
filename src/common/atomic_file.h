#pragma once
// The one way Vantrel writes a file: into a temporary file in the same folder,
// flushed to disk, then renamed over the target. A failed or interrupted write
// leaves the old file exactly as it was.
//
// The temporary file is named ".vantrel-<pid>-XXXXXX" after the process that
// writes it. A writer killed before its rename leaves it behind; the next
// save into that folder removes such leftovers once no process of that pid
// runs (or none has written to them for a day).

#include "common/result.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

struct iovec;

namespace vantrel {

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

// A failure says, as a sentence for the user, which file and the system's reason.
Result<void> writeFileAtomic(const std::string& path, std::string_view bytes,
                             Durability durability = Durability::Durable);

// The same write for a file handed over in pieces, so that a big file never
// has to lie whole in memory: the pieces go into the temporary file as they
// come, and commit() puts it in place. A writer dropped without commit(), or
// whose writes failed, removes its temporary file and leaves the old file as
// it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path, Durability durability = Durability::Durable);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Appends bytes. Small pieces are gathered and written together, big
    // ones straight from where they lie. False once anything has failed;
    // later writes then do nothing and commit() reports the first failure.
    bool write(std::string_view bytes);
    // Appends the pieces one after another, handed to the system together
    // (a few hundred at a time) rather than gathered first.
    bool write(std::span<const std::string_view> pieces);

    // Writes what is gathered, syncs (when durable), and renames the file
    // over the target. Call it once.
    Result<void> commit();

private:
    bool flushPending();
    bool writeOut(const char* data, std::size_t size);
    bool writeOut(struct iovec* pieces, std::size_t count);
    void discard();

    std::string path_;
    std::string folder_;
    std::string temp_;
    bool durable_ = true;
    int fd_ = -1;
    int error_ = 0; // the first failure's errno
    bool done_ = false;
    std::string pending_;
};

// Removes the temporary files that writers killed before their rename left
// in `directory` (see above). Returns how many it removed.
int removeStaleTemporaryFiles(const std::string& directory);

} // namespace vantrel
