#include "style/zelmessagebrowser.h"

#include "style/zelconversationreader.h"
#include "style/zellinkrule.h"
#include "style/zelmarkupbounds.h"
#include "style/zelopenmarkup.h"
#include "style/zelpdfexport.h"
#include "style/zeltextbounds.h"

#include <QElapsedTimer>
#include <QMimeData>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <utility>

namespace {

// The held-back source of a message, on the note that stands for it, and
// whether it is markup or plain text.
const int HeldTextProperty = QTextFormat::UserProperty + 0x2E1;
const int HeldIsHtmlProperty = QTextFormat::UserProperty + 0x2E2;
// What was open where the held-back source was cut (ZELOpenMarkup::context()).
const int HeldContextProperty = QTextFormat::UserProperty + 0x2E3;

// Messages within their bounds are inserted together, one import for many:
// as many characters of source as take about ChunkMilliseconds to lay out.
const int ChunkMilliseconds = 5;
// What one insert may hold the window for when its fixed cost is over the aim.
const int HoldAimMilliseconds = 40;
const qsizetype MinChunk = 256;
const qsizetype MaxChunk = 32 * 1024;
// Longer than any message within the bounds can be.
const qsizetype MessageCheckedWhole = 8 * qsizetype(ZELTextBounds::BodyLength);

// The characters of markup outside its tags: about what it shows.
qsizetype textCharacters(QStringView html)
{
    qsizetype count = 0;
    bool inTag = false;
    for (const QChar c : html) {
        if (c == QLatin1Char('<'))
            inTag = true;
        else if (c == QLatin1Char('>'))
            inTag = false;
        else if (!inTag)
            ++count;
    }
    return count;
}

struct HeldNote
{
    int start;
    int end;
    QString text;
    bool html;
    QString context;
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
                              fragment.charFormat().boolProperty(HeldIsHtmlProperty),
                              fragment.charFormat().stringProperty(HeldContextProperty)});
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
        if (it->html) {
            // Cut where a paragraph began: it begins one again.
            const bool paragraph = ZELOpenMarkup::blockAfterClosings(it->text) >= 0;
            cursor.insertHtml((paragraph ? ZELOpenMarkup::paragraphStart() : QString())
                              + ZELMarkupBounds::shallow(it->context + it->text));
        } else {
            cursor.insertText(it->text);
        }
    }
    return !notes.isEmpty();
}

// Gives each note marked with `mark` + its index its held text back.
void restoreMarkedNotes(QTextDocument *document, const QString &mark, const QList<HeldNote> &notes,
                        const QStringList &noteTexts)
{
    struct Found
    {
        int position;
        qsizetype note;
        QTextCharFormat format;
    };
    QList<Found> found;
    for (QTextBlock block = document->begin(); block.isValid() && !notes.isEmpty(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString name = fragment.charFormat().anchorNames().value(0);
            if (!fragment.isValid() || !name.startsWith(mark))
                continue;
            bool known = false;
            const qsizetype note = name.mid(mark.size()).toLongLong(&known);
            if (known && note >= 0 && note < notes.size())
                found.append({fragment.position(), note, fragment.charFormat()});
        }
    }
    QTextCursor cursor(document);
    for (Found &at : found) {
        const HeldNote &note = notes.at(at.note);
        cursor.setPosition(at.position);
        cursor.setPosition(at.position + note.end - note.start, QTextCursor::KeepAnchor);
        if (cursor.selectedText() != noteTexts.at(at.note))
            continue;
        at.format.clearProperty(QTextFormat::IsAnchor);
        at.format.clearProperty(QTextFormat::AnchorName);
        at.format.setProperty(HeldTextProperty, note.text);
        at.format.setProperty(HeldIsHtmlProperty, note.html);
        if (!note.context.isEmpty())
            at.format.setProperty(HeldContextProperty, note.context);
        cursor.setCharFormat(at.format);
    }
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
    m_nextSlice.setSingleShot(true);
    m_nextSlice.setInterval(0);
    connect(&m_nextSlice, &QTimer::timeout, this, [this] { showSlice(SliceMilliseconds); });
    // Whatever replaces the document (clear(), setHtml()) ends the
    // conversation being shown, and what was to come after it.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (m_conversation && !m_insertingConversation && removed > 0 && removed != added)
            dropConversation();
    });
}

ZELMessageBrowser::~ZELMessageBrowser() = default;

void ZELMessageBrowser::appendMessage(const QString &text)
{
    appendParagraph([this, text](QTextCursor &cursor) { insertMessage(cursor, text); });
}

void ZELMessageBrowser::appendParagraph(const std::function<void(QTextCursor &)> &insert)
{
    afterConversation([this, insert] {
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
    });
}

