#ifndef ZELQTSYSTEMTRAY_H
#define ZELQTSYSTEMTRAY_H

#include "platform/zelsystemtray.h"

class ZELQtSystemTray : public ZELSystemTray
{
public:
    bool available() override;
};

#endif
