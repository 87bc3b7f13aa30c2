#include "persistence/AtomicWrite.h"

namespace pw {

std::string TemporaryPathFor(const std::string& path) {
    return path + ".~pw";
}

IoResult WriteFileAtomically(Desktop& desktop, const std::string& path, std::string_view bytes) {
    const std::string temporary = TemporaryPathFor(path);
    IoResult written = desktop.WriteFileDurably(temporary, bytes);
    if (written.ok)
        written = desktop.MoveReplacing(temporary, path);
    if (!written.ok)
        desktop.RemoveFile(temporary); // may not exist; nothing else to do then
    return written;
}

} // namespace pw
