#include "core/zelclient.h"

#include "protocol/zelparsedmessage.h"
#include "chat/zelchatwindow.h"
#include "settings/zelchangepassword.h"
#include "style/zelmessageboxclass.h"

ZELDispatchResult ZELClient::dispatchChangePassword(const QStringList &message)
{
    enum { Status = 1, Password = 2 };
    // The answer belongs to the signed-in session; after a sign-out it is stale.
    if (!MainPage->isVisible() && stackedWidget->currentWidget() != MainPage)
        return ZELDispatchResult::Continue;
    if (messageValue(message, Status) != QLatin1String("INVALIDOLDPASSWORD")) {
        m_password = messageValue(message, Password);
        m_informationBox->showInformationBox(this, QStringLiteral("Change Password"),
                                             QStringLiteral("Password successfully changed"));
        m_autoLoginPassword = m_password;
        editPreferencesSettings();
        for (ZELChatWindow *window : std::as_const(m_chatWindows)) {
            if (window)
                window->changePasswordForProtectedMessage(m_password);
        }
        return ZELDispatchResult::Continue;
    }
    // A fresh dialog says so; the one that asked closed when it sent the request.
    changePasswordWindow();
    const QList<ZELChangePassword *> dialogs = findChildren<ZELChangePassword *>(
        QStringLiteral("ZELChangePasswordDialog"), Qt::FindDirectChildrenOnly);
    if (!dialogs.isEmpty())
        dialogs.last()->passwordResult(QStringLiteral("Invalid old password"));
    return ZELDispatchResult::Continue;
}

ZELDispatchResult ZELClient::dispatchForgetPwd(const QStringList &message)
{
    enum { Result = 2 };
    m_forgetPasswordButton->setEnabled(true);
    // The answer belongs to the login page; on the contact page it is stale.
    if (!loginPage->isVisible() && stackedWidget->currentWidget() != loginPage)
        return ZELDispatchResult::Continue;
    const QString result = messageValue(message, Result);
    if (result == QLatin1String("INVALID")) {
        m_showErrorLable->show();
        m_showErrorLable->setText(QStringLiteral("Please give valid username"));
    } else if (result == QLatin1String("SENT")) {
        passWordEdit->clear();
        passWordEdit->setFocus();
        m_showErrorLable->show();
        m_showErrorLable->setText(QStringLiteral("<font color = green>Your password is sent to your mail id</font>"));
    }
    return ZELDispatchResult::Continue;
}
