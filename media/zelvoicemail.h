#ifndef ZELVOICEMAIL_H
#define ZELVOICEMAIL_H

#include /* form */ "ui/ui_zelvoicemaildialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

// Records a voice mail for one contact and hands it to the main widget for
// upload. One top-level instance without parent.
class ZELVoiceMail : public QDialog, public Ui_ZELVoiceMailDialog
{
    Q_OBJECT

public:
    ZELVoiceMail();

    void closeConnection();
    void connectedServer();

    QString m_dataFolder; // set by the main widget right after construction
    bool m_disconnected = false;

signals:
    void sendVoiceMailToServer(QStringList &request);
};

#endif
