#ifndef ZELCONVERSATIONREADER_H
#define ZELCONVERSATIONREADER_H

#include "style/zelopenmarkup.h"

#include <QString>

// A stored or replayed conversation taken apart into its messages, so that a
// view bounds each message on its own and can show a long conversation a few
// messages at a time. A message begins with its row: a heading ("<name> says
// ::" and the time) or the rule of a continuation, whether the row is a
// paragraph (as a chat window stores it) or a table (as the server sends it).
// Only a block of the conversation's top level, after text of the message
// before it, begins a message: a row inside a table, a list or a paragraph
// begins it at that block, never inside it.
//
//     ZELConversationReader reader(transcript);
//     while (!reader.atEnd()) {
//         const ZELConversationReader::Message message = reader.next();
//         cursor.insertHtml(message.prefix + reader.source(message));
//     }
//
// Inserted one after another at the end of a document, the messages make the
// same document as the whole conversation inserted at once.
class ZELConversationReader
{
public:
    explicit ZELConversationReader(const QString &conversation);

    struct Message
    {
        qsizetype start = 0; // the message's source in text()
        qsizetype end = 0;
        // What goes before the source: the markup open where it begins
        // (style sheets, body font...) and, after the first message, what
        // makes its first paragraph one of its own, with its own format.
        QString prefix;
    };

    bool isHtml() const { return m_html; }
    bool atEnd() const { return m_start >= m_text.size(); }
    Message next();
    // The rest of the conversation as one message: nothing is given after it.
    Message rest();

    const QString &text() const { return m_text; }
    QStringView source(const Message &message) const
    {
        return QStringView(m_text).mid(message.start, message.end - message.start);
    }
    // How much of the conversation has been given, 0 to 1.
    double progress() const;

private:
    Message nextHtml();
    Message nextPlain();
    Message messageUpTo(qsizetype cut, const QString &nextContext);
    QString prefixFor(qsizetype start, const QString &context) const;
    void startRow(qsizetype at, bool text);

    QString m_text;
    bool m_html = true;
    ZELOpenMarkup m_markup;
    qsizetype m_scan = 0;   // read up to here
    qsizetype m_start = 0;  // where the next message begins
    QString m_context;      // what is open there
    qsizetype m_row = -1;   // where the top-level block or text being read began
    QString m_rowContext;   // what was open there; null: no message may begin there
    bool m_rowIsText = false;
    qsizetype m_firstText = -1; // the first text of the message being read
    qsizetype m_rowText = -1;   // the first text of the row being read
    qsizetype m_nextSheetClose = -2;
};

#endif
