#ifndef ZELPRIVILEGERECORD_H
#define ZELPRIVILEGERECORD_H

#include <QString>

// One conference participant as the privilege rules see him; each chat window
// keeps these by user name. Group and department pick the rule that decides
// whether files and pictures may be sent.
struct PrivilegeRecord
{
    QString userName;
    QString group;
    QString department;
};

#endif
