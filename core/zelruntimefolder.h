#ifndef ZELRUNTIMEFOLDER_H
#define ZELRUNTIMEFOLDER_H

#include <QString>

// The files the client reads by relative name (the smiley pictures, which
// also travel in message HTML as "Smileys/<name>.png") sit in one folder: the
// executable's own folder in a build, "<prefix>/share/zembrio" once installed.
// The client makes that folder its working folder at start-up, so it finds
// them wherever it is started from.
namespace ZELRuntimeFolder {

// The sub-folder of the installed data folder, relative to the executable's.
inline constexpr char InstalledData[] = "../share/zembrio";

// The first folder holding "Smileys": beside the executable, then the
// installed data folder; empty when neither holds it.
QString locate(const QString &executableFolder);

// Makes the located folder the working folder; false when none was found.
bool enter(const QString &executableFolder);

} // namespace ZELRuntimeFolder

#endif
