#include "mainwindow/zelcontactrow.h"

#include <QHash>
#include <QIcon>
#include <QTreeWidgetItem>

namespace {

// Each picture is read once, not once per row.
using IconCache = QHash<QString, QIcon>;
Q_GLOBAL_STATIC(IconCache, iconCache)

} // namespace

QIcon ZELContactRow::icon(const char *picture)
{
    return icon(QString::fromLatin1(picture));
}

QIcon ZELContactRow::icon(const QString &name)
{
    auto found = iconCache->constFind(name);
    if (found == iconCache->constEnd())
        found = iconCache->insert(name, QIcon(name));
    return *found;
}

const char *const ZELContactRow::OnlineIcon = ":images/userok_24.png";
const char *const ZELContactRow::OfflineIcon = ":images/userclose_24.png";
const char *const ZELContactRow::ApprovalIcon = ":images/userApproval_24.png";

QString ZELContactRow::userNameOfToolTip(const QString &toolTip)
{
    return toolTip.section(QLatin1Char('-'), 0, 0).simplified();
}

QString ZELContactRow::userName(const QTreeWidgetItem *row)
{
    return row ? userNameOfToolTip(row->toolTip(0)) : QString();
}

QString ZELContactRow::presenceWord(const QTreeWidgetItem *row)
{
    return row ? row->toolTip(0).section(QLatin1Char('-'), 1, 1).simplified() : QString();
}

QString ZELContactRow::displayName(const QTreeWidgetItem *row)
{
    return row ? row->text(0).section(QLatin1Char('('), 0, 0).simplified() : QString();
}

QString ZELContactRow::statusMark(const QTreeWidgetItem *row)
{
    return row ? row->text(0).section(QLatin1Char('('), 1, 1).simplified() : QString();
}

QString ZELContactRow::statusWord(const QTreeWidgetItem *row)
{
    QString mark = statusMark(row);
    mark.remove(QLatin1Char(' '));
    mark.chop(1);
    return mark;
}

QString ZELContactRow::presentText(const QString &displayName, const QString &status)
{
    if (status.isEmpty() || status == QLatin1String("Online"))
        return displayName;
    return displayName + QStringLiteral(" (") + status + QLatin1Char(')');
}

QTreeWidgetItem *ZELContactRow::make(const QString &text, const char *icon, const QString &toolTip)
{
    auto *row = new QTreeWidgetItem(QStringList(text));
    row->setIcon(0, ZELContactRow::icon(icon));
    row->setToolTip(0, toolTip);
    row->setSizeHint(0, QSize(0, 20));
    return row;
}

QTreeWidgetItem *ZELContactRow::makeGroup(const QString &text, const char *icon)
{
    auto *row = new QTreeWidgetItem(QStringList(text));
    row->setIcon(0, ZELContactRow::icon(icon));
    row->setSizeHint(0, QSize(0, 20));
    return row;
}

QTreeWidgetItem *ZELContactRow::childByText(QTreeWidgetItem *parent, const QString &text)
{
    if (!parent)
        return nullptr;
    for (int i = 0, n = parent->childCount(); i < n; ++i) {
        QTreeWidgetItem *child = parent->child(i);
        if (child->text(0) == text)
            return child;
    }
    return nullptr;
}

QTreeWidgetItem *ZELContactRow::topLevelOf(QTreeWidgetItem *row)
{
    while (row && row->parent())
        row = row->parent();
    return row;
}

void ZELContactRow::setCollapsedHeight(QTreeWidgetItem *row)
{
    if (row)
        row->setSizeHint(0, QSize(0, 20));
}

bool ZELContactRow::decodePhoto(const QString &base64, QPixmap *picture)
{
    if (!base64.isEmpty()) {
        const QByteArray image = qUncompress(QByteArray::fromBase64(base64.toLatin1()));
        if (!image.isEmpty() && picture->loadFromData(image))
            return true;
    }
    picture->load(QStringLiteral(":images/userInfo1.png"));
    return false;
}

QString ZELContactRow::timeInZone(const QString &zone, const QDateTime &utcNow)
{
    QDateTime local = utcNow;
    const int gmt = zone.indexOf(QLatin1String("GMT"));
    if (gmt >= 0) {
        const QString offset = zone.mid(gmt + 3);
        const QChar sign = offset.isEmpty() ? QChar() : offset.at(0);
        if (sign == QLatin1Char('+') || sign == QLatin1Char('-')) {
            // Hours from the last five characters "hh:mm", minutes after the ":".
            const int hours = offset.right(5).left(2).toInt();
            const int minutes = zone.section(QLatin1Char(':'), 1).toInt();
            const qint64 seconds = (qint64(hours) * 60 + minutes) * 60;
            local = utcNow.addSecs(sign == QLatin1Char('+') ? seconds : -seconds);
        }
    }
    return local.time().toString(QStringLiteral("hh:mm:ss ap"));
}

QString ZELContactRow::statusWord(const QString &status, bool withOffline)
{
    const bool known = status == QLatin1String("Online") || status == QLatin1String("Away")
                       || status == QLatin1String("Busy") || status == QLatin1String("Meeting")
                       || (withOffline && status == QLatin1String("Offline"));
    return known ? status : QStringLiteral("splash");
}

QString ZELContactRow::statusPicture(const QString &status, bool withOffline)
{
    return QStringLiteral(":images/") + statusWord(status, withOffline) + QStringLiteral(".png");
}
