#include "chat/zeltranscript.h"

#include "chat/zelchatwindow.h"
#include "style/zeltextbounds.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>

QString ZELTranscript::timeStamp(const QString &hourFormat24, const QTime &time)
{
    if (hourFormat24 == QLatin1String("TRUE"))
        return time.toString(Qt::TextDate).left(11);
    return time.toString(QStringLiteral("hh:mm:ss ap"));
}

QString ZELTranscript::headingRow(HeadingKind kind, const QColor &colour, const QString &fullName,
                                  const QString &time)
{
    const QString open = QStringLiteral("<table bgcolor = ") + colour.name();
    // Names come from the server: bounded and escaped; lastHeading() looks
    // for the same name in the shown text.
    const QString name = ZELTextBounds::shownName(fullName).toHtmlEscaped();
    switch (kind) {
    case OwnOneToOne:
        return open
               + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'>"
                                "<font color=Chocolate><b>")
               + name
               + QStringLiteral(" says ::</b></td><td width='20%' align='right'><font color=darkgray><b>")
               + time + QStringLiteral("</b></td></tr></table>");
    case OwnConference:
        return open
               + QStringLiteral(" width='100%' cellspacing='0' radius = '5' border='0'><tr><td width='80%'>"
                                "<font color=Chocolate><b>")
               + name + QStringLiteral(" says ::</td><td width='20%' align='right'><font color=darkgray><b>")
               + time + QStringLiteral("</td></tr></table>");
    case Received:
        break;
    }
    return open
           + QStringLiteral(" width='100%' cellspacing='0' border='0'><tr><td width='80%'>"
                            "<font color=Chocolate><b>")
           + name + QStringLiteral(" says ::</td><td width='20%' align='right'><font color=darkgray><b>")
           + time + QStringLiteral("</td></tr></table>");
}

namespace {

// Two ASCII digits at the position as a number, -1 otherwise.
int twoDigits(QStringView text, qsizetype at)
{
    if (at + 2 > text.size())
        return -1;
    const char16_t tens = text[at].unicode();
    const char16_t units = text[at + 1].unicode();
    if (tens < u'0' || tens > u'9' || units < u'0' || units > u'9')
        return -1;
    return (tens - u'0') * 10 + (units - u'0');
}

} // namespace

QString ZELTranscript::headingTimesAs(const QString &html, const QString &hourFormat24)
{
    // The time cell that follows the speaker's cell in every heading row; the
    // own heading closes its bold run before the cell, the received and
    // conference headings (and the server's) leave it open.
    static const QString boldEnd = QStringLiteral("</b>");
    static const QString cellEnd = QStringLiteral("</td>");
    static const QString timeCell = QStringLiteral("</td><td width='20%' align='right'><font color=darkgray><b>");
    const QString marker = headingMarker();
    const bool hour24 = hourFormat24 == QLatin1String("TRUE");
    const QStringView text(html);
    QString out;
    qsizetype copied = 0;
    for (qsizetype found = text.indexOf(marker); found >= 0; found = text.indexOf(marker, found + 1)) {
        qsizetype at = found + marker.size();
        if (text.mid(at).startsWith(boldEnd))
            at += boldEnd.size();
        if (!text.mid(at).startsWith(timeCell))
            continue;
        at += timeCell.size();
        // "hh:mm:ss", then " am" or " pm" in the 12-hour form, then the cell's end.
        int hour = twoDigits(text, at);
        const int minute = twoDigits(text, at + 3);
        const int second = twoDigits(text, at + 6);
        if (hour < 0 || minute < 0 || second < 0 || text[at + 2] != u':' || text[at + 5] != u':')
            continue;
        qsizetype end = at + 8;
        const QStringView half = text.mid(end, 3);
        const bool afternoon = half.compare(u" pm", Qt::CaseInsensitive) == 0;
        const bool twelveHour = afternoon || half.compare(u" am", Qt::CaseInsensitive) == 0;
        if (twelveHour) {
            if (hour < 1 || hour > 12)
                continue;
            hour = hour % 12 + (afternoon ? 12 : 0);
            end += 3;
        }
        const QStringView rest = text.mid(end);
        if (!rest.startsWith(cellEnd) && !(rest.startsWith(boldEnd) && rest.mid(boldEnd.size()).startsWith(cellEnd)))
            continue;
        // A stamp already in the chosen form stays as it is.
        if (twelveHour != hour24 || hour > 23 || minute > 59 || second > 59)
            continue;
        if (copied == 0)
            out.reserve(html.size() + html.size() / 64);
        out += text.mid(copied, at - copied);
        // What timeStamp() writes for that time, without a locale's formatter
        // for each of thousands of rows.
        const int shownHour = hour24 ? hour : (hour % 12 == 0 ? 12 : hour % 12);
        const auto twoDigitText = [&out](int value) {
            out += QChar(u'0' + value / 10);
            out += QChar(u'0' + value % 10);
        };
        twoDigitText(shownHour);
        out += u':';
        twoDigitText(minute);
        out += u':';
        twoDigitText(second);
        if (!hour24)
            out += hour < 12 ? QLatin1String(" am") : QLatin1String(" pm");
        copied = end;
    }
    if (copied == 0)
        return html;
    out += text.mid(copied);
    return out;
}