void ZELMessageBrowser::afterConversation(const std::function<void()> &edit)
{
    if (m_conversation)
        m_afterConversation.append(edit);
    else
        edit();
}

void ZELMessageBrowser::showConversation(const QString &text)
{
    startConversation(text, true, {});
}

void ZELMessageBrowser::startConversation(const QString &text, bool bounded, const std::function<void()> &whenShown)
{
    dropConversation();
    clear();
    m_conversation = std::make_unique<ZELConversationReader>(text);
    m_boundConversation = bounded;
    m_conversationTables = 0;
    m_whenShown = whenShown;
    showSlice(SliceMilliseconds);
}

void ZELMessageBrowser::finishConversation()
{
    if (m_conversation)
        showSlice(-1);
}

// Lays out messages until the budget is spent (none with a negative budget);
// the next slice follows once the event loop has run.
void ZELMessageBrowser::showSlice(qint64 budgetMs)
{
    m_nextSlice.stop();
    QElapsedTimer slice;
    slice.start();
    QScrollBar *bar = verticalScrollBar();
    const bool atBottom = bar->value() >= bar->maximum();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    m_insertingConversation = true;
    while (m_conversation && !m_conversation->atEnd() && (budgetMs < 0 || slice.elapsed() < budgetMs))
        insertConversationPart(cursor);
    m_insertingConversation = false;
    if (atBottom)
        bar->setValue(bar->maximum());
    if (!m_conversation)
        return;
    if (m_conversation->atEnd())
        endConversation();
    else
        m_nextSlice.start();
}

// Inserts the next messages within their bounds together, or one message
// over them on its own, behind its note.
void ZELMessageBrowser::insertConversationPart(QTextCursor &cursor)
{
    ZELConversationReader &reader = *m_conversation;
    const bool html = reader.isHtml();
    qsizetype chunkStart = -1;
    qsizetype chunkEnd = -1;
    QString chunkPrefix;
    const auto insertChunk = [&] {
        if (chunkStart < 0)
            return;
        ZELTextBounds::Bounded within;
        within.shown = chunkPrefix + reader.text().mid(chunkStart, chunkEnd - chunkStart);
        timedInsert(cursor, within, html);
        chunkStart = -1;
    };
    while (!reader.atEnd()) {
        const ZELConversationReader::Message message = reader.next();
        const QStringView source = reader.source(message);
        if (source.trimmed().isEmpty())
            continue;
        // Every table (a server's heading row is one) makes each later insert
        // cost more to lay out: past more tables than any day holds, the rest
        // of the conversation waits behind one note, kept whole for a copy or
        // a save.
        if (m_boundConversation && html) {
            m_conversationTables += source.count(QLatin1String("<table"), Qt::CaseInsensitive);
            if (m_conversationTables > MaxConversationTables) {
                insertChunk();
                ZELTextBounds::Bounded held;
                held.rest = message.prefix + reader.text().mid(message.start);
                held.omitted = textCharacters(QStringView(reader.text()).mid(message.start));
                reader.rest();
                timedInsert(cursor, held, html);
                return;
            }
        }
        // A message longer than any within the bounds goes straight to them.
        const bool surelyOver = source.size() > MessageCheckedWhole;
        if (!m_boundConversation
            || (!surelyOver && ZELTextBounds::bounded(source.toString(), html).rest.isEmpty())) {
            if (chunkStart < 0) {
                chunkStart = message.start;
                chunkPrefix = message.prefix;
            }
            chunkEnd = message.end;
            if (chunkEnd - chunkStart >= m_chunkCharacters)
                break;
            continue;
        }
        insertChunk();
        // The whole conversation as one message is bounded without a copy of it.
        const bool whole = message.start == 0 && message.end == reader.text().size() && message.prefix.isEmpty();
        QString text;
        if (whole) {
            text = reader.text();
        } else {
            text.reserve(message.prefix.size() + source.size());
            text += message.prefix;
            text += source;
        }
        timedInsert(cursor, ZELTextBounds::bounded(text, html), html);
        return;
    }
    insertChunk();
}

