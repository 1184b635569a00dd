#ifndef ZELPASSWORDCHATDIALOG_H
#define ZELPASSWORDCHATDIALOG_H

#include /* form */ "ui/ui_zelpasswordchatdialog.h"

#include <QDialog>
#include <QPoint>

class QCloseEvent;
class QEvent;
class QMouseEvent;
class ZELFramelessHelper;

// Shows one unlocked protected message, window-modal over its chat window.
// The chat window writes the heading and the body into m_passwordTextBrowser
// below the banner and keeps no pointer; the viewer deletes itself on close.
// Reply hands the user back to the chat window's input before closing.
class ZELPasswordChatDialog : public QDialog, public Ui_ZELPasswordChatDialog
{
    Q_OBJECT

public:
    explicit ZELPasswordChatDialog(QWidget *parent);
    ~ZELPasswordChatDialog() override;

    // The banner every viewer starts with.
    static QString banner();

signals:
    void replyPasswordProtectedMessageSignal();

public slots:
    void onReplyButtonClicked();

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void defaultSettings();
    void initializeMemberVariables();
    void setZELStyle();

    ZELFramelessHelper *m_frame = nullptr;
    QPoint m_dragPosition;
    bool m_dragging = false;
    bool m_resizing = false;
};

#endif