QString ZELTranscript::continuationRow(const QString &time)
{
    return QStringLiteral("<table width='100%' cellspacing='0' border='0'><tr><td width='80%'>"
                          "&nbsp;&nbsp;&nbsp;<hr size='1' width='100%'/></td><td width='20%' align='right'>"
                          "<font color=darkgray><b>")
           + time + QStringLiteral("</b><hr size='1' width='100%'/></td></tr></table>");
}

QString ZELTranscript::noticeRow(const QColor &colour, const QString &pieces, const QString &time)
{
    return QStringLiteral("<table bgcolor = ") + colour.name() + pieces + time
           + QStringLiteral("</td></tr></table>");
}

QString ZELTranscript::fileOfferLine(const QString &wireName, bool locked)
{
    const QString name = ZELTextBounds::shownFileName(wireName).toHtmlEscaped();
    return locked ? QStringLiteral("<b>File received ::&nbsp;<img src = ':images/lock.gif' width='20' height='20'>"
                                   "&nbsp;<font color ='blue'>")
                        + name + QStringLiteral("</b></font>")
                  : QStringLiteral("<b>File received ::&nbsp;<font color ='blue'>") + name
                        + QStringLiteral("</b></font>");
}

QString ZELTranscript::shownConferenceName(const QString &conferenceName)
{
    const int timeLength = 8;
    return ZELTextBounds::shownName(conferenceName.left(qMax(0, int(conferenceName.size()) - timeLength)));
}

int ZELTranscript::lastHeading(const QString &plainText, const QString &name)
{
    return int(plainText.lastIndexOf(ZELTextBounds::shownName(name) + headingMarker()));
}

QString ZELTranscript::encodeCommas(QString html)
{
    return html.replace(QLatin1Char(','), QStringLiteral("$#$"));
}

QString ZELTranscript::decodeCommas(QString html)
{
    // The quick look first: a body without the mark is passed on as it is.
    if (!html.contains(QLatin1Char('$')))
        return html;
    return html.replace(QStringLiteral("$#$"), QStringLiteral(","));
}

void ZELTranscript::appendSpeakerBlock(ZELChatWindow *window, const QColor &colour, const QString &speaker,
                                       const QString &ownDisplayName, const QString &time,
                                       const QStringList &bodyLines)
{
    const int own = window->totalMessage->lastHeading(ownDisplayName);
    const int peer = window->totalMessage->lastHeading(speaker);
    if (peer <= own || window->m_forceHeading == QLatin1String("ADD")) {
        window->totalMessage->append(headingRow(Received, colour, speaker, time));
        window->m_bannerState.clear();
        window->m_forceHeading.clear();
    } else {
        window->totalMessage->append(continuationRow(time));
    }
    for (const QString &line : bodyLines)
        window->totalMessage->appendMessage(line);
    scrollToEnd(window->totalMessage);
}

void ZELTranscript::appendConferenceSpeakerBlock(ZELChatWindow *window, const QColor &colour,
                                                 const QString &speaker, const QString &ownDisplayName,
                                                 const QString &time, const QStringList &bodyLines)
{
    ZELTranscriptView *view = window->totalMessage;
    const int own = view->lastHeading(ownDisplayName);
    int speakerHeading = -1;
    int others = -1;
    // A window without a conference has no participants: its page is not built for them.
    for (int i = 0; i < window->participantCount(); ++i) {
        const QString name = window->m_chatRoomListBox->item(i)->text();
        if (name == speaker)
            speakerHeading = view->lastHeading(name);
        else
            others = qMax(others, view->lastHeading(name));
    }
    if (speakerHeading <= others || speakerHeading <= own
        || window->m_forceConferenceHeading == QLatin1String("ADD")) {
        window->totalMessage->append(headingRow(Received, colour, speaker, time));
        window->m_conferenceBannerState.clear();
        window->m_forceConferenceHeading.clear();
    } else {
        window->totalMessage->append(continuationRow(time));
    }
    for (const QString &line : bodyLines)
        window->totalMessage->appendMessage(line);
    scrollToEnd(window->totalMessage);
}

void ZELTranscript::scrollToEnd(QTextBrowser *transcript)
{
    transcript->verticalScrollBar()->setValue(transcript->verticalScrollBar()->maximum());
}

void ZELTranscript::drawAttention(ZELChatWindow *window, const std::function<void()> &popup)
{
    QWidget *active = QApplication::activeWindow();
    if (window->isMinimized()) {
        QApplication::alert(window);
        if (popup)
            popup();
    } else {
        if (!window->isActiveWindow())
            QApplication::alert(window);
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->parentWidget() == window)
            modal->raise();
    }
    if (active)
        active->raise();
}
