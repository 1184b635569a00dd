#ifndef ZELRECORDS_H
#define ZELRECORDS_H

#include <QString>

// One contact of the signed-in user, kept in ZELClient::m_users by user name.
struct UserRecord
{
    QString jobTitle;
    QString displayName;
    QString department;
    QString status;
    QString statusMessage;
    QString profileDetails; // every profile value joined by "&&"
    QString userName;
    QString photoBase64;    // Base64 of a qCompress'ed image file, or empty
    QString timeZone;       // "GMT" + sign + hh:mm
};

// One user who signed in on this computer, as stored in the preferences file.
struct LoginSettingsRecord
{
    QString userName;
    QString autoLogin;         // "TRUE" / "FALSE"
    QString autoLoginPassword; // the remembered password, also used to sign in automatically
    QString rememberMe;        // "TRUE" / "FALSE"
    QString rememberPassword;  // "TRUE" / "FALSE"
};

// One reminder; reminderId is its creation time "dd/MMM/yyyy hh:mm:ss:zzz".
struct ReminderRecord
{
    QString reminderId;
    QString state;       // "Awaiting" or "Triggered"
    QString subject;
    QString dueDateTime; // Qt::TextDate, local time
    QString assignee;    // "Self" or a user name
    QString owner;
};

#endif
