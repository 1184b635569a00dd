// The transcript's find bar: incremental search while typing, Next and
// Previous with a wrap marker, match case and whole words.
#include "chat/zelchatwindow.h"

#include <QPixmap>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const char kNormalSheet[] = "border: 1px solid gray;background: white;border-radius: 3px;";
const char kNotFoundSheet[] = "border: 1px solid gray;background: lightsalmon;border-radius: 3px;";

enum class Direction { Forward, Backward };

QTextDocument::FindFlags findFlags(const ZELChatWindow &window, Direction direction)
{
    QTextDocument::FindFlags flags;
    if (window.m_matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (window.m_wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (direction == Direction::Backward)
        flags |= QTextDocument::FindBackward;
    return flags;
}

// Every search starts by taking down the marker of an earlier wrap.
void hideWrapMarker(ZELChatWindow &window)
{
    if (!window.m_searchWrapped->isHidden()) {
        window.m_searchWrapped->hide();
        window.m_wrappedLabel->hide();
    }
}

void placeTranscriptCursor(ZELChatWindow &window, int position)
{
    QTextCursor cursor = window.totalMessage->textCursor();
    cursor.setPosition(qBound(0, position, window.totalMessage->document()->characterCount() - 1));
    window.totalMessage->setTextCursor(cursor);
}

// One step of Next or Previous. Running off the end after a match puts the
// cursor at the other end, so the next step starts over, and says so.
void step(ZELChatWindow &window, Direction direction)
{
    hideWrapMarker(window);
    const QString text = window.m_findTextLineEdit->text();
    if (window.totalMessage->find(text, findFlags(window, direction))) {
        window.m_findTextLineEdit->setStyleSheet(QString::fromLatin1(kNormalSheet));
        return;
    }
    if (text.isEmpty())
        return;
    window.m_findTextLineEdit->setStyleSheet(QString::fromLatin1(kNotFoundSheet));
    if (!window.totalMessage->textCursor().hasSelection())
        return; // the text is nowhere: no wrap to announce
    const bool forward = direction == Direction::Forward;
    placeTranscriptCursor(window, forward ? 1 : int(window.totalMessage->toPlainText().size()));
    window.m_searchWrapped->setPixmap(
        QPixmap(forward ? QStringLiteral(":images/arrow.gif") : QStringLiteral(":images/arrowbackward.gif")));
    window.m_searchWrapped->show();
    window.m_wrappedLabel->show();
}

} // namespace

void ZELChatWindow::findTextInChat(QString text)
{
    hideWrapMarker(*this);
    placeTranscriptCursor(*this, 1);
    const bool found = totalMessage->find(text, findFlags(*this, Direction::Forward));
    m_findTextLineEdit->setStyleSheet(QString::fromLatin1(found || text.isEmpty() ? kNormalSheet : kNotFoundSheet));
}

void ZELChatWindow::findNextClicked()
{
    step(*this, Direction::Forward);
}

void ZELChatWindow::findPreviousClicked()
{
    step(*this, Direction::Backward);
}

void ZELChatWindow::findCloseClicked()
{
    m_findTextLineEdit->setText(QString());
    m_findFrame->hide();
}

void ZELChatWindow::matchCaseState(int)
{
    m_matchCase = m_matchCaseCheckBox->isChecked();
}

void ZELChatWindow::wholeWordState(int)
{
    m_wholeWord = m_wholeWordCheckBox->isChecked();
}

void ZELChatWindow::fitFindBarToFonts()
{
    // Left to right after the Previous button, each at least as wide as the form made it.
    int x = m_matchCaseCheckBox->x();
    for (QWidget *w : {static_cast<QWidget *>(m_matchCaseCheckBox), static_cast<QWidget *>(m_wholeWordCheckBox),
                       static_cast<QWidget *>(m_searchWrapped), static_cast<QWidget *>(m_wrappedLabel)}) {
        const int width = w == m_searchWrapped ? w->width() : qMax(w->width(), w->sizeHint().width());
        w->setGeometry(x, w->y(), width, w->height());
        x += width + 4;
    }
    // The bar is never narrower than what it holds, so the wrap notice shows whole.
    m_findFrame->setMinimumWidth(qMax(m_findFrame->minimumWidth(), x - 4));
}
