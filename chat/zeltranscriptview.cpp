#include "chat/zeltranscriptview.h"

#include "style/zeltextbounds.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

// One piece of a row cell: its text and how it looks.
struct RowPiece
{
    QString text;
    QTextCharFormat format;
};

struct FlatRow
{
    QBrush background;
    Qt::Alignment alignment = Qt::AlignLeft; // of a row with one cell
    QList<QList<RowPiece>> cells;
    bool rule = false;
};

bool isRuleBlock(const QTextBlock &block)
{
    return block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
}

// Reads a row the client composes: a single one-row table of at most two
// cells holding text and pictures, with nothing else beside it.
bool readRow(const QTextDocument &scratch, FlatRow *row)
{
    const QList<QTextFrame *> frames = scratch.rootFrame()->childFrames();
    if (frames.size() != 1)
        return false;
    const auto *table = qobject_cast<const QTextTable *>(frames.first());
    if (!table || table->rows() != 1 || table->columns() < 1 || table->columns() > 2
        || !table->childFrames().isEmpty())
        return false;
    for (QTextFrame::iterator it = scratch.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (it.currentBlock().isValid() && !it.currentBlock().text().isEmpty())
            return false; // text outside the table
    }

    row->background = table->format().background();
    for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(0, column);
        if (row->background.style() == Qt::NoBrush)
            row->background = cell.format().background();
        QList<RowPiece> pieces;
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
            const QTextBlock block = it.currentBlock();
            if (!block.isValid())
                return false;
            if (isRuleBlock(block)) {
                row->rule = true;
                continue;
            }
            if (pieces.isEmpty())
                row->alignment = block.blockFormat().alignment();
            if (!pieces.isEmpty() && !block.text().isEmpty())
                pieces.append({QStringLiteral(" "), pieces.last().format});
            for (QTextBlock::iterator f = block.begin(); !f.atEnd(); ++f) {
                const QTextFragment fragment = f.fragment();
                if (fragment.isValid())
                    pieces.append({fragment.text(), fragment.charFormat()});
            }
        }
        row->cells.append(pieces);
    }
    return true;
}

void insertPieces(QTextCursor &cursor, const QList<RowPiece> &pieces)
{
    for (const RowPiece &piece : pieces) {
        if (piece.format.isImageFormat()) {
            for (qsizetype i = 0; i < piece.text.size(); ++i)
                cursor.insertImage(piece.format.toImageFormat());
        } else {
            cursor.insertText(piece.text, piece.format);
        }
    }
}

} // namespace

ZELTranscriptView::ZELTranscriptView(QWidget *parent)
    : ZELMessageBrowser(parent)
{
    m_tabTimer.setSingleShot(true);
    m_tabTimer.setInterval(50);
    connect(&m_tabTimer, &QTimer::timeout, this, &ZELTranscriptView::updateRightTabs);
    // Anything but an append at the end may move what the heading search has seen.
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
        if (removed > 0 || position < document()->characterCount() - added - 1)
            forgetHeadings();
    });
}

void ZELTranscriptView::append(const QString &html)
{
    // A row or message written while a stored conversation is still being
    // laid out comes after it.
    afterConversation([this, html] {
        QScrollBar *bar = verticalScrollBar();
        const bool atBottom = bar->value() >= bar->maximum();
        if (appendFlatRow(html)) {
            if (atBottom)
                bar->setValue(bar->maximum());
            return;
        }
        appendParagraph([html](QTextCursor &cursor) {
            if (Qt::mightBeRichText(html))
                cursor.insertHtml(html);
            else
                cursor.insertText(html);
        });
    });
}

bool ZELTranscriptView::appendFlatRow(const QString &html)
{
    if (!html.contains(QLatin1String("<table"), Qt::CaseInsensitive))
        return false;
    // Under the transcript's document, so what the row names is asked of the view.
    QTextDocument scratch(document());
    scratch.setDefaultFont(document()->defaultFont());
    scratch.setHtml(html);
    FlatRow row;
    if (!readRow(scratch, &row))
        return false;

    QTextBlockFormat paragraph;
    if (row.background.style() != Qt::NoBrush)
        paragraph.setBackground(row.background);
    if (row.cells.size() > 1) {
        if (!qFuzzyCompare(rightTabPosition(), m_tabPosition))
            updateRightTabs();
        paragraph.setTabPositions({QTextOption::Tab(m_tabPosition, QTextOption::RightTab)});
    }
    if (row.cells.size() == 1)
        paragraph.setAlignment(row.alignment);
    if (row.rule)
        paragraph.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                              QTextLength(QTextLength::PercentageLength, 100));

    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    // The first paragraph of the transcript stays empty, as before a table.
    cursor.insertBlock(paragraph, QTextCharFormat());
    insertPieces(cursor, row.cells.value(0));
    if (row.cells.size() > 1) {
        const QList<RowPiece> &time = row.cells.at(1);
        cursor.insertText(QStringLiteral("\t"), time.isEmpty() ? QTextCharFormat() : time.first().format);
        insertPieces(cursor, time);
    }
    cursor.endEditBlock();
    return true;
}

int ZELTranscriptView::lastHeading(const QString &name)
{
    // Headings carry names bounded for display: look for the same form.
    const QString needle = ZELTextBounds::shownName(name) + QStringLiteral(" says ::");
    Heading &heading = m_headings[needle];
    QTextDocument *doc = document();
    const int end = doc->characterCount();
    int from = qMax(0, heading.searchedTo - int(needle.size()));
    for (;;) {
        const QTextCursor found = doc->find(needle, from, QTextDocument::FindCaseSensitively);
        if (found.isNull())
            break;
        heading.lastPosition = found.selectionStart();
        from = found.selectionStart() + 1;
    }
    heading.searchedTo = end;
    return heading.lastPosition;
}

void ZELTranscriptView::forgetHeadings()
{
    m_headings.clear();
}

qreal ZELTranscriptView::rightTabPosition() const
{
    const qreal margins = 2 * document()->documentMargin() + 4;
    return qMax<qreal>(40, viewport()->width() - margins);
}

void ZELTranscriptView::resizeEvent(QResizeEvent *event)
{
    QTextBrowser::resizeEvent(event);
    if (!qFuzzyCompare(rightTabPosition(), m_tabPosition))
        m_tabTimer.start();
}

// Moves the time of every row to the new right edge, in one edit.
void ZELTranscriptView::updateRightTabs()
{
    const qreal position = rightTabPosition();
    if (qFuzzyCompare(position, m_tabPosition))
        return;
    m_tabPosition = position;
    const QList<QTextOption::Tab> tabs{QTextOption::Tab(position, QTextOption::RightTab)};
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.tabPositions().isEmpty())
            continue;
        format.setTabPositions(tabs);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}
