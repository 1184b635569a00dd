#ifndef ZELSTANDARDFOLDERS_H
#define ZELSTANDARDFOLDERS_H

#include "platform/zelsystemfolders.h"

// The application-data folder is the desktop's generic data location
// ($XDG_DATA_HOME, usually ~/.local/share).
class ZELStandardFolders : public ZELSystemFolders
{
public:
    QString applicationDataFolder() const override;
};

#endif
