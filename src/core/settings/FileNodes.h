#pragma once

#include <QIODevice>
#include <QString>

class QFile;
class QSaveFile;

namespace wsc {

// Only regular files are read or written as files. A path chosen for a recipe file, a
// database, a report or the settings can name a FIFO that blocks whoever opens it, a device
// that a rename would replace, or a socket: each is refused before it is opened or renamed
// over, with a message naming what it is.

// What `path` names when it is no regular file ("a FIFO (named pipe)", "a character device",
// "a block device", "a socket", "a folder"); empty for a regular file (links are followed) and
// for a path that names nothing yet.
QString NonFileKind(const QString& path);

// Why a path is refused: "it is a FIFO (named pipe), not a file"; empty when it is not refused.
QString NotAFileReason(const QString& path);

// Opens `file` (its name set) for reading when it names a regular file, without waiting on a
// FIFO or touching a device on the way; false, with the reason in `error`, otherwise. A
// resource of the program (":/...") is opened as it is.
bool OpenRegularFile(QFile& file, QString& error, QIODevice::OpenMode mode = QIODevice::ReadOnly);

// Gives a file written under a temporary name its own name, unless that name has come to
// belong to something that is no file meanwhile (the rename would replace it): then nothing is
// renamed and `error` says why.
bool CommitRegularFile(QSaveFile& file, QString& error);

} // namespace wsc
