#include "style/zeltextbounds.h"

#include <QLabel>
#include <QTableWidgetItem>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>

namespace {

const QChar kEllipsis(0x2026);
const int kWireNameRole = Qt::UserRole + 1;
const char kWireNameProperty[] = "zelWireName";
const QChar kZeroWidthSpace(0x200B);
// A tag longer than this is taken for text: a '<' with no '>' in sight must
// not hide the rest of the message from the break points.
const qsizetype kLongestTag = 4096;
const qsizetype kLongestEntity = 12;

// Cut at `at` or one earlier, so a surrogate pair stays whole.
qsizetype safeCut(const QString &text, qsizetype at)
{
    if (at > 0 && at < text.size() && text.at(at).isLowSurrogate())
        return at - 1;
    return at;
}

bool isBreak(QChar c)
{
    return c.isSpace() || c == kZeroWidthSpace;
}

// Length of the entity at `at` ("&amp;", "&#8206;"), 0 when there is none.
qsizetype entityLength(const QString &text, qsizetype at)
{
    const qsizetype end = std::min(text.size(), at + kLongestEntity);
    for (qsizetype i = at + 1; i < end; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(';'))
            return i > at + 1 ? i - at + 1 : 0;
        if (!c.isLetterOrNumber() && c != QLatin1Char('#'))
            return 0;
    }
    return 0;
}

bool opensTag(const QString &text, qsizetype at)
{
    if (at + 1 >= text.size())
        return false;
    const QChar next = text.at(at + 1);
    return next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!') || next == QLatin1Char('?');
}

// How many characters from `from` on are neither '<', '&' nor half of a
// surrogate pair: each of them is one character, whatever the text is.
qsizetype plainRun(const QString &text, qsizetype from)
{
    const char16_t *data = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype size = text.size();
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i open = _mm_set1_epi16('<');
    const __m128i amp = _mm_set1_epi16('&');
    const __m128i surrogateMask = _mm_set1_epi16(short(0xF800));
    const __m128i surrogate = _mm_set1_epi16(short(0xD800));
    while (i + 8 <= size) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i special = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi16(units, open), _mm_cmpeq_epi16(units, amp)),
            _mm_cmpeq_epi16(_mm_and_si128(units, surrogateMask), surrogate));
        const uint bits = uint(_mm_movemask_epi8(special));
        if (bits)
            return i + qCountTrailingZeroBits(bits) / 2 - from;
        i += 8;
    }
#endif
    while (i < size && data[i] != u'<' && data[i] != u'&' && (data[i] & 0xF800) != 0xD800)
        ++i;
    return i - from;
}

QString omittedNote(qsizetype omitted, bool html)
{
    const QString note = kEllipsis + QStringLiteral(" (") + QString::number(omitted)
                         + QStringLiteral(" more characters not shown)");
    return html ? QStringLiteral("<br><i>") + note + QStringLiteral("</i>") : QStringLiteral("\n") + note;
}

// Walks a body once. With `bounded` null, every BreakEvery characters without
// a break point get a zero-width space and the text ends at `limit`, with a
// note of what was left out. With `bounded` given, nothing is added: the text
// is cut where `limit` is reached or a run without a break point grows past
// LongestRun, and the source from there on is handed back whole.
QString breakable(const QString &text, int limit, bool html, ZELTextBounds::Bounded *bounded = nullptr)
{
    QString out;
    out.reserve(std::min<qsizetype>(text.size(), qsizetype(limit) * 2) + 64);
    qsizetype run = 0;     // visible characters since the last break point
    qsizetype shown = 0;   // visible characters written
    qsizetype omitted = 0; // visible characters past the limit
    qsizetype tagEnd = -1; // the next '>' at or after a tag's '<'
    qsizetype cutAt = -1;  // where the held-back source begins
    bool noTagsLeft = false;
    // Tags count towards a budget of their own: a body of nothing but tags is bounded too.
    const qsizetype outputBudget = qsizetype(limit) * 4;
    const auto full = [&]() {
        return bounded ? cutAt >= 0 : shown >= limit || out.size() >= outputBudget;
    };
    qsizetype i = 0;
    while (i < text.size()) {
        if (full()) {
            // Past the limit only the count is wanted: a body of any length is
            // counted in one quick pass, markup and pairs still one by one.
            const qsizetype plain = plainRun(text, i);
            omitted += plain;
            i += plain;
            if (i >= text.size())
                break;
        }
        const QChar c = text.at(i);
        if (html && c == QLatin1Char('<') && !noTagsLeft && opensTag(text, i)) {
            if (tagEnd < i) {
                tagEnd = text.indexOf(QLatin1Char('>'), i);
                noTagsLeft = tagEnd == -1;
            }
            if (!noTagsLeft && tagEnd - i <= kLongestTag) {
                if (bounded && !full() && out.size() >= outputBudget)
                    cutAt = i;
                if (!full())
                    out += QStringView(text).mid(i, tagEnd - i + 1);
                i = tagEnd + 1;
                continue;
            }
        }
        qsizetype unit = 1;
        if (html && c == QLatin1Char('&'))
            unit = std::max<qsizetype>(1, entityLength(text, i));
        else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            unit = 2;

        if (bounded && !full()) {
            // Cut before a visible character, so the held-back part begins
            // with it and no space is lost at the seam.
            const bool over = shown >= limit || run >= ZELTextBounds::LongestRun;
            if (isBreak(c) ? out.size() >= outputBudget : over)
                cutAt = i;
        }
        if (full()) {
            ++omitted;
            i += unit;
            continue;
        }
        if (isBreak(c)) {
            run = 0;
        } else {
            // A long run of combining marks may be broken too, or it is one endless cluster.
            const bool mark = c.isMark() && run < 2 * qsizetype(ZELTextBounds::BreakEvery);
            if (!bounded && run >= ZELTextBounds::BreakEvery && !mark) {
                out += kZeroWidthSpace;
                run = 0;
            }
            ++run;
        }
        out += QStringView(text).mid(i, unit);
        ++shown;
        i += unit;
    }
    if (bounded) {
        bounded->omitted = omitted;
        bounded->rest = cutAt >= 0 ? text.mid(cutAt) : QString();
    } else if (omitted > 0) {
        out += omittedNote(omitted, html);
    }
    return out;
}

} // namespace

