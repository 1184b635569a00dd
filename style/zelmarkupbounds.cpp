#include "style/zelmarkupbounds.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <algorithm>

namespace {

const QLatin1StringView kStartFragment("<!--StartFragment-->");
const QLatin1StringView kEndFragment("<!--EndFragment-->");

enum class TagKind { Declaration, Open, Close };

struct Tag
{
    TagKind kind = TagKind::Declaration;
    QString name;        // lower case, as the import compares names
    bool certain = true; // no quotes, no entities: the import reads the same name
    bool closed = false; // "<br/>": opened and closed at once
    qsizetype end = 0;   // just after the tag
};

struct Word
{
    qsizetype from = 0;
    qsizetype to = 0;
    bool quoted = false;
    bool entity = false;
};

// Reads tags where the toolkit's HTML import reads them: a tag begins at
// every '<', quoted attribute values may hold '>' and '<', and a tag ends at
// the first '>' after its attributes.
class TagReader
{
public:
    explicit TagReader(QStringView text)
        : m_text(text)
    {
    }

    // The tag whose '<' is at `start`.
    Tag tagAt(qsizetype start)
    {
        Tag tag;
        m_pos = start + 1;
        eatSpace();
        if (is(m_pos, u'!')) {
            ++m_pos;
            if (is(m_pos, u'-') && is(m_pos + 1, u'-')) {
                const qsizetype close = m_text.indexOf(u"-->", m_pos + 2);
                m_pos = close >= 0 ? close + 3 : m_text.size();
            } else {
                skipPast(u'>');
            }
            tag.end = m_pos;
            return tag;
        }
        if (is(m_pos, u'/')) {
            ++m_pos;
            const Word name = word();
            tag.kind = TagKind::Close;
            tag.name = m_text.sliced(name.from, name.to - name.from).toString().toLower().trimmed();
            tag.certain = !name.quoted && !name.entity;
            skipPast(u'>');
            tag.end = m_pos;
            return tag;
        }
        const Word name = word();
        tag.kind = TagKind::Open;
        tag.name = m_text.sliced(name.from, name.to - name.from).toString().toLower();
        tag.certain = !name.quoted && !name.entity;
        // Attributes follow only after a space.
        if (m_pos < m_text.size() && m_text[m_pos].isSpace())
            attributes();
        while (m_pos < m_text.size() && m_text[m_pos] != u'>') {
            if (m_text[m_pos] == u'/')
                tag.closed = true;
            ++m_pos;
        }
        m_pos = std::min(m_pos + 1, m_text.size());
        tag.end = m_pos;
        return tag;
    }

private:
    bool is(qsizetype at, char16_t c) const { return at < m_text.size() && m_text[at] == c; }

