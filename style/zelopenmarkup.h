#ifndef ZELOPENMARKUP_H
#define ZELOPENMARKUP_H

#include <QList>
#include <QString>
#include <QStringList>

// Follows the tags of a received HTML text from its start and tells what is
// open where it has got to: the elements not closed yet and the style sheets
// met on the way. A piece cut from the text there reads as it did in place
// when context() goes before it: the same fonts, colours and white-space rule
// (a composed message keeps its indentation only under its sheet's
// "white-space: pre-wrap").
//
//     ZELOpenMarkup open(text);
//     open.take(tagStart, tagEnd);               // every tag in order, '<' to '>'
//     piece = open.context() + text.mid(cut);
//
// Tables and lists are left out of the context: a piece cut inside one
// continues it and must not start another.
class ZELOpenMarkup
{
public:
    explicit ZELOpenMarkup(const QString &text);

    // Takes the tag text[start..end], '<' at start and '>' at end.
    void take(qsizetype start, qsizetype end);

    // A paragraph, table, list or other block is open: a cut here splits it.
    bool insideBlock() const;
    // The sheets met, then the tags of the open elements in order; a null
    // string where no context can be given (nesting or sheets too large).
    QString context() const;

    // Whether a tag ('<' to '>') opens a block: a paragraph, table, list,
    // rule, heading...
    static bool opensBlock(QStringView tag);
    static bool opensTable(QStringView tag);
    // Whether the tag text[start..end] opens a style sheet that ends within
    // MaxContextLength characters; then its "</style>" is at
    // text[*closeStart..*closeEnd]. A sheet is markup, not text to show.
    // `nextClose` (-2 at first) keeps where the next "</style" is, so that a
    // text is searched once however many sheets it opens.
    static bool opensSheet(const QString &text, qsizetype start, qsizetype end, qsizetype *nextClose,
                           qsizetype *closeStart, qsizetype *closeEnd);

    // Markup that, inserted at the end of a paragraph, ends it: what follows
    // begins a paragraph of its own, with its own format.
    static QString paragraphStart();
    // Where a block opens in `text` after nothing but white space and
    // closing tags, -1 when it does not. A piece beginning so, inserted in a
    // paragraph, would run on in it: paragraphStart() goes before it and
    // before its context.
    static qsizetype blockAfterClosings(QStringView text);

    enum Limit {
        MaxDepth = 64,          // open elements followed; deeper nesting has no context
        MaxContextLength = 8192 // characters of context given
    };

private:
    struct Element
    {
        qsizetype start;
        qsizetype end;
        QStringView name;
        int kind;
    };

    void open(qsizetype start, qsizetype end, QStringView name, int kind);
    void close(QStringView name);

    QString m_text;
    QList<Element> m_open;
    int m_overflow = 0; // elements opened beyond MaxDepth and not closed
    QStringList m_sheets;
    qsizetype m_sheetLength = 0;
    qsizetype m_sheetStart = -1;
    int m_blocks = 0; // open elements that are blocks

    // The last context given and what it was made of.
    mutable QString m_context;
    mutable QList<qsizetype> m_contextOf;
    mutable qsizetype m_contextSheets = -1;
};

#endif
