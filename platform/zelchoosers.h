#ifndef ZELCHOOSERS_H
#define ZELCHOOSERS_H

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

// The modal choosers. Each returns an empty string / list, an invalid colour, or
// false in *ok when the user cancels.
class ZELChoosers
{
public:
    virtual ~ZELChoosers() = default;

    virtual QString openFileName(QWidget *parent, const QString &caption,
                                 const QString &folder, const QString &filter) = 0;
    virtual QStringList openFileNames(QWidget *parent, const QString &caption,
                                      const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption,
                                 const QString &fileName, const QString &filter) = 0;
    virtual QString existingFolder(QWidget *parent, const QString &caption,
                                   const QString &folder) = 0;
    virtual QColor color(const QColor &initial, QWidget *parent, const QString &title) = 0;
    virtual QFont font(bool *ok, const QFont &initial, QWidget *parent, const QString &title) = 0;
};

#endif
