#include "style/zelmessagebrowser.h"

#include "style/zellinkrule.h"
#include "style/zelmarkupbounds.h"
#include "style/zeltextbounds.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <memory>

namespace {

// The held-back source of a message, on the note that stands for it, and
// whether it is markup or plain text.
const int HeldTextProperty = QTextFormat::UserProperty + 0x2E1;
const int HeldIsHtmlProperty = QTextFormat::UserProperty + 0x2E2;

struct HeldNote
{
    int start;
    int end;
    QString text;
    bool html;
};

// Every note in [from, to), in document order.
QList<HeldNote> heldNotes(const QTextDocument *document, int from = 0, int to = -1)
{
    QList<HeldNote> notes;
    if (to < 0)
        to = document->characterCount();
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().hasProperty(HeldTextProperty))
                continue;
            const int start = fragment.position();
            const int end = start + fragment.length();
            if (end > from && start < to)
                notes.append({start, end, fragment.charFormat().stringProperty(HeldTextProperty),
                              fragment.charFormat().boolProperty(HeldIsHtmlProperty)});
        }
    }
    return notes;
}

// Puts every held-back rest in place of its note; false when there was none.
bool restoreHeld(QTextDocument *document)
{
    const QList<HeldNote> notes = heldNotes(document);
    QTextCursor cursor(document);
    for (auto it = notes.crbegin(); it != notes.crend(); ++it) {
        cursor.setPosition(it->start);
        cursor.setPosition(it->end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        if (it->html)
            cursor.insertHtml(ZELMarkupBounds::shallow(it->text));
        else
            cursor.insertText(it->text);
    }
    return !notes.isEmpty();
}

} // namespace

ZELMessageBrowser::ZELMessageBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    // A word longer than the line breaks where the line ends, not where
    // characters would have been added to the text.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl &url) { ZELLinkRule::open(url); });
}

void ZELMessageBrowser::appendMessage(const QString &text)
{
    appendParagraph([this, &text](QTextCursor &cursor) { insertMessage(cursor, text); });
}

void ZELMessageBrowser::appendParagraph(const std::function<void(QTextCursor &)> &insert)
{
    QScrollBar *bar = verticalScrollBar();
    const bool atBottom = bar->value() >= bar->maximum();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    // As QTextEdit::append, but the new paragraph always starts plain:
    // wherever the user clicked, a message never takes on a row's colour.
    if (!document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    insert(cursor);
    cursor.endEditBlock();
    if (atBottom)
        bar->setValue(bar->maximum());
}

void ZELMessageBrowser::showMessage(const QString &text)
{
    clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    insertMessage(cursor, text);
    cursor.endEditBlock();
}

void ZELMessageBrowser::insertMessage(QTextCursor &cursor, const QString &text)
{
    const bool html = Qt::mightBeRichText(text);
    const ZELTextBounds::Bounded bounded =
        ZELTextBounds::bounded(html ? ZELMarkupBounds::shallow(text) : text, html);
    const int start = cursor.position();
    if (html)
        cursor.insertHtml(bounded.shown);
    else
        cursor.insertText(bounded.shown);
    showRefusedLinksAsText(start, cursor.position());
    if (bounded.rest.isEmpty())
        return;
    QTextCharFormat note;
    note.setFontItalic(true);
    note.setForeground(QColor(Qt::darkGray));
    note.setProperty(HeldTextProperty, bounded.rest);
    note.setProperty(HeldIsHtmlProperty, html);
    cursor.insertText(ZELTextBounds::heldBackNote(bounded.omitted), note);
    cursor.setCharFormat(QTextCharFormat());
}

void ZELMessageBrowser::showRefusedLinksAsText(int from, int to)
{
    QTextCursor cursor(document());
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!fragment.isValid() || !format.isAnchor() || format.anchorHref().isEmpty()
                || ZELLinkRule::opensOnClick(QUrl(format.anchorHref())))
                continue;
            format.setAnchor(false);
            format.clearProperty(QTextFormat::AnchorHref);
            format.setFontUnderline(false);
            format.clearForeground();
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

QString ZELMessageBrowser::wholeHtml() const
{
    // Copies live under the document, so what they load is asked of this view.
    std::unique_ptr<QTextDocument> whole(document()->clone(document()));
    return restoreHeld(whole.get()) ? whole->toHtml() : document()->toHtml();
}

QString ZELMessageBrowser::wholePlainText() const
{
    std::unique_ptr<QTextDocument> whole(document()->clone(document()));
    return restoreHeld(whole.get()) ? whole->toPlainText() : document()->toPlainText();
}

QMimeData *ZELMessageBrowser::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    if (heldNotes(document(), selection.selectionStart(), selection.selectionEnd()).isEmpty())
        return QTextBrowser::createMimeDataFromSelection();
    // A note in the selection is copied as the text it stands for.
    QTextDocument whole(document());
    QTextCursor(&whole).insertFragment(selection.selection());
    restoreHeld(&whole);
    auto *data = new QMimeData;
    data->setHtml(whole.toHtml());
    data->setText(whole.toPlainText());
    return data;
}

QVariant ZELMessageBrowser::loadResource(int type, const QUrl &name)
{
    // Never empty: an empty answer makes the toolkit open the source itself.
    return ZELLinkRule::resource(type, name);
}
