#include "core/zelclient.h"

#include "core/zelparsedmessage.h"

ZELDispatchResult ZELClient::dispatchChangePassword(const QStringList &)
{
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
