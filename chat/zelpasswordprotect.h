#ifndef ZELPASSWORDPROTECT_H
#define ZELPASSWORDPROTECT_H

#include /* form */ "ui/ui_zelpwdprotectdialog.h"

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QStringList>

class QCloseEvent;
class QEvent;
class QMouseEvent;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Guards one protected item of a chat window: a received message (three
// tries, giving up asks first) or a locked file offer (tries without limit).
// The chat window creates one per item, fills the public fields, shows it and
// finds open ones by the object name "ZELPwdProtectDialog". Exactly one of the
// two signals is emitted, just before the prompt closes and deletes itself.
class ZELPasswordProtect : public QDialog, public Ui_ZELPwdProtectDialog
{
    Q_OBJECT

public:
    explicit ZELPasswordProtect(QWidget *parent);
    ~ZELPasswordProtect() override;

    QString m_messageTime;
    QString m_fileSender;    // empty: a message; otherwise a file
    QString m_loginPassword; // what the entry must equal
    QString m_fileLocation;
    QStringList m_messageDetails;
    QPoint m_dragPosition;
    QString m_triesExhausted = QStringLiteral("FALSE");
    int m_remainingTries = 3;
    bool m_dragging = false;
    ZELMessageBoxClass *m_questionBox = nullptr;

signals:
    void displayPasswordProtectedMessage(QStringList message, QString time, QString folder, QString file);
    void closePwdDialogSignal(QStringList message, QString outcome);

public slots:
    void onSubmitButtonClicked();
    void enableSubmitButton(QString text);
    void cancelSlot();

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool isFileMode() const { return !m_fileSender.isEmpty(); }
    void windowSettings(QWidget *parent);
    void signalsAndSlots();
    void defaultSettings();
    void initializeMemberVariables();
    void setZELStyle();

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
