#ifndef ZELPRIVILEGERECORD_H
#define ZELPRIVILEGERECORD_H

#include <QString>
#include <QStringList>

#include "protocol/zelrecords.h"

// One conference participant as the privilege rules see him; each chat window
// keeps these by user name. Group and department pick the rule that decides
// whether files and pictures may be sent.
struct PrivilegeRecord
{
    QString userName;
    QString groupName;
    QString department;

    QString key() const { return groupName + QLatin1String("###") + department; }
};

// One rule of the server's PRIVILEGEINFO message: "group###department###file###picture",
// file and picture "1" (allowed) or "0". A missing field reads as empty.
struct PrivilegeRule
{
    enum Field { GroupName, Department, FileRight, PictureRight };

    QString key;
    QString fileRight;
    QString pictureRight;

    static PrivilegeRule parse(const QString &rule)
    {
        const QStringList fields = rule.split(QLatin1String("###"));
        return {fields.value(GroupName) + QLatin1String("###") + fields.value(Department), fields.value(FileRight),
                fields.value(PictureRight)};
    }

    // The rules of a whole PRIVILEGEINFO message (element 0 is the message type).
    static QList<PrivilegeRule> parseAll(const QStringList &message)
    {
        QList<PrivilegeRule> rules;
        for (qsizetype i = 1; i < message.size(); ++i)
            rules.append(parse(message.at(i)));
        return rules;
    }
};

// The rule key of a contact: the group (second profile value) and the department.
inline QString privilegeKey(const UserRecord &record)
{
    return record.profileDetails.split(QStringLiteral("&&")).value(1) + QLatin1String("###") + record.department;
}

#endif
