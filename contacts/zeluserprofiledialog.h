#ifndef ZELUSERPROFILEDIALOG_H
#define ZELUSERPROFILEDIALOG_H

#include /* form */ "ui/ui_zeluserprofiledialog.h"

#include <QStringList>
#include <QWidget>

// Read-only profile card of another user: photo, name, login id, company,
// department and role, mail link, presence, address and phone. A pop-up made
// for each showing; it deletes itself when it closes (pointer leaves it,
// close button, a click outside).
class ZELUserProfileDialog : public QWidget, public Ui_ZELUserProfileDialog
{
    Q_OBJECT

public:
    // The card positions: display name, login id, company, department / role,
    // e-mail, presence word, address, phone, photo (Base64 of qCompress'ed bytes).
    enum CardValue { Name, LoginId, Company, DepartmentRole, Email, Presence, Address, Phone, Photo, CardSize };

    // The parent only owns the card; it is a window of its own.
    explicit ZELUserProfileDialog(QWidget *parent);

    bool m_defaultImageShown = false;

public slots:
    void showUserProfileDetails(QStringList details);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings();
};

#endif
