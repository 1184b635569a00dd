#include "platform/zelfakechoosers.h"

QString ZELFakeChoosers::openFileName(QWidget *, const QString &caption,
                                      const QString &folder, const QString &)
{
    asked << caption;
    startFolders << folder;
    return openFileAnswers.isEmpty() ? QString() : openFileAnswers.takeFirst();
}

QStringList ZELFakeChoosers::openFileNames(QWidget *, const QString &caption,
                                           const QString &folder, const QString &)
{
    asked << caption;
    startFolders << folder;
    return openFilesAnswers.isEmpty() ? QStringList() : openFilesAnswers.takeFirst();
}

QString ZELFakeChoosers::saveFileName(QWidget *, const QString &caption,
                                      const QString &fileName, const QString &)
{
    asked << caption;
    startFolders << fileName;
    return saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.takeFirst();
}

QString ZELFakeChoosers::existingFolder(QWidget *, const QString &caption, const QString &folder)
{
    asked << caption;
    startFolders << folder;
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}

QColor ZELFakeChoosers::color(const QColor &, QWidget *, const QString &title)
{
    asked << title;
    return colorAnswers.isEmpty() ? QColor() : colorAnswers.takeFirst();
}

QFont ZELFakeChoosers::font(bool *ok, const QFont &initial, QWidget *, const QString &title)
{
    asked << title;
    const bool answered = !fontAnswers.isEmpty();
    if (ok)
        *ok = answered;
    return answered ? fontAnswers.takeFirst() : initial;
}
