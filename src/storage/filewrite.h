// SPDX-License-Identifier: GPL-3.0-or-later
// How the player's files are written, each step checked, so that a full
// disk, a size limit or a file that may not change is reported instead of
// costing the player data.
#pragma once

#include <functional>

#include <QByteArray>
#include <QString>

#include "fileresult.h"

// Replaces the file at the path with the bytes, atomically and durably: the
// bytes go to a new hidden file beside it (".<name>.tmp-XXXXXX"), synced to
// the disk, which then takes the old one's place by a rename; the folder is
// synced last, so that a save reported done survives a power cut. On failure
// the old file stays byte for byte as it was (or stays absent), no temporary
// file is left, and the result is WriteFailed with the reason ("disque
// plein", "nom trop long"...). A file without any write permission is
// refused ("fichier en lecture seule"). When only the sync of the folder
// fails, the file holds the new bytes: the result is Ok, with a note in its
// message that the disk did not confirm it.
//
// The caller holds the file's lock (TFileLock): the temporary files of a save
// killed half-way, which nobody else can be writing then, are removed first.
// A link out of the file's folder, or anything but a regular file at the
// path, is refused. Every write of a file (settings, scores, a saved grid
// added or deleted) goes through here.
FileResult ReplaceFile(const QString& Path, const QByteArray& Bytes);

// A file that another writer makes (a PDF that Qt prints), saved as the
// player's files are: Make writes it at the temporary path it is given (in
// a folder of its own); when Make succeeds and Complete accepts the bytes,
// they replace the file at Path through ReplaceFile. On failure the older
// file stays as it was and the result says why ("(disque plein)"; "(le
// fichier n'a pas pu être produit)" when Make or Complete fails).
FileResult WriteThroughTemporary(const QString& Path, const std::function<bool(const QString& Temporary)>& Make,
                                 const std::function<bool(const QByteArray& Bytes)>& Complete);

// A PDF file whole: its header at the start, its end mark at the end.
bool IsWholePdf(const QByteArray& Bytes);

// Removes the file at the path (nothing when it is absent), then syncs its
// folder, so that a file removed stays removed after a power cut.
FileResult RemovePlayerFile(const QString& Path);

// Tests only: called with the folder's path each time a folder has been
// synced after a replacement. Returns the previous observer.
using FolderSyncObserver = std::function<void(const QString& Folder)>;
FolderSyncObserver SetFolderSyncObserver(FolderSyncObserver Observer);
