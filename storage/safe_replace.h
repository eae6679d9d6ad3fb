#pragma once

#include <QByteArray>
#include <QString>

namespace zarvel {

// Replaces the file at `path` with `bytes` whole, or leaves what stands
// there exactly as it was:
// - a symbolic link is followed to a regular file or to nothing (a
//   dangling link creates its target); a device, FIFO, socket or folder at
//   the end is never replaced;
// - the new bytes reach the disk before they replace the old ones;
// - the new file keeps the old one's owner and group where the system
//   allows, its mode, ACL and extended attributes; a new file is readable
//   by its owner only. Access is never wider after the replacement.
// Creates the folder when it is missing. Returns an empty string on
// success, else what went wrong, in Russian, from the system's error.
QString ReplaceFile(const QString &path, const QByteArray &bytes);

} // namespace zarvel
