#include "style/zelconversationreader.h"

#include <QTextDocument>

namespace {

// The text of every heading row, after the speaker's name.
const QLatin1String kHeadingMarker("says ::");
// A tag longer than this is read as text, as the bound reads it.
const qsizetype kLongestReadTag = 4096;

bool isBlank(QStringView text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

// The '>' that ends the tag opening at `at`, -1 when `at` opens none.
qsizetype tagEndAt(const QString &text, qsizetype at)
{
    if (at + 1 >= text.size())
        return -1;
    const QChar next = text.at(at + 1);
    if (!next.isLetter() && next != QLatin1Char('/') && next != QLatin1Char('!') && next != QLatin1Char('?'))
        return -1;
    const qsizetype end = text.indexOf(QLatin1Char('>'), at);
    return end >= 0 && end - at <= kLongestReadTag ? end : -1;
}

bool isRule(QStringView tag)
{
    return tag.size() >= 3 && tag.mid(1, 2).compare(QLatin1String("hr"), Qt::CaseInsensitive) == 0
           && (tag.size() == 4 || !tag.at(3).isLetterOrNumber());
}

} // namespace

ZELConversationReader::ZELConversationReader(const QString &conversation)
    : m_text(conversation)
    , m_html(Qt::mightBeRichText(conversation))
    , m_markup(conversation)
    , m_context(QStringLiteral(""))
{
}

ZELConversationReader::Message ZELConversationReader::next()
{
    return m_html ? nextHtml() : nextPlain();
}

double ZELConversationReader::progress() const
{
    return m_text.isEmpty() ? 1.0 : double(m_start) / double(m_text.size());
}

ZELConversationReader::Message ZELConversationReader::nextHtml()
{
    const qsizetype size = m_text.size();
    // A row begins a message only after one with text of its own.
    const auto mayCut = [this] {
        return m_row > m_start && m_firstText >= 0 && m_firstText < m_row && !m_rowContext.isNull();
    };
    while (m_scan < size) {
        const qsizetype open = m_text.indexOf(QLatin1Char('<'), m_scan);
        const qsizetype runEnd = open < 0 ? size : open;
        if (runEnd > m_scan) {
            const QStringView run = QStringView(m_text).mid(m_scan, runEnd - m_scan);
            if (!isBlank(run)) {
                // Text of the top level, outside any block, is a row of its own.
                if (!m_markup.insideBlock() && (m_row < 0 || !m_rowIsText))
                    startRow(m_scan, true);
                if (m_firstText < 0)
                    m_firstText = m_scan;
                if (m_rowText < 0 && m_row >= 0)
                    m_rowText = m_scan;
                if (mayCut() && run.contains(kHeadingMarker)) {
                    m_scan = runEnd;
                    return messageUpTo(m_row, m_rowContext);
                }
            }
        }
        if (open < 0) {
            m_scan = size;
            break;
        }
        const qsizetype close = tagEndAt(m_text, open);
        if (close < 0) {
            m_scan = open + 1;
            continue;
        }
        qsizetype sheetStart = -1;
        qsizetype sheetEnd = -1;
        if (ZELOpenMarkup::opensSheet(m_text, open, close, &m_nextSheetClose, &sheetStart, &sheetEnd)) {
            // A style sheet is markup, not text of a message.
            m_markup.take(open, close);
            m_markup.take(sheetStart, sheetEnd);
            m_scan = sheetEnd + 1;
            continue;
        }
        const QStringView tag = QStringView(m_text).mid(open, close + 1 - open);
        bool rule = false;
        if (!m_markup.insideBlock() && ZELOpenMarkup::opensBlock(tag)) {
            startRow(open, false);
            rule = isRule(tag);
        }
        m_markup.take(open, close);
        m_scan = close + 1;
        // A continuation row is a rule of its own.
        if (rule && mayCut())
            return messageUpTo(m_row, m_rowContext);
    }
    return messageUpTo(size, QString());
}

void ZELConversationReader::startRow(qsizetype at, bool text)
{
    m_row = at;
    m_rowContext = m_markup.context();
    m_rowIsText = text;
    m_rowText = -1;
}

ZELConversationReader::Message ZELConversationReader::nextPlain()
{
    const qsizetype size = m_text.size();
    while (m_scan < size) {
        const qsizetype lineStart = m_scan;
        const qsizetype newline = m_text.indexOf(QLatin1Char('\n'), m_scan);
        m_scan = newline < 0 ? size : newline + 1;
        if (lineStart > m_start && QStringView(m_text).mid(lineStart, m_scan - lineStart).contains(kHeadingMarker))
            return messageUpTo(lineStart, QStringLiteral(""));
    }
    return messageUpTo(size, QString());
}

ZELConversationReader::Message ZELConversationReader::rest()
{
    m_scan = m_text.size();
    return messageUpTo(m_text.size(), QString());
}

ZELConversationReader::Message ZELConversationReader::messageUpTo(qsizetype cut, const QString &nextContext)
{
    Message message;
    message.start = m_start;
    message.end = cut;
    if (m_html) {
        // Space between blocks is no text of either.
        while (message.end > message.start && m_text.at(message.end - 1).isSpace())
            --message.end;
        message.prefix = prefixFor(m_start, m_context);
    }
    m_start = cut;
    m_context = nextContext;
    // Text already read past the cut belongs to the next message.
    m_firstText = m_rowText;
    return message;
}

QString ZELConversationReader::prefixFor(qsizetype start, const QString &context) const
{
    if (start == 0)
        return context;
    qsizetype first = start;
    while (first < m_text.size() && m_text.at(first).isSpace())
        ++first;
    const qsizetype close = first < m_text.size() ? tagEndAt(m_text, first) : -1;
    // A table begins a frame of its own after whatever is before it.
    if (close >= 0 && ZELOpenMarkup::opensTable(QStringView(m_text).mid(first, close + 1 - first)))
        return context;
    // Its first paragraph keeps its own format (background, margins) instead
    // of running on in the one before it.
    return context + ZELOpenMarkup::paragraphStart();
}
