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
    for (int i = 0; i < window->m_chatRoomListBox->count(); ++i) {
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
