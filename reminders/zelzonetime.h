#ifndef ZELZONETIME_H
#define ZELZONETIME_H

#include <QDateTime>
#include <QString>

// A reminder set for somebody else travels as wall-clock time in the time
// zone of that person's profile ("GMT+05:30", "GMT-03:30", "GMT"). These turn
// such a time into this machine's local time and back, so that it rings at
// the moment its owner chose whatever zone the machine itself is in.
namespace ZELZoneTime {

// Seconds east of UTC for a profile zone; a zone with no sign after "GMT"
// (the zone "GMT" itself, an empty text, anything else) is UTC.
qint64 offsetSeconds(const QString &zone);

// `dueText` (Qt::TextDate form) read as wall-clock time in `zone`, written as
// this machine's local time in the same form; an unreadable text comes back
// unchanged.
QString zoneToLocal(const QString &dueText, const QString &zone);

// A local moment as wall-clock time in `zone`, in Qt::TextDate form.
QString localToZone(const QDateTime &local, const QString &zone);

} // namespace ZELZoneTime

#endif
