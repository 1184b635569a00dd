#include "protocol/zelhistorypaths.h"

#include <QRegularExpression>

namespace ZELHistoryPaths {

QString component(const QString &name)
{
    QString safe = name;
    for (QChar &c : safe) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QChar(0))
            c = QLatin1Char('_');
    }
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        return QStringLiteral("_");
    return safe;
}

QString userFolder(const QString &root, const QString &ownDisplayName)
{
    return root + QLatin1Char('/') + component(ownDisplayName);
}

QString dayFolderName(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

bool isDayFolderName(const QString &name)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return form.match(name).hasMatch() && QDate::fromString(name, Qt::ISODate).isValid();
}

QString contactFileName(const QString &displayName)
{
    return component(displayName + QLatin1String(".html"));
}

QString conferenceFileName(const QString &sessionName)
{
    return component(QLatin1String("Conference-") + sessionName + QLatin1String(".html"));
}

QString conferenceSessionName(const QString &fileName)
{
    QString name = fileName;
    if (name.endsWith(QLatin1String(".html")))
        name.chop(5);
    if (name.startsWith(QLatin1String("Conference-")))
        name.remove(0, 11);
    // Session names end in the time the conference began, " hh~mm~ss".
    static const QRegularExpression time(QStringLiteral(" \\d{2}~\\d{2}~\\d{2}$"));
    name.remove(time);
    return name;
}

} // namespace ZELHistoryPaths
