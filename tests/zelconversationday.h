#ifndef ZELCONVERSATIONDAY_H
#define ZELCONVERSATIONDAY_H

#include "chat/zeltranscript.h"
#include "chat/zeltranscriptview.h"

#include <QString>
#include <QStringList>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

// A day of ordinary conversation between Anita and Ravi, written the ways the
// client meets it: as a chat window stores it (localDay) and as the server
// replays it (serverDay). Message n reads messageText(n), so a test can look
// for the first and the last one; `longAt` makes message `longAt` a long one of
// `longText` instead.
namespace ZELConversationDay {

inline QString messageText(int n)
{
    return QStringLiteral("Message %1 of the day: the figures for the review, and lunch at one?").arg(n);
}

// Who writes message n: runs of one to three messages a speaker.
inline bool anitaWrites(int n)
{
    return (n / 2 + n / 5) % 2 == 0;
}

inline QString speaker(int n)
{
    return anitaWrites(n) ? QStringLiteral("Anita Rao") : QStringLiteral("Ravi Kumar");
}

inline QString timeOf(int n)
{
    const int seconds = 9 * 3600 + n * 40;
    return QStringLiteral("%1:%2:%3 am")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// A body as the sender's input box writes it.
inline QString composed(const QString &plain)
{
    QTextDocument box;
    box.setDefaultFont(QGuiApplication::font());
    box.setPlainText(plain);
    return box.toHtml().trimmed();
}

// The same from an input box whose text has a colour and a background of its
// own: every line in a span of its own.
inline QString composedInColour(const QString &plain)
{
    QTextDocument box;
    box.setDefaultFont(QGuiApplication::font());
    QTextCharFormat colours;
    colours.setForeground(Qt::black);
    colours.setBackground(Qt::white);
    QTextCursor(&box).insertText(plain, colours);
    return box.toHtml().trimmed();
}

struct Long
{
    int at = -1;
    QString text;
};

inline QString bodyText(int n, const Long &longOne)
{
    return n == longOne.at ? longOne.text : messageText(n);
}

// What a chat window's automatic save writes after `count` messages.
inline QString localDay(int count, const Long &longOne = {})
{
    ZELTranscriptView view;
    view.resize(600, 400);
    for (int n = 0; n < count; ++n) {
        const bool own = anitaWrites(n);
        const bool headed = n == 0 || anitaWrites(n - 1) != own;
        if (headed)
            view.append(ZELTranscript::headingRow(own ? ZELTranscript::OwnOneToOne : ZELTranscript::Received,
                                                  own ? ZELTranscript::ownColour() : ZELTranscript::receivedColour(),
                                                  speaker(n), timeOf(n)));
        else
            view.append(ZELTranscript::continuationRow(timeOf(n)));
        const QString body = composed(bodyText(n, longOne));
        if (own)
            view.append(body);
        else
            view.appendMessage(body);
    }
    return view.wholeHtml();
}

// What the server sends for the same day: a heading row for every message,
// then the body as its sender wrote it.
inline QString serverDay(int count, const Long &longOne = {})
{
    QString html;
    for (int n = 0; n < count; ++n) {
        html += QStringLiteral("<table bgcolor = #f0f8ff width='100%' cellspacing='0' border='0'><tr>"
                               "<td width='80%'><font color=Chocolate><b>")
                + speaker(n) + QStringLiteral(" says ::</td><td width='20%' align='right'><font color=darkgray><b>")
                + timeOf(n) + QStringLiteral("</td></tr></table>");
        html += QStringLiteral("<p style='margin-top:0px; margin-bottom:0px;'>") + composed(bodyText(n, longOne))
                + QStringLiteral("</p>");
    }
    return html;
}

} // namespace ZELConversationDay

#endif
