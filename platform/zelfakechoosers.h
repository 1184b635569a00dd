#ifndef ZELFAKECHOOSERS_H
#define ZELFAKECHOOSERS_H

#include "platform/zelchoosers.h"

#include <QList>

// For tests: each chooser takes its next answer from the front of its queue;
// an empty queue answers as a cancelled dialog. Every caption or title asked is
// appended to asked, and the folder or file name passed to startFolders.
class ZELFakeChoosers : public ZELChoosers
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

    QStringList openFileAnswers;
    QList<QStringList> openFilesAnswers;
    QStringList saveFileAnswers;
    QStringList folderAnswers;
    QList<QColor> colorAnswers;
    QList<QFont> fontAnswers;

    QStringList asked;
    QStringList startFolders;
};

#endif
