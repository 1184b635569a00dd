#include "style/zelopenmarkup.h"


namespace {

enum Kind {
    Inline,    // font, b, span, a ...: kept in the context
    Block,     // p, div, pre ...: a block, kept in the context
    Structure, // tables and lists: a block, left out of the context
    Hidden,    // head, title, script: neither shown nor carried on
    Root,      // html, body: kept in the context, no block
    Empty      // br, img, hr ...: never open
};

struct ElementKind
{
    QLatin1String name;
    Kind kind;
};

// Element names as the document's HTML import knows them; any other is inline.
const ElementKind kKinds[] = {
    {QLatin1String("p"), Block}, {QLatin1String("div"), Block}, {QLatin1String("pre"), Block},
    {QLatin1String("blockquote"), Block}, {QLatin1String("center"), Block}, {QLatin1String("h1"), Block},
    {QLatin1String("h2"), Block}, {QLatin1String("h3"), Block}, {QLatin1String("h4"), Block},
    {QLatin1String("h5"), Block}, {QLatin1String("h6"), Block}, {QLatin1String("address"), Block},
    {QLatin1String("table"), Structure}, {QLatin1String("thead"), Structure}, {QLatin1String("tbody"), Structure},
    {QLatin1String("tfoot"), Structure}, {QLatin1String("tr"), Structure}, {QLatin1String("td"), Structure},
    {QLatin1String("th"), Structure}, {QLatin1String("caption"), Structure}, {QLatin1String("ul"), Structure},
    {QLatin1String("ol"), Structure}, {QLatin1String("li"), Structure}, {QLatin1String("dl"), Structure},
    {QLatin1String("dt"), Structure}, {QLatin1String("dd"), Structure}, {QLatin1String("head"), Hidden},
    {QLatin1String("title"), Hidden}, {QLatin1String("script"), Hidden}, {QLatin1String("html"), Root},
    {QLatin1String("body"), Root}, {QLatin1String("br"), Empty}, {QLatin1String("hr"), Empty},
    {QLatin1String("img"), Empty}, {QLatin1String("meta"), Empty}, {QLatin1String("link"), Empty},
    {QLatin1String("input"), Empty}, {QLatin1String("col"), Empty}, {QLatin1String("area"), Empty},
    {QLatin1String("base"), Empty}, {QLatin1String("param"), Empty}, {QLatin1String("embed"), Empty},
    {QLatin1String("source"), Empty}, {QLatin1String("track"), Empty}, {QLatin1String("wbr"), Empty},
};

// Where an element may stand: the import climbs out of anything else first.
struct AllowedParents
{
    const char *name;
    const char *parents[4];
};

const AllowedParents kParents[] = {
    {"td", {"tr"}},
    {"th", {"tr"}},
    {"tr", {"table", "thead", "tbody", "tfoot"}},
    {"thead", {"table"}},
    {"tbody", {"table"}},
    {"tfoot", {"table"}},
    {"caption", {"table"}},
    {"dt", {"dl"}},
    {"dd", {"dt", "dl"}},
};

bool sameName(QStringView name, QLatin1String known)
{
    return name.size() == known.size() && name.compare(known, Qt::CaseInsensitive) == 0;
}

bool sameName(QStringView name, const char *known)
{
    return sameName(name, QLatin1String(known));
}

Kind kindOf(QStringView name)
{
    for (const ElementKind &entry : kKinds) {
        if (sameName(name, entry.name))
            return entry.kind;
    }
    return Inline;
}

bool isBlock(int kind)
{
    return kind == Block || kind == Structure;
}

bool inContext(int kind)
{
    return kind == Inline || kind == Block || kind == Root;
}

// The name of the tag at text[start] ('<'), without a leading '/'.
QStringView tagName(QStringView text, qsizetype start, qsizetype end, bool *closing)
{
    qsizetype i = start + 1;
    *closing = i < end && text.at(i) == QLatin1Char('/');
    if (*closing)
        ++i;
    const qsizetype from = i;
    while (i < end && text.at(i).isLetterOrNumber())
        ++i;
    return text.mid(from, i - from);
}

} // namespace

ZELOpenMarkup::ZELOpenMarkup(const QString &text)
    : m_text(text)
{
}

void ZELOpenMarkup::take(qsizetype start, qsizetype end)
{
    if (start < 0 || end <= start || end >= m_text.size() || m_text.at(start) != QLatin1Char('<'))
        return;
    const QChar first = m_text.at(start + 1);
    if (first == QLatin1Char('!') || first == QLatin1Char('?'))
        return; // a declaration, a comment or an instruction
    bool closing = false;
    const QStringView name = tagName(m_text, start, end, &closing);
    if (name.isEmpty())
        return;
    if (sameName(name, "style")) {
        if (!closing) {
            m_sheetStart = start;
        } else if (m_sheetStart >= 0) {
            const QString sheet = m_text.mid(m_sheetStart, end + 1 - m_sheetStart);
            if (m_sheetLength + sheet.size() <= MaxContextLength / 2 && !m_sheets.contains(sheet)) {
                m_sheets << sheet;
                m_sheetLength += sheet.size();
            }
            m_sheetStart = -1;
        }
        return;
    }
    if (closing) {
        close(name);
        return;
    }
    const Kind kind = kindOf(name);
    if (kind == Empty || m_text.at(end - 1) == QLatin1Char('/'))
        return;
    open(start, end, name, kind);
}

