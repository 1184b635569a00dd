#include "reminders/zelzonetime.h"

#include "reminders/zelreminderdialog.h"

qint64 ZELZoneTime::offsetSeconds(const QString &zone)
{
    const QString offset = zone.section(QStringLiteral("GMT"), 1, 1);
    if (!offset.startsWith(QLatin1Char('+')) && !offset.startsWith(QLatin1Char('-')))
        return 0;
    const int hours = offset.right(5).left(2).toInt();
    const int minutes = zone.section(QLatin1Char(':'), 1, 1).toInt();
    const qint64 seconds = static_cast<qint64>((hours * 60.0 + minutes) * 60.0);
    return offset.startsWith(QLatin1Char('+')) ? seconds : -seconds;
}

QString ZELZoneTime::zoneToLocal(const QString &dueText, const QString &zone)
{
    const QDateTime wall = QDateTime::fromString(dueText, Qt::TextDate);
    if (!wall.isValid())
        return dueText;
    const QDateTime utc = QDateTime(wall.date(), wall.time(), Qt::UTC).addSecs(-offsetSeconds(zone));
    return ZELReminderDialog::dueText(utc.toLocalTime());
}

QString ZELZoneTime::localToZone(const QDateTime &local, const QString &zone)
{
    return ZELReminderDialog::dueText(local.toUTC().addSecs(offsetSeconds(zone)));
}