    void eatSpace()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace() && m_text[m_pos] != QChar::ParagraphSeparator)
            ++m_pos;
    }

    void skipPast(char16_t c)
    {
        while (m_pos < m_text.size() && m_text[m_pos++] != c) {
        }
    }

    // A name or value: in double quotes (an entity inside never holds a
    // quote), in single quotes (one after a backslash does not end it), or
    // up to a space, '<', '=', '>' or "/>".
    Word word()
    {
        Word w;
        if (is(m_pos, u'"')) {
            w.quoted = true;
            w.from = ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u'"')
                ++m_pos;
            w.to = m_pos;
            if (m_pos < m_text.size())
                ++m_pos;
            return w;
        }
        if (is(m_pos, u'\'')) {
            w.quoted = true;
            w.from = ++m_pos;
            while (m_pos < m_text.size()) {
                const QChar c = m_text[m_pos++];
                if (c == u'\'' && m_text[m_pos - 2] != u'\\') {
                    w.to = m_pos - 1;
                    return w;
                }
            }
            w.to = m_pos;
            return w;
        }
        w.from = m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c == u'>' || (c == u'/' && is(m_pos + 1, u'>')) || c == u'<' || c == u'=' || c.isSpace())
                break;
            if (c == u'&')
                w.entity = true;
            ++m_pos;
        }
        w.to = m_pos;
        return w;
    }

    void attributes()
    {
        while (m_pos < m_text.size()) {
            eatSpace();
            if (is(m_pos, u'>') || is(m_pos, u'/'))
                return;
            const Word key = word();
            if (key.to == key.from)
                return;
            eatSpace();
            if (is(m_pos, u'=')) {
                ++m_pos;
                eatSpace();
                word();
            }
        }
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Where the import puts an element itself: which open elements a new one
// closes, and which element it must be opened in. The import would move an
// element opened elsewhere, or make up a table and a row around a lone cell.
struct Placement
{
    const char *name;
    QList<QLatin1StringView> closes;  // open elements, innermost first, that the new one ends
    QList<QLatin1StringView> parents; // the only elements it may open in; empty: any
};

const QList<QLatin1StringView> kTableParts = {QLatin1StringView("td"), QLatin1StringView("th"),
                                              QLatin1StringView("tr"), QLatin1StringView("thead"),
                                              QLatin1StringView("tbody"), QLatin1StringView("tfoot"),
                                              QLatin1StringView("caption")};

const QList<QLatin1StringView> kRowParents = {QLatin1StringView("table"), QLatin1StringView("thead"),
                                              QLatin1StringView("tbody"), QLatin1StringView("tfoot")};

// Elements a paragraph opened inside them stays in: the import ends an open
// paragraph across inline elements only, and across these never.
const QList<QLatin1StringView> kBlocks = {QLatin1StringView("body"), QLatin1StringView("div"),
                                           QLatin1StringView("qt"), QLatin1StringView("td"),
                                           QLatin1StringView("th"), QLatin1StringView("thead"),
                                           QLatin1StringView("tbody"), QLatin1StringView("tfoot"),
                                           QLatin1StringView("caption"), QLatin1StringView("ul"),
                                           QLatin1StringView("ol"), QLatin1StringView("li"),
                                           QLatin1StringView("dl"), QLatin1StringView("dt"),
                                           QLatin1StringView("dd"), QLatin1StringView("blockquote"),
                                           QLatin1StringView("center"), QLatin1StringView("pre"),
                                           QLatin1StringView("h1"), QLatin1StringView("h2"),
                                           QLatin1StringView("h3"), QLatin1StringView("h4"),
                                           QLatin1StringView("h5"), QLatin1StringView("h6")};

const Placement kPlacements[] = {
    {"li", {QLatin1StringView("li")}, {}},
    {"td", {QLatin1StringView("td"), QLatin1StringView("th")}, {QLatin1StringView("tr")}},
    {"th", {QLatin1StringView("td"), QLatin1StringView("th")}, {QLatin1StringView("tr")}},
    {"tr", {QLatin1StringView("td"), QLatin1StringView("th"), QLatin1StringView("tr")}, kRowParents},
    {"thead", kTableParts, {QLatin1StringView("table")}},
    {"tbody", kTableParts, {QLatin1StringView("table")}},
    {"tfoot", kTableParts, {QLatin1StringView("table")}},
    {"caption", kTableParts, {QLatin1StringView("table")}},
    {"dd", {QLatin1StringView("dd")}, {QLatin1StringView("dt"), QLatin1StringView("dl")}},
    {"dt", {QLatin1StringView("dt"), QLatin1StringView("dd")}, {QLatin1StringView("dl")}},
    {"body", {QLatin1StringView("head")}, {}},
};

bool holds(const QList<QLatin1StringView> &names, const QString &name)
{
    return std::any_of(names.begin(), names.end(), [&name](QLatin1StringView each) { return name == each; });
}

const Placement *placementOf(const QString &name)
{
    for (const Placement &placement : kPlacements) {
        if (name == QLatin1StringView(placement.name))
            return &placement;
    }
    return nullptr;
}

// Elements the import never opens anything in.
bool isEmptyElement(const QString &name)
{
    return name == u"br" || name == u"img" || name == u"hr" || name == u"meta";
}

bool isSelectorCharacter(QChar c)
{
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'-' || c == u'_' || c == u'.' || c == u'#'
           || c == u':' || c == u'*';
}

// A style sheet of plain rules: each selector an element, class, id or
// pseudo part on its own. A selector with ancestors ("b b i") is matched
// against the ancestors of every element, in a time that grows with the
// square of the depth. Entities, comments, escapes and at-rules could make
// the sheet the import reads another than the one looked at here.
bool isPlainSheet(QStringView css)
{
    if (css.contains(u'&') || css.contains(u'@') || css.contains(u"/*"))
        return false;
    qsizetype i = 0;
    while (i < css.size()) {
        const qsizetype open = css.indexOf(u'{', i);
        if (open < 0)
            return css.sliced(i).trimmed().isEmpty();
        for (QStringView selector : css.sliced(i, open - i).split(u',')) {
            selector = selector.trimmed();
            if (selector.isEmpty() || !std::all_of(selector.begin(), selector.end(), isSelectorCharacter))
                return false;
        }
        i = open + 1;
        while (i < css.size() && css[i] != u'}') {
            const QChar c = css[i++];
            if (c == u'{' || c == u'\\')
                return false;
            if (c != u'"' && c != u'\'')
                continue;
            while (i < css.size() && css[i] != c) {
                if (css[i] == u'\\')
                    ++i;
                if (i < css.size() && (css[i] == u'{' || css[i] == u'}' || css[i] == u'\n'))
                    return false;
                ++i;
            }
            ++i;
        }
        ++i;
    }
    return true;
}

// Builds the result only once something changes.
class Rewrite
{
public:
    explicit Rewrite(QStringView text)
        : m_text(text)
    {
    }

    void drop(qsizetype from, qsizetype to)
    {
        copyTo(from);
        m_copied = to;
    }

    void insert(qsizetype at, QStringView text)
    {
        copyTo(at);
        m_out += text;
    }

    bool changed() const { return m_changed; }

    QString result()
    {
        copyTo(m_text.size());
        return m_out;
    }

private:
    void copyTo(qsizetype at)
    {
        if (!m_changed) {
            m_changed = true;
            m_out.reserve(m_text.size() + 64);
        }
        if (at > m_copied) {
            m_out += m_text.sliced(m_copied, at - m_copied);
            m_copied = at;
        }
    }

    QStringView m_text;
    QString m_out;
    qsizetype m_copied = 0;
    bool m_changed = false;
};

// The markup the import reads as one whole: the record starts empty here.
// Null when nothing changes.
QString shapeOf(QStringView part)
{
    const int Depth = ZELMarkupBounds::Depth;
    const int TableDepth = ZELMarkupBounds::TableDepth;
    if (!part.contains(u'<'))
        return QString();

    TagReader reader(part);
    Rewrite rewrite(part);
    QStringList open; // the elements the import has open, innermost last
    int tables = 0;
    int paragraphs = 0;
    qsizetype sheetRoom = ZELMarkupBounds::StyleSheetLength;
    QList<QStringView> sheets;

    const auto pop = [&] {
        if (open.constLast() == u"table")
            --tables;
        else if (open.constLast() == u"p")
            --paragraphs;
        open.removeLast();
    };
    // Ends open elements down to `index` with closing tags of their own, at `at`.
    const auto closeDownTo = [&](qsizetype index, qsizetype at) {
        while (open.size() > index) {
            rewrite.insert(at, QString(QStringLiteral("</") + open.constLast() + QLatin1Char('>')));
            pop();
        }
    };

    qsizetype pos = 0;
    for (;;) {
        const qsizetype start = part.indexOf(u'<', pos);
        if (start < 0)
            break;
        const Tag tag = reader.tagAt(start);
        pos = tag.end;
        if (tag.kind == TagKind::Declaration || tag.name.isEmpty())
            continue; // an unnamed element never holds another
        if (!tag.certain) {
            rewrite.drop(start, tag.end);
            continue;
        }
        if (tag.kind == TagKind::Close) {
            // The import closes the innermost element of that name and all
            // inside it, and passes over a name it has not open: such a tag
            // (the closing tags of elements left out) is left out too.
            const qsizetype index = open.lastIndexOf(tag.name);
            if (index < 0)
                rewrite.drop(start, tag.end);
            while (index >= 0 && open.size() > index)
                pop();
            continue;
        }

        if (tag.name == u"p") {
            // The import ends the paragraph a new one opens in, across inline
            // elements but not across a block (a message's own body, say).
            const qsizetype paragraph = paragraphs > 0 ? open.lastIndexOf(QStringLiteral("p")) : -1;
            bool inline_ = paragraph >= 0;
            for (qsizetype i = paragraph + 1; inline_ && i < open.size(); ++i)
                inline_ = !holds(kBlocks, open.at(i));
            if (inline_)
                closeDownTo(paragraph, start);
        } else if (const Placement *placement = placementOf(tag.name)) {
            while (!open.isEmpty() && holds(placement->closes, open.constLast()))
                closeDownTo(open.size() - 1, start);
            // Inside an element that may hold it, under others that may not
            // (a cell after an unclosed <font>), it goes where the import puts
            // it: into the nearest that may, what is open inside that ended.
            if (!placement->parents.isEmpty() && !open.isEmpty() && !holds(placement->parents, open.constLast())) {
                // Never out of a table of its own: a cell straight in a table
                // gets the row made up for it below.
                const bool cell = tag.name == u"td" || tag.name == u"th";
                qsizetype holder = open.size() - 1;
                while (holder >= 0 && !holds(placement->parents, open.at(holder))
                       && !(cell && holds(kRowParents, open.at(holder))))
                    --holder;
                if (holder >= 0 && holds(placement->parents, open.at(holder)))
                    closeDownTo(holder + 1, start);
            }
            if (!placement->parents.isEmpty() && (open.isEmpty() || !holds(placement->parents, open.constLast()))) {
                // A cell or row outside its table gets the table and row the
                // import would make up for it, said here; anything else is left out.
                const bool cell = tag.name == u"td" || tag.name == u"th";
                const bool inTable = !open.isEmpty() && holds(kRowParents, open.constLast());
                QStringList around;
                if (tag.name == u"tr" || (cell && !inTable))
                    around.append(QStringLiteral("table"));
                if (cell)
                    around.append(QStringLiteral("tr"));
                if ((tag.name != u"tr" && !cell) || open.size() + around.size() >= Depth
                    || (around.constFirst() == u"table" && tables >= TableDepth)) {
                    rewrite.drop(start, tag.end);
                    continue;
                }
                for (const QString &made : std::as_const(around)) {
                    rewrite.insert(start, QString(QLatin1Char('<') + made + QLatin1Char('>')));
                    open.append(made);
                    tables += made == u"table" ? 1 : 0;
                }
            }
        }
        if (tag.closed || isEmptyElement(tag.name))
            continue;
        const bool table = tag.name == u"table";
        if (open.size() >= Depth || (table && tables >= TableDepth)) {
            rewrite.drop(start, tag.end);
            continue;
        }
        open.append(tag.name);
        tables += table ? 1 : 0;
        paragraphs += tag.name == u"p" ? 1 : 0;

        if (tag.name == u"style") {
            // The sheet is the text up to the next tag.
            qsizetype sheetEnd = part.indexOf(u'<', pos);
            if (sheetEnd < 0)
                sheetEnd = part.size();
            const QStringView sheet = part.sliced(pos, sheetEnd - pos);
            if (sheet.trimmed().isEmpty())
                continue;
            // A sheet again (every message a composer writes brings the
            // same one) adds nothing to the first.
            if (sheets.contains(sheet) || sheet.size() > sheetRoom || !isPlainSheet(sheet)) {
                rewrite.drop(pos, sheetEnd);
            } else {
                sheets.append(sheet);
                sheetRoom -= sheet.size();
            }
            pos = sheetEnd;
        }
    }
    return rewrite.changed() ? rewrite.result() : QString();
}

} // namespace

QString ZELMarkupBounds::shallow(const QString &html)
{
    // A copied text is read only between its fragment marks; a first part of
    // it, cut before the mark (a message held back in part), is read from
    // its start. Each is shaped as read on its own.
    qsizetype from = html.indexOf(kStartFragment);
    qsizetype to = html.size();
    if (from >= 0) {
        const qsizetype end = html.indexOf(kEndFragment);
        if (from < end)
            to = end;
    } else {
        from = 0;
    }
    const QString before = shapeOf(QStringView(html).first(from));
    const QString fragment = shapeOf(QStringView(html).sliced(from, to - from));
    if (before.isNull() && fragment.isNull())
        return html;
    return (before.isNull() ? html.left(from) : before) + (fragment.isNull() ? html.mid(from, to - from) : fragment)
           + html.mid(to);
}
