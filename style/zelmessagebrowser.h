#ifndef ZELMESSAGEBROWSER_H
#define ZELMESSAGEBROWSER_H

#include <QTextBrowser>

#include <functional>

// A read-only view of messages peers sent. It
// - wraps a word too long for a line anywhere in it, so the text stays as
//   it came (a copied link opens, a copied hash matches);
// - shows at most what it can lay out at once of each message (see
//   ZELTextBounds::bounded) and keeps the rest behind a note, so copying a
//   selection that holds the note, and wholeHtml() for saving, give the
//   message whole;
// - opens a clicked link and loads a picture only as ZELLinkRule allows,
//   and shows a link it would not open as plain text.
//
//     view->appendMessage(body);            // a received message body
//     save(view->wholeHtml());              // never toHtml(): it lacks held-back text
class ZELMessageBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit ZELMessageBrowser(QWidget *parent = nullptr);

    // Appends a received text (rich text, or plain text when it does not
    // look like markup) as a paragraph of its own.
    void appendMessage(const QString &text);
    // Clears the view and shows a received text (a stored conversation).
    void showMessage(const QString &text);

    // The document with every held-back rest in its place.
    QString wholeHtml() const;
    QString wholePlainText() const;

    QVariant loadResource(int type, const QUrl &name) override;

protected:
    QMimeData *createMimeDataFromSelection() const override;
    // Runs `insert` at the start of a new, plain paragraph at the end, as one
    // edit; a view scrolled to its end stays there.
    void appendParagraph(const std::function<void(QTextCursor &)> &insert);

private:
    void insertMessage(QTextCursor &cursor, const QString &text);
    void showRefusedLinksAsText(int from, int to);
};

#endif
