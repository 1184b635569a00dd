#ifndef ZELAPPROVALREQUESTEDUSER_H
#define ZELAPPROVALREQUESTEDUSER_H

#include /* form */ "ui/ui_zelapprovaladdcontactdialog.h"

#include <QDialog>
#include <QStringList>

class QTableWidgetItem;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Pending "requested user" contact requests; every checked row is answered
// by a request of its own. Long-lived child of the main widget.
class ZELApprovalRequestedUser : public QDialog, public Ui_ZELApprovalAddContactDialog
{
    Q_OBJECT

public:
    // Check box, then two hidden and two shown values per request.
    enum Column { CheckColumn, FirstHidden, SecondHidden, FirstShown, SecondShown };

    explicit ZELApprovalRequestedUser(QWidget *parent);
    ~ZELApprovalRequestedUser() override;

    void closeConnection();
    void connectedServer();

    ZELFramelessHelper *frame() const { return m_frame; }

    int m_checkedCount = 0;
    bool m_disconnected = false;
    ZELMessageBoxClass *m_questionBox = nullptr;

public slots:
    void OnAcceptButtonClicked();
    void OnRejectButtonClicked();
    void callAcceptRejectFunction(bool accept);
    void itemChangeStatus(QTableWidgetItem *item);
    void sectionClickedSignal(int section);

signals:
    void sendAcceptedRejectedUsersListSignal(QStringList &request);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ZELFramelessHelper *m_frame = nullptr;
};

#endif
