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

// A value that holds a list of its own (a profile's "&&"-separated values),
// split into at most `limit` parts, the last holding the rest unsplit. Such a
// list is read by position; split whole, a value of a million separators
// became a million strings, and took longer than the rest of the message.
inline QStringList messageParts(const QString &text, QStringView separator, qsizetype limit)
{
    QStringList parts;
    qsizetype from = 0;
    while (parts.size() + 1 < limit) {
        const qsizetype at = text.indexOf(separator, from);
        if (at < 0)
            break;
        parts.append(text.mid(from, at - from));
        from = at + separator.size();
    }
    parts.append(text.mid(from));
    return parts;
}

// More values than any profile has: every position a reader asks for is split off.
constexpr qsizetype ProfileParts = 16;

// A profile's values, as the server separates them.
inline QStringList profileParts(const QString &profile)
{
    return messageParts(profile, u"&&", ProfileParts);
}

#endif
