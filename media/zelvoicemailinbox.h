#ifndef ZELVOICEMAILINBOX_H
#define ZELVOICEMAILINBOX_H

#include /* form */ "ui/ui_zelvoicemailinboxdialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

// Lists the user's voice mails; opening a new one fetches it from the server
// first. Long-lived child of the main widget.
class ZELVoiceMailInbox : public QDialog, public Ui_ZELVoiceMailInboxDialog
{
    Q_OBJECT

public:
    explicit ZELVoiceMailInbox(QWidget *parent);

    void closeConnection();
    void connectedServer();

    QString m_dataFolder; // set by the main widget right after construction
    QString m_saveFolder;
    bool m_disconnected = false;

signals:
    void downLoadVoiceMailfromServer(QStringList &request);
    void pauseMovie();
    void restartMovie();
};

#endif
