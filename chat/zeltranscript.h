#ifndef ZELTRANSCRIPT_H
#define ZELTRANSCRIPT_H

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>

class QTextBrowser;
class ZELChatWindow;

// The rows of a chat transcript. The chat window writes the user's own
// messages with them and the dispatcher the received ones, so a conversation
// reads as one sequence of headed blocks whoever wrote it.
//
//     const QString time = ZELTranscript::timeStamp(hourFormat24);
//     browser->append(ZELTranscript::headingRow(ZELTranscript::Received,
//                                               ZELTranscript::receivedColour(), name, time));
//
// The speaker rule searches the transcript's plain text for a name followed by
// headingMarker(); a new heading is written unless that speaker wrote the
// latest heading.
class ZELTranscript
{
public:
    enum HeadingKind {
        OwnOneToOne,   // the user's own one-to-one message
        OwnConference, // the user's own conference message
        Received       // every message the dispatcher writes
    };

    // Heading colours, named "#rrggbb" when written.
    static QColor ownColour() { return QColor(255, 248, 220); }      // own one-to-one, received conference
    static QColor receivedColour() { return QColor(240, 248, 255); } // received one-to-one, own conference
    static QColor noticeColour() { return QColor(240, 255, 255); }   // closing and membership notices

    static QString headingMarker() { return QStringLiteral(" says ::"); }

    // "hh:mm:ss ap", or the 24-hour text form when the option reads "TRUE".
    static QString timeStamp(const QString &hourFormat24, const QTime &time = QTime::currentTime());

    static QString headingRow(HeadingKind kind, const QColor &colour, const QString &name,
                              const QString &time);
    // A conversation replayed from the server carries the server's own
    // "hh:mm:ss ap" stamps: the time cell of each heading row (the cell right
    // after the speaker's " says ::" cell) is rewritten in the chosen form, so
    // it reads like the rows the window writes itself. Times written inside a
    // message are left as they are.
    static QString headingTimesAs(const QString &html, const QString &hourFormat24);
    static QString continuationRow(const QString &time);
    // pieces: the cells' opening, the notice and the time cell's opening.
    static QString noticeRow(const QColor &colour, const QString &pieces, const QString &time);

    // Last position of name + " says ::" in the text, -1 when absent (case-sensitive).
    static int lastHeading(const QString &plainText, const QString &name);

    // The line of a received file offer, the name cleaned and shortened
    // (ZELTextBounds::shownFileName) and never read as markup.
    static QString fileOfferLine(const QString &wireName, bool locked);
    // A conference name as windows show it: without the 8-character time it
    // ends in, bounded as any name. Plain text.
    static QString shownConferenceName(const QString &conferenceName);

    // Message HTML never carries a comma on the wire.
    static QString encodeCommas(QString html);
    static QString decodeCommas(QString html);

    // A received one-to-one message or file notice in the peer's window: a
    // heading unless the speaker's heading is the latest and no notice asked
    // for a new one, then the body lines, then the end scrolled into view.
    static void appendSpeakerBlock(ZELChatWindow *window, const QColor &colour, const QString &speaker,
                                   const QString &ownDisplayName, const QString &time,
                                   const QStringList &bodyLines);

    // The same for a conference window: a continuation only when the
    // speaker's heading comes after the user's and every other participant's,
    // and no notice asked for a new heading.
    static void appendConferenceSpeakerBlock(ZELChatWindow *window, const QColor &colour, const QString &speaker,
                                             const QString &ownDisplayName, const QString &time,
                                             const QStringList &bodyLines);

    static void scrollToEnd(QTextBrowser *transcript);

    // Lets the user notice the window without taking the focus from the
    // window they work in: the task-bar entry flashes, a modal dialog of the
    // chat window comes up, and the window that was active is raised again.
    // popup runs only when the chat window is minimised.
    static void drawAttention(ZELChatWindow *window, const std::function<void()> &popup = {});
};

#endif
