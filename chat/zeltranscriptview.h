#ifndef ZELTRANSCRIPTVIEW_H
#define ZELTRANSCRIPTVIEW_H

#include <QHash>
#include <QString>
#include "style/zelmessagebrowser.h"
#include <QTimer>

// The transcript of a chat window. Every row the client writes (headings,
// continuation rows, notices) is composed as a one-row HTML table with the
// name or notice on the left and the time on the right. A text document gives
// every table a frame of its own, and with thousands of frames each append
// lays the whole conversation out again, so a long chat grows slower with
// every message. append() therefore writes such a row as one flat paragraph:
// the table's background becomes the paragraph's, the cells are joined by a
// right tab that puts the time at the right edge, and a rule in the row
// becomes a rule under the paragraph. Anything else is appended as it is.
//
// It also answers the speaker rule ("where did this name last head a
// message?") from the text appended since it last asked, not by searching the
// whole transcript every time.
class ZELTranscriptView : public ZELMessageBrowser
{
    Q_OBJECT

public:
    explicit ZELTranscriptView(QWidget *parent = nullptr);

    // Hides QTextEdit::append on purpose: every row the client composes is
    // written through here; received bodies through appendMessage().
    void append(const QString &html);

    // Last position of name + " says ::" in the transcript, -1 when absent
    // (case-sensitive, like a search of the plain text).
    int lastHeading(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool appendFlatRow(const QString &html);
    qreal rightTabPosition() const;
    void updateRightTabs();
    void forgetHeadings();

    struct Heading
    {
        int lastPosition = -1;
        int searchedTo = 0; // characters of the document already searched
    };
    QHash<QString, Heading> m_headings;
    QTimer m_tabTimer;
    qreal m_tabPosition = 0;
};

#endif
