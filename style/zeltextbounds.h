#ifndef ZELTEXTBOUNDS_H
#define ZELTEXTBOUNDS_H

#include <QString>

class QLabel;
class QTableWidgetItem;

// What a window may show of a text a peer or the server sent. Qt lays out a
// word without break points in a time that grows with the square of its
// length, so every received text goes through here before a label, title,
// table cell or document shows it. The full text stays where it is stored or
// passed on; only the shown copy is bounded.
//
//     window->setWindowTitle(QStringLiteral("Chatting with ") + ZELTextBounds::shownName(displayName));
//     transcript->appendMessage(body); // ZELMessageBrowser bounds it and keeps the rest
//     row->setText(ZELTextBounds::shownFileName(wireName)); // keep wireName for the request
class ZELTextBounds
{
public:
    enum Limit {
        NameLength = 64,           // a person's name, a department, a title piece
        TitleNameLength = 32,      // a name inside a window's title line, which shares it with other words
        LineLength = 256,          // a status message, a result, a one-line notice
        FileNameLength = 128,      // a file name, elided in the middle to keep the extension
        BodyLength = 32 * 1024,    // characters of one message body a document shows
        BreakEvery = 32,           // longest run without a break point a label gets
        // Longest run without a break point a document shows: it wraps such a
        // run anywhere, in a time that grows with the square of the run.
        LongestRun = 2048,
        // A user name is a key, kept whole wherever it goes: one longer than
        // this is no account's, and a contact record carrying it is left out.
        KeyLength = 4096
    };

    // Elided with "…" beyond `limit` characters; never splits a surrogate pair.
    static QString elided(const QString &text, int limit);
    static QString shownName(const QString &name) { return elided(name, NameLength); }
    static QString shownLine(const QString &text) { return elided(text, LineLength); }

    // Bidi controls and other invisible format characters (Unicode category Cf),
    // line and paragraph separators and control characters removed: a name such
    // as "report<RLO>fdp.exe" cannot pose as another extension.
    static QString withoutFormatControls(const QString &text);
    // withoutFormatControls(), then elided in the middle so the end stays in sight.
    static QString shownFileName(const QString &wireName);

    // A file name cell or label shows shownFileName() and keeps the name as
    // sent, for requests, paths and matching; wireName() gives it back (the
    // shown text where none was kept).
    static void setFileName(QTableWidgetItem *item, const QString &wireName);
    static void setFileName(QLabel *label, const QString &wireName);
    static QString wireName(const QTableWidgetItem *item);
    static QString wireName(const QLabel *label);

    // A cell that shows elided(fullText, limit) and keeps the full text for
    // whatever reads the cell back (keys, requests, the message window).
    static void setShownText(QTableWidgetItem *item, const QString &fullText, int limit = LineLength);
    static QString fullText(const QTableWidgetItem *item) { return wireName(item); }

    // A text for a rich-text label, which cannot wrap inside a word: a
    // zero-width space after every BreakEvery characters that hold no break
    // point (never inside a tag or an entity), and at most `limit` characters
    // shown, then a note of how many were left out, its markup made shallow
    // (ZELMarkupBounds). Text without long runs and within the limits comes
    // back unchanged. Never for text a user copies or saves: documents use
    // bounded().
    static QString breakableHtml(const QString &html, int limit = BodyLength);
    // The same for text shown as plain text.
    static QString breakablePlain(const QString &text, int limit = BodyLength);

    // A message body for a document that wraps long words itself: the text as
    // it came, up to `limit` visible characters or the first run without a
    // break point longer than LongestRun, whichever comes first. From there
    // on the source is held back whole in `rest` (never cut inside a tag, an
    // entity or a pair, and always before a visible character), with the
    // number of visible characters it holds and, for markup, what is open
    // where it begins (ZELOpenMarkup::context()): put before the rest, it
    // reads as it did in place, indentation and all.
    struct Bounded
    {
        QString shown;
        QString rest;
        qsizetype omitted = 0;
        QString restContext;
    };
    static Bounded bounded(const QString &text, bool html, int limit = BodyLength);
    // What a document shows in place of a held-back rest.
    static QString heldBackNote(qsizetype omitted);
};

#endif