QString ZELTextBounds::elided(const QString &text, int limit)
{
    if (limit <= 0)
        return QString();
    if (text.size() <= limit)
        return text;
    return text.left(safeCut(text, limit - 1)) + kEllipsis;
}

namespace {

bool isFormatControl(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Format:
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// The first `count` characters of the text that are no format controls, and
// whether any were left after them. Reads no further than it needs.
QString cleanHead(const QString &text, qsizetype count, bool *more)
{
    QString out;
    out.reserve(std::min(text.size(), count));
    qsizetype i = 0;
    for (; i < text.size() && out.size() < count; ++i) {
        if (!isFormatControl(text.at(i)))
            out += text.at(i);
    }
    for (; i < text.size() && more && !*more; ++i)
        *more = !isFormatControl(text.at(i));
    return out;
}

// The last `count` such characters, read from the end.
QString cleanTail(const QString &text, qsizetype count)
{
    QString reversed;
    for (qsizetype i = text.size() - 1; i >= 0 && reversed.size() < count; --i) {
        if (!isFormatControl(text.at(i)))
            reversed += text.at(i);
    }
    std::reverse(reversed.begin(), reversed.end());
    // A pair cut at the start of the tail is dropped whole.
    if (!reversed.isEmpty() && reversed.at(0).isLowSurrogate())
        reversed.remove(0, 1);
    return reversed;
}

} // namespace

QString ZELTextBounds::withoutFormatControls(const QString &text)
{
    return cleanHead(text, text.size(), nullptr);
}

QString ZELTextBounds::shownFileName(const QString &wireName)
{
    // Only as much of a long name is read as can be shown.
    bool more = false;
    const QString head = cleanHead(wireName, FileNameLength, &more);
    if (!more)
        return head;
    // The end, with the extension, stays in sight.
    const qsizetype tail = 24;
    const qsizetype headLength = safeCut(head, FileNameLength - tail - 1);
    return head.left(headLength) + kEllipsis + cleanTail(wireName, tail);
}

QString ZELTextBounds::breakableHtml(const QString &html, int limit)
{
    return breakable(html, limit, true);
}

QString ZELTextBounds::breakablePlain(const QString &text, int limit)
{
    return breakable(text, limit, false);
}

ZELTextBounds::Bounded ZELTextBounds::bounded(const QString &text, bool html, int limit)
{
    Bounded result;
    result.shown = breakable(text, limit, html, &result);
    return result;
}

QString ZELTextBounds::heldBackNote(qsizetype omitted)
{
    return kEllipsis + QStringLiteral(" (") + QString::number(omitted)
           + QStringLiteral(" more characters not shown; copy or save the conversation for the whole message)");
}

void ZELTextBounds::setFileName(QTableWidgetItem *item, const QString &wireName)
{
    item->setText(shownFileName(wireName));
    item->setData(kWireNameRole, wireName);
}

void ZELTextBounds::setShownText(QTableWidgetItem *item, const QString &fullText, int limit)
{
    item->setText(elided(fullText, limit));
    item->setData(kWireNameRole, fullText);
}

void ZELTextBounds::setFileName(QLabel *label, const QString &wireName)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(shownFileName(wireName));
    label->setProperty(kWireNameProperty, wireName);
}

QString ZELTextBounds::wireName(const QTableWidgetItem *item)
{
    if (!item)
        return QString();
    const QVariant kept = item->data(kWireNameRole);
    return kept.isValid() ? kept.toString() : item->text();
}

QString ZELTextBounds::wireName(const QLabel *label)
{
    if (!label)
        return QString();
    const QVariant kept = label->property(kWireNameProperty);
    // A label set as plain text since holds no kept name for it.
    if (kept.isValid() && label->text() == shownFileName(kept.toString()))
        return kept.toString();
    return label->text();
}
