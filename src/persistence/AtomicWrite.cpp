#include "persistence/AtomicWrite.h"

namespace pw {

std::string TemporaryPathFor(const std::string& path) {
    return path + ".~pw";
}

IoResult WriteFileAtomically(Desktop& desktop, const std::string& path, std::string_view bytes) {
    // Beside the file a link names, not beside the link: the rename must not
    // cross volumes, and must not replace the link itself.
    const std::string target = desktop.FinalPath(path);
    if (IoResult writable = desktop.CheckWritable(target); !writable.ok)
        return writable;
    const std::string temporary = TemporaryPathFor(target);
    IoResult written = desktop.WriteFileDurably(temporary, bytes);
    if (written.ok)
        written = desktop.MoveReplacing(temporary, target);
    if (!written.ok)
        desktop.RemoveFile(temporary); // may not exist; nothing else to do then
    return written;
}

} // namespace pw
