#ifndef ZELMESSAGEBROWSER_H
#define ZELMESSAGEBROWSER_H

#include "protocol/zelsafewrite.h"

#include <QList>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <memory>

#include "style/zeltextbounds.h"

class ZELConversationReader;

// A read-only view of messages peers sent. It
// - wraps a word too long for a line anywhere in it, so the text stays as
//   it came (a copied link opens, a copied hash matches);
// - shows at most what it can lay out at once of each message (see
//   ZELTextBounds::bounded) and keeps the rest behind a note, so copying a
//   selection that holds the note, and wholeHtml() for saving, give the
//   message whole;
// - shows a stored conversation message by message, each bounded on its own,
//   a slice at a time with the event loop running in between;
// - opens a clicked link and loads a picture only as ZELLinkRule allows,
//   and shows a link it would not open as plain text.
//
//     view->appendMessage(body);            // a received message body
//     view->showConversation(transcript);   // a stored conversation, to its last message
//     save(view->wholeHtml());              // never toHtml(): it lacks held-back text
class ZELMessageBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    // Tables a stored conversation shows, a day's heading rows many times
    // over; the rest of a conversation past them is held back behind a note.
    enum { MaxConversationTables = 8192 };

    explicit ZELMessageBrowser(QWidget *parent = nullptr);
    ~ZELMessageBrowser() override;

    // Appends a received text (rich text, or plain text when it does not
    // look like markup) as a paragraph of its own.
    void appendMessage(const QString &text);
    // Clears the view and shows a stored or replayed conversation whole,
    // newest at the bottom and the view at its end. A long one is laid out
    // SliceMilliseconds at a time; what is appended meanwhile comes after it.
    void showConversation(const QString &text);
    // A conversation is still being laid out.
    bool isShowingConversation() const { return m_conversation != nullptr; }
    // Lays out the rest of the conversation at once: for the user's save,
    // print or conversion, never for what a peer sends.
    void finishConversation();

    // The document with every held-back rest in its place.
    QString wholeHtml();
    QString wholePlainText();
    // Saves that whole document as PDF, as wholeHtml() saves it; a PDF that
    // cannot be written whole leaves the file as it was, and says why.
    ZELSafeWrite::Result saveWholeAsPdf(const QString &fileName);
    // setHtml(toHtml()): the document read back from its own markup, each
    // held-back rest still behind its note; a long one a slice at a time,
    // like a stored conversation.
    void reloadFromHtml();

    QVariant loadResource(int type, const QUrl &name) override;

    static constexpr int SliceMilliseconds = 25;

signals:
    // The conversation given to showConversation() is shown to its end.
    void conversationShown();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    // Runs `insert` at the start of a new, plain paragraph at the end, as one
    // edit; a view scrolled to its end stays there.
    void appendParagraph(const std::function<void(QTextCursor &)> &insert);
    // Runs `edit` now, or once the conversation being shown is laid out, so
    // that it comes after it.
    void afterConversation(const std::function<void()> &edit);

private:
    void insertMessage(QTextCursor &cursor, const QString &text);
    void insertBounded(QTextCursor &cursor, const ZELTextBounds::Bounded &bounded, bool html);
    void showRefusedLinksAsText(int from, int to);
    void startConversation(const QString &text, bool bounded, const std::function<void()> &whenShown);
    void showSlice(qint64 budgetMs);
    void insertConversationPart(QTextCursor &cursor);
    void timedInsert(QTextCursor &cursor, const ZELTextBounds::Bounded &bounded, bool html);
    void endConversation();
    void dropConversation();

    std::unique_ptr<ZELConversationReader> m_conversation;
    bool m_boundConversation = true;
    std::function<void()> m_whenShown;
    QList<std::function<void()>> m_afterConversation;
    QTimer m_nextSlice;
    bool m_insertingConversation = false;
    qsizetype m_chunkCharacters = 4096;
    qsizetype m_conversationTables = 0; // in the conversation being shown
    // The last insert's size and time, and what a character of it costs.
    struct ChunkCost
    {
        double characters = 0;
        double nanoseconds = 0;
        double perCharacter = 0;
    } m_chunkCost;
};

#endif