void ZELOpenMarkup::open(qsizetype start, qsizetype end, QStringView name, int kind)
{
    const auto pop = [this]() {
        if (isBlock(m_open.last().kind))
            --m_blocks;
        m_open.removeLast();
    };
    if (m_overflow == 0) {
        // A paragraph ends the one it opens in, across inline elements but
        // not across a block (a message's own body, say); a list item ends
        // the one it opens directly in.
        if (sameName(name, "p")) {
            qsizetype paragraph = m_open.size() - 1;
            while (paragraph >= 0 && !isBlock(m_open.at(paragraph).kind) && !sameName(m_open.at(paragraph).name, "body"))
                --paragraph;
            if (paragraph >= 0 && sameName(m_open.at(paragraph).name, "p")) {
                while (m_open.size() > paragraph)
                    pop();
            }
        } else if (!m_open.isEmpty() && sameName(name, "li") && sameName(m_open.last().name, "li")) {
            pop();
        }
        for (const AllowedParents &allowed : kParents) {
            if (!sameName(name, allowed.name))
                continue;
            const auto fits = [&allowed](QStringView parent) {
                for (const char *candidate : allowed.parents) {
                    if (candidate && sameName(parent, candidate))
                        return true;
                }
                return false;
            };
            while (!m_open.isEmpty() && !fits(m_open.last().name))
                pop();
            break;
        }
    }
    if (m_overflow > 0 || m_open.size() >= MaxDepth) {
        ++m_overflow;
        return;
    }
    m_open.append({start, end, name, kind});
    if (isBlock(kind))
        ++m_blocks;
}

void ZELOpenMarkup::close(QStringView name)
{
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    for (qsizetype i = m_open.size() - 1; i >= 0; --i) {
        if (m_open.at(i).name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        // Closing an element closes everything opened inside it.
        while (m_open.size() > i) {
            if (isBlock(m_open.last().kind))
                --m_blocks;
            m_open.removeLast();
        }
        return;
    }
    // A close without its open is no element's end.
}

bool ZELOpenMarkup::insideBlock() const
{
    return m_blocks > 0 || m_overflow > 0;
}

QString ZELOpenMarkup::context() const
{
    if (m_overflow > 0)
        return QString();
    // Mostly asked again where the same elements are open: given without
    // building it again.
    bool same = m_contextSheets == m_sheets.size();
    qsizetype matched = 0;
    for (qsizetype i = 0; same && i < m_open.size(); ++i) {
        if (!inContext(m_open.at(i).kind))
            continue;
        same = matched < m_contextOf.size() && m_contextOf.at(matched) == m_open.at(i).start;
        ++matched;
    }
    if (same && matched == m_contextOf.size())
        return m_context;

    m_contextOf.clear();
    QString context = m_sheets.join(QString());
    for (const Element &element : m_open) {
        if (!inContext(element.kind))
            continue;
        m_contextOf.append(element.start);
        context += QStringView(m_text).mid(element.start, element.end + 1 - element.start);
    }
    // Empty but not null: nothing is open.
    if (context.isNull())
        context = QStringLiteral("");
    m_context = context.size() <= MaxContextLength ? context : QString();
    m_contextSheets = m_sheets.size();
    return m_context;
}

bool ZELOpenMarkup::opensBlock(QStringView tag)
{
    bool closing = false;
    const QStringView name = tagName(tag, 0, tag.size() - 1, &closing);
    return !closing && !name.isEmpty() && (isBlock(kindOf(name)) || sameName(name, "hr"));
}

bool ZELOpenMarkup::opensTable(QStringView tag)
{
    bool closing = false;
    const QStringView name = tagName(tag, 0, tag.size() - 1, &closing);
    return !closing && sameName(name, "table");
}

bool ZELOpenMarkup::opensSheet(const QString &text, qsizetype start, qsizetype end, qsizetype *nextClose,
                               qsizetype *closeStart, qsizetype *closeEnd)
{
    bool closing = false;
    if (end <= start || text.at(end - 1) == QLatin1Char('/') || !sameName(tagName(text, start, end, &closing), "style")
        || closing)
        return false;
    if (*nextClose == -2 || (*nextClose >= 0 && *nextClose <= end))
        *nextClose = text.indexOf(QLatin1String("</style"), end + 1, Qt::CaseInsensitive);
    if (*nextClose < 0 || *nextClose - end > MaxContextLength)
        return false;
    const qsizetype close = QStringView(text).mid(*nextClose, MaxContextLength).indexOf(QLatin1Char('>'));
    if (close < 0)
        return false;
    *closeStart = *nextClose;
    *closeEnd = *nextClose + close;
    return true;
}

QString ZELOpenMarkup::paragraphStart()
{
    return QStringLiteral("<p style=\"-qt-paragraph-type:empty;\"><br /></p>");
}

qsizetype ZELOpenMarkup::blockAfterClosings(QStringView text)
{
    const qsizetype longestTag = 4096;
    qsizetype i = 0;
    for (int closings = 0; closings <= MaxDepth && i < text.size(); ++closings) {
        while (i < text.size() && text.at(i).isSpace())
            ++i;
        if (i + 1 >= text.size() || text.at(i) != QLatin1Char('<'))
            return -1;
        const qsizetype end = text.mid(i, longestTag).indexOf(QLatin1Char('>'));
        if (end < 0)
            return -1;
        const QStringView tag = text.mid(i, end + 1);
        if (text.at(i + 1) != QLatin1Char('/'))
            return opensBlock(tag) && !opensTable(tag) ? i : -1;
        i += end + 1;
    }
    return -1;
}
