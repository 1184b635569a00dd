#ifndef ZELSYSTEMFOLDERS_H
#define ZELSYSTEMFOLDERS_H

#include <QString>

// Where the client keeps its per-user files.
class ZELSystemFolders
{
public:
    virtual ~ZELSystemFolders() = default;

    // The user's application-data folder with "/" separators, not created here;
    // the client's own data folder is this + "/ZEL".
    virtual QString applicationDataFolder() const = 0;
};

#endif
