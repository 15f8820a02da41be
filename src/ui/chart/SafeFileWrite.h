#pragma once
// Writing a file the user may already have: the new content goes to a file
// beside it and replaces the old one by a rename only once it is complete,
// so a failed write (a full disk, a folder that refuses files) leaves the old
// file as it was. A file the user marked read-only (no write permission for
// anyone) is left alone as well, also for a user the system would let
// overwrite it.

#include <QString>

#include <functional>

class QIODevice;

// Runs `write` on the new content's device and puts the file in place.
// False, with a reason in `error`, when the file was not written; the old
// file is then unchanged. `write` returns false to abandon the file.
bool WriteFileSafely(
    const QString& path, const std::function<bool(QIODevice&)>& write, QString& error);
