#ifndef ZELGROUPMESSAGEDIALOG_H
#define ZELGROUPMESSAGEDIALOG_H

#include /* form */ "ui/ui_zelgroupmessagedialog.h"

#include <QDialog>
#include <QStringList>

// Composer of one message to several ticked contacts. Made anew for each
// use as a window-modal child of the main widget; deletes itself on close.
// The main widget finds an open one by its object name.
class ZELGroupMessageDialog : public QDialog, public Ui_ZELGroupMessageDialog
{
    Q_OBJECT

public:
    explicit ZELGroupMessageDialog(QWidget *parent);

    int checkedCount = 0;      // ticked contact rows
    bool disconnected = false; // the connection to the server is down

signals:
    void sendGroupMessageSignal(QStringList &request);

public slots:
    void enableSendButton();
    void connectedServer();
    void closeConnection();
};

#endif
