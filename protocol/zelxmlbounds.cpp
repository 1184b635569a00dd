#include "protocol/zelxmlbounds.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool allBlank(QStringView run)
{
    for (const QChar c : run) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

// Whether the reference after an '&' is one the reader resolves into text: a
// character reference or one of the five predefined entities. Any other
// becomes a node of its own once a document type names an external subset.
bool resolvedReference(QStringView afterAmpersand)
{
    if (afterAmpersand.startsWith(u'#'))
        return true;
    for (const char16_t *name : {u"amp;", u"lt;", u"gt;", u"quot;", u"apos;"}) {
        if (afterAmpersand.startsWith(QStringView(name)))
            return true;
    }
    return false;
}

// The nodes a run of character data inside an element becomes: one text node
// unless it is blank (the reader drops those), and one per reference it does
// not resolve.
qsizetype nodesOfText(QStringView run)
{
    qsizetype nodes = 0;
    bool blank = true;
    for (qsizetype i = 0; i < run.size(); ++i) {
        const QChar c = run.at(i);
        if (c == u'&') {
            blank = false;
            if (!resolvedReference(run.sliced(i + 1)))
                ++nodes;
        } else if (!isBlank(c)) {
            blank = false;
        }
    }
    return nodes + (blank ? 0 : 1);
}

// One past the end of the first `close` at or after `from`, or -1.
qsizetype after(QStringView text, qsizetype from, QStringView close)
{
    const qsizetype at = text.indexOf(close, from);
    return at < 0 ? -1 : at + close.size();
}

struct Tag
{
    qsizetype end = -1; // one past its '>'; -1 when the tag does not end
    int attributes = 0;
    bool empty = false; // "<name/>"
    bool subset = false; // a declaration with an internal subset ('[')
};

// Reads a tag or declaration from `from` (just after its "<", "</" or "<!")
// to its '>'. A '>' or '=' inside a quoted value belongs to the value; a '<'
// outside one is where the reader stops, so the tag does not end.
Tag scanTag(QStringView text, qsizetype from)
{
    Tag tag;
    QChar quote;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'=') {
            ++tag.attributes;
        } else if (c == u'[') {
            tag.subset = true;
            return tag;
        } else if (c == u'<') {
            return tag;
        } else if (c == u'>') {
            tag.end = i + 1;
            tag.empty = text.at(i - 1) == u'/';
            return tag;
        }
    }
    return tag;
}

} // namespace

bool ZELXmlBounds::allows(QStringView text)
{
    int depth = 0;
    bool rootClosed = false;
    qsizetype nodes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i) != u'<') {
            qsizetype next = text.indexOf(u'<', i);
            if (next < 0)
                next = text.size();
            const QStringView run = text.sliced(i, next - i);
            if (depth == 0) {
                // Outside the root element only blanks may stand: the reader stops at anything else.
                if (!allBlank(run))
                    return true;
            } else {
                nodes += nodesOfText(run);
            }
            i = next;
        } else {
            const QStringView rest = text.sliced(i);
            qsizetype end = -1;
            if (rest.startsWith(u"<!--")) {
                end = after(text, i + 4, u"-->");
                ++nodes;
            } else if (rest.startsWith(u"<![CDATA[")) {
                end = after(text, i + 9, u"]]>");
                ++nodes;
            } else if (rest.startsWith(u"<?")) {
                end = after(text, i + 2, u"?>");
                ++nodes;
            } else if (rest.startsWith(u"<!")) {
                const Tag declaration = scanTag(text, i + 2);
                if (declaration.subset)
                    return false;
                end = declaration.end;
            } else if (rest.startsWith(u"</")) {
                if (depth == 0)
                    return true;
                if (--depth == 0)
                    rootClosed = true;
                end = scanTag(text, i + 2).end;
            } else {
                // A second root element is where the reader stops.
                if (rootClosed)
                    return true;
                const Tag tag = scanTag(text, i + 1);
                if (tag.end < 0)
                    return true;
                if (tag.attributes > MaxAttributes)
                    return false;
                ++nodes;
                if (!tag.empty && ++depth > MaxDepth)
                    return false;
                if (tag.empty && depth == 0)
                    rootClosed = true;
                end = tag.end;
            }
            if (end < 0)
                return true;
            i = end;
        }
        if (nodes > MaxNodes)
            return false;
    }
    return true;
}
