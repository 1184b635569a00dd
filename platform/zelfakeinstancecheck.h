#ifndef ZELFAKEINSTANCECHECK_H
#define ZELFAKEINSTANCECHECK_H

#include "platform/zelinstancecheck.h"

// For tests: another instance runs when told so.
class ZELFakeInstanceCheck : public ZELInstanceCheck
{
public:
    bool otherInstanceRunning() override;
    void release() override;

    bool otherRunning = false;
    int checks = 0;
    bool released = false;
};

#endif
