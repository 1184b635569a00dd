#include "platform/zelfakeinstancecheck.h"

bool ZELFakeInstanceCheck::otherInstanceRunning()
{
    ++checks;
    return otherRunning;
}

void ZELFakeInstanceCheck::release()
{
    released = true;
}
