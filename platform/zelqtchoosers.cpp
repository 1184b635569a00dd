#include "platform/zelqtchoosers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

QString ZELQtChoosers::openFileName(QWidget *parent, const QString &caption,
                                    const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QStringList ZELQtChoosers::openFileNames(QWidget *parent, const QString &caption,
                                         const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString ZELQtChoosers::saveFileName(QWidget *parent, const QString &caption,
                                    const QString &fileName, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, fileName, filter);
}

QString ZELQtChoosers::existingFolder(QWidget *parent, const QString &caption,
                                      const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

QColor ZELQtChoosers::color(const QColor &initial, QWidget *parent, const QString &title)
{
    return QColorDialog::getColor(initial, parent, title);
}

QFont ZELQtChoosers::font(bool *ok, const QFont &initial, QWidget *parent, const QString &title)
{
    return QFontDialog::getFont(ok, initial, parent, title);
}
