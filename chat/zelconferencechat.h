#ifndef ZELCONFERENCECHAT_H
#define ZELCONFERENCECHAT_H

#include /* form */ "ui/ui_zelconferencechat.h"

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QTime>

class QCloseEvent;
class QEvent;
class QMouseEvent;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// The small dialog that names a new conference. On Ok it turns the typed name
// into the conference id, the name, a blank and the time as hh~mm~ss, and hands
// it out by createConferenceChatWindow(); the id keys the conference window
// and travels with every conference request. It deletes itself when closed.
class ZELConferenceChat : public QDialog, public Ui_ZELConferenceChatDialog
{
    Q_OBJECT

public:
    explicit ZELConferenceChat(QWidget *parent);
    ~ZELConferenceChat() override;

    // The id for a typed name at a given time (white space trimmed and collapsed).
    static QString conferenceId(const QString &typedName, const QTime &time = QTime::currentTime());
    // The accepted characters of a name, 0 to 25 of them.
    static QString namePattern();

    QPoint m_dragPosition;
    bool m_dragging = false;
    ZELMessageBoxClass *m_informationBox = nullptr;

signals:
    void createConferenceChatWindow(QString conferenceId);

public slots:
    void onSubmitButtonClicked();
    void enableSubmitButton(QString text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
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
};

#endif
