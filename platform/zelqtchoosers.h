#ifndef ZELQTCHOOSERS_H
#define ZELQTCHOOSERS_H

#include "platform/zelchoosers.h"

// The toolkit's own modal dialogs.
class ZELQtChoosers : public ZELChoosers
{
public:
    QString openFileName(QWidget *parent, const QString &caption,
                         const QString &folder, const QString &filter) override;
    QStringList openFileNames(QWidget *parent, const QString &caption,
                              const QString &folder, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption,
                         const QString &fileName, const QString &filter) override;
    QString existingFolder(QWidget *parent, const QString &caption,
                           const QString &folder) override;
    QColor color(const QColor &initial, QWidget *parent, const QString &title) override;
    QFont font(bool *ok, const QFont &initial, QWidget *parent, const QString &title) override;
};

#endif
