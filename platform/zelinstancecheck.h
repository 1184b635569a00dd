#ifndef ZELINSTANCECHECK_H
#define ZELINSTANCECHECK_H

// Whether another copy of the client already runs for this user.
class ZELInstanceCheck
{
public:
    virtual ~ZELInstanceCheck() = default;

    // True when another instance holds the claim. Otherwise this process takes
    // the claim and keeps it until release() or its end, so a later start sees it.
    virtual bool otherInstanceRunning() = 0;
    virtual void release() = 0;
};

#endif