// Inserts a part and sizes the next chunk so that it takes about
// ChunkMilliseconds, whatever the markup costs to lay out. An insert costs a
// part that grows with its characters and a part that does not: the layout
// walks every frame (every table) of the document to find where the change
// begins, so in a document of many tables the fixed part is most of it. Read
// from two inserts of different sizes, the fixed part is paid for as many
// characters as fit beside it, or, once it alone is over the aim, for as many
// as keep the insert within HoldAimMilliseconds: fewer, larger inserts.
void ZELMessageBrowser::timedInsert(QTextCursor &cursor, const ZELTextBounds::Bounded &bounded, bool html)
{
    QElapsedTimer timer;
    timer.start();
    insertBounded(cursor, bounded, html);
    const double nanoseconds = double(std::max<qint64>(1, timer.nsecsElapsed()));
    const double characters = double(std::max<qsizetype>(1, bounded.shown.size()));
    if (m_chunkCost.characters > 0 && std::abs(characters - m_chunkCost.characters) >= characters / 4) {
        const double slope = (nanoseconds - m_chunkCost.nanoseconds) / (characters - m_chunkCost.characters);
        if (slope > 0)
            m_chunkCost.perCharacter = slope;
    }
    if (m_chunkCost.perCharacter <= 0)
        m_chunkCost.perCharacter = nanoseconds / characters;
    m_chunkCost.characters = characters;
    m_chunkCost.nanoseconds = nanoseconds;
    const double fixed = std::max(0.0, nanoseconds - m_chunkCost.perCharacter * characters);
    const double aim = ChunkMilliseconds * 1e6;
    const double room = fixed < aim ? aim - fixed : std::max(aim, HoldAimMilliseconds * 1e6 - fixed);
    const double fits = room / m_chunkCost.perCharacter;
    m_chunkCharacters = qsizetype(std::clamp(fits, double(MinChunk), double(MaxChunk)));
}

void ZELMessageBrowser::endConversation()
{
    m_conversation.reset();
    if (m_whenShown)
        std::exchange(m_whenShown, {})();
    const QList<std::function<void()>> after = std::exchange(m_afterConversation, {});
    for (const std::function<void()> &edit : after)
        edit();
    emit conversationShown();
}

void ZELMessageBrowser::dropConversation()
{
    m_nextSlice.stop();
    m_conversation.reset();
    m_whenShown = {};
    m_afterConversation.clear();
}

void ZELMessageBrowser::insertMessage(QTextCursor &cursor, const QString &text)
{
    const bool html = Qt::mightBeRichText(text);
    insertBounded(cursor, ZELTextBounds::bounded(html ? ZELMarkupBounds::shallow(text) : text, html), html);
}

void ZELMessageBrowser::insertBounded(QTextCursor &cursor, const ZELTextBounds::Bounded &bounded, bool html)
{
    const int start = cursor.position();
    // Stored and replayed conversations come here a slice at a time: each is
    // made shallow as a single message is.
    if (html)
        cursor.insertHtml(ZELMarkupBounds::shallow(bounded.shown));
    else
        cursor.insertText(bounded.shown);
    showRefusedLinksAsText(start, cursor.position());
    if (bounded.rest.isEmpty())
        return;
    QTextCharFormat note;
    note.setFontItalic(true);
    note.setForeground(QColor(Qt::darkGray));
    // With what was open where it was cut, so that it reads as it did in place.
    note.setProperty(HeldTextProperty, bounded.rest);
    if (!bounded.restContext.isEmpty())
        note.setProperty(HeldContextProperty, bounded.restContext);
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

QString ZELMessageBrowser::wholeHtml()
{
    finishConversation();
    std::unique_ptr<QTextDocument> whole(document()->clone(document()));
    return restoreHeld(whole.get()) ? whole->toHtml() : document()->toHtml();
}

QString ZELMessageBrowser::wholePlainText()
{
    finishConversation();
    std::unique_ptr<QTextDocument> whole(document()->clone(document()));
    return restoreHeld(whole.get()) ? whole->toPlainText() : document()->toPlainText();
}

ZELSafeWrite::Result ZELMessageBrowser::saveWholeAsPdf(const QString &fileName)
{
    finishConversation();
    // A child of the shown document: pictures load through this view's rule.
    std::unique_ptr<QTextDocument> whole(document()->clone(document()));
    restoreHeld(whole.get());
    return ZELPdfExport::write(*whole, fileName);
}

void ZELMessageBrowser::reloadFromHtml()
{
    finishConversation();
    const QList<HeldNote> notes = heldNotes(document());
    // Markup keeps no property of a note: each travels as a named anchor no
    // message can know the name of, and gets its held text back after.
    const QString mark = QStringLiteral("zelheld%1-").arg(QRandomGenerator::global()->generate64(), 0, 16);
    QStringList noteTexts;
    QTextCursor cursor(document());
    for (qsizetype i = 0; i < notes.size(); ++i) {
        cursor.setPosition(notes.at(i).start);
        cursor.setPosition(notes.at(i).end, QTextCursor::KeepAnchor);
        noteTexts << cursor.selectedText();
        QTextCharFormat named;
        named.setAnchor(true);
        named.setAnchorNames({mark + QString::number(i)});
        cursor.mergeCharFormat(named);
    }
    // Read back a slice at a time, as a stored conversation is shown; what
    // it holds was bounded when it was first shown.
    startConversation(toHtml(), false, [this, notes, noteTexts, mark] {
        restoreMarkedNotes(document(), mark, notes, noteTexts);
    });
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
