// The two ways the player's files are written, each checked at every step so
// that a full disk, a size limit or a file that may not change is reported
// instead of costing the player data.
#pragma once

#include <QByteArray>
#include <QString>

#include "fileresult.h"

// Replaces the file at the path with the bytes, atomically: the bytes go to a
// new file beside it, which takes the old one's place only once every byte is
// written and on the disk. On failure the old file stays byte for byte as it
// was (or stays absent), no temporary file is left, and the result is
// WriteFailed. Every write of a file (settings, scores, a saved grid added or
// deleted) goes through here.
FileResult ReplaceFile(const QString& Path, const QByteArray& Bytes);
