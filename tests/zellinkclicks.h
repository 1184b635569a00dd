#ifndef ZELLINKCLICKS_H
#define ZELLINKCLICKS_H

#include <QDesktopServices>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

// Links a widget would hand to the desktop's opener itself, past the link
// rule: while one of these lives, every scheme such a link may carry lands
// here instead of starting a program.
class ZELDirectOpenings : public QObject
{
    Q_OBJECT

public:
    ZELDirectOpenings()
    {
        for (const QString &scheme : schemes())
            QDesktopServices::setUrlHandler(scheme, this, "opened");
    }
    ~ZELDirectOpenings() override
    {
        for (const QString &scheme : schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> urls;

public slots:
    void opened(const QUrl &url) { urls << url; }

private:
    static QStringList schemes()
    {
        return {"file", "ssh", "smb", "javascript", "mailto", "http", "https", "ftp"};
    }
};

// The text a label shows, as a reader sees it.
inline QString zelShownText(const QLabel *label)
{
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// Clicks every few pixels of a widget, as a user trying each part of it.
inline void zelClickAllOver(QWidget *widget, int step = 4)
{
    for (int y = step / 2; y < widget->height(); y += step) {
        for (int x = step / 2; x < widget->width(); x += step)
            QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }
}

// Clicks the middle of the first `text` a text view shows; false when it
// shows none.
inline bool zelClickText(QTextEdit *view, const QString &text)
{
    const QTextCursor found = view->document()->find(text);
    if (found.isNull())
        return false;
    QTextCursor middle(view->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    view->setTextCursor(middle);
    view->ensureCursorVisible();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->cursorRect(middle).center());
    return true;
}

#endif
