#ifndef ZELFILENAMES_H
#define ZELFILENAMES_H

#include <QString>

// File names that arrive from the server or from a peer (voice mails, offline
// files, chat files, received pictures) name a file inside a folder the user
// chose; they must never reach outside it. Every road that writes such a file
// goes through here first.
//
// Returns the bare name: whatever follows the last "/" or "\". Returns the
// empty text, meaning "refused", for a name that is empty, "." or "..", or
// holds a NUL character. The name sent back on the wire stays the one
// received; only the path written uses this.
QString zelSafeFileName(const QString &name);

// folder + "/" + the bare name, or the empty text when the name is refused.
QString zelSafeFilePath(const QString &folder, const QString &name);

// A path beside `path` that names no existing file: `path` itself when free,
// else "name (2).ext", "name (3).ext", ...; the empty text when none is free.
// A received file with the name of an earlier one is kept beside it, never over it.
QString zelFreeFilePath(const QString &path);

#endif
