#ifndef ZELPARSEDMESSAGE_H
#define ZELPARSEDMESSAGE_H

#include <QString>
#include <QStringList>

// Every positional read of a parsed server message goes through here, so a
// short or truncated message reads as empty values, never past its end.
inline QString messageValue(const QStringList &message, int position)
{
    return (position >= 0 && position < message.size()) ? message.at(position) : QString();
}

// How many whole records of `width` values follow `first` in the message.
// What a message kept waiting takes, roughly: its text and the lists around it.
inline qsizetype messageFootprint(const QStringList &message)
{
    qsizetype bytes = 64;
    for (const QString &value : message)
        bytes += value.size() * qsizetype(sizeof(QChar)) + 32;
    return bytes;
}

inline int messageRecordCount(const QStringList &message, int first, int width)
{
    if (width <= 0 || message.size() <= first)
        return 0;
    return (message.size() - first) / width;
}

#endif
