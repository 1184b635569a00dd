#include "core/zelclient.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QTimer>

#include "mainwindow/zelpopup.h"
#include "platform/zelplatform.h"
#include "platform/zelsystemtray.h"

namespace {

// Pixels below the logo that still start a drag.
constexpr int DragZoneExtra = 10;

const QColor HoverEdge(144, 209, 247);

// The picture of an image-faced button, with the light blue edges of the
// hover look; the title buttons and the sign-out button take its shape too.
void setButtonFace(QWidget *widget, const QString &image, bool shaped)
{
    const QPixmap picture(image);
    QPalette pal = widget->palette();
    pal.setBrush(QPalette::Button, QBrush(picture));
    if (!shaped) {
        pal.setColor(QPalette::Dark, HoverEdge);
        pal.setColor(QPalette::Shadow, HoverEdge);
        pal.setColor(QPalette::Light, HoverEdge);
    }
    widget->setPalette(pal);
    if (shaped && !picture.isNull())
        widget->setMask(picture.mask());
}

bool isEnterOrLeave(QEvent::Type type)
{
    return type == QEvent::Enter || type == QEvent::Leave;
}

bool isEnterOrReturn(int key)
{
    return key == Qt::Key_Enter || key == Qt::Key_Return;
}

void underline(QLabel *label, bool on)
{
    QString text = label->text();
    if (on) {
        label->setText(QStringLiteral("<u>") + text + QStringLiteral("<u>"));
    } else {
        text.remove(QStringLiteral("<u>"));
        label->setText(text);
    }
}

struct CtrlShortcut
{
    Qt::Key key;
    void (ZELClient::*operation)();
};

// The contact page's Ctrl keys (exactly Ctrl, no other modifier).
const CtrlShortcut ctrlShortcuts[] = {
    {Qt::Key_X, &ZELClient::fileMenuSignOut},
    {Qt::Key_E, &ZELClient::fileMenuExit},
    {Qt::Key_A, &ZELClient::addContactWindow},
    {Qt::Key_D, &ZELClient::deleteContactWindow},
    {Qt::Key_H, &ZELClient::showChatHistoryList},
    {Qt::Key_C, &ZELClient::setUserNameForChat},
    {Qt::Key_M, &ZELClient::showConferenceChatWidget},
    {Qt::Key_R, &ZELClient::reminder},
    {Qt::Key_O, &ZELClient::generateWindow},
    {Qt::Key_V, &ZELClient::showVoiceRecorderDialog},
    {Qt::Key_G, &ZELClient::showGroupMessageDialog},
    {Qt::Key_F, &ZELClient::showContactSearch},
};

// Runs the contact page's Ctrl shortcut of the key; false when none ran
// (no such shortcut, or Ctrl+M while the conference button is off).
bool runCtrlShortcut(ZELClient &client, const QKeyEvent *key)
{
    if (key->modifiers() != Qt::ControlModifier)
        return false;
    for (const CtrlShortcut &shortcut : ctrlShortcuts) {
        if (key->key() != shortcut.key)
            continue;
        if (shortcut.key == Qt::Key_M && !client.m_conferenceChatToolButton->isEnabled())
            return false;
        (client.*shortcut.operation)();
        return true;
    }
    return false;
}

} // namespace

bool ZELClient::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();

    if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool loginField = watched == passWordEdit || watched == userNameEdit
                                || watched == m_invisibleModeCheckBox || watched == m_rememberMeCheckBox
                                || watched == m_rememberPasswordCheckBox || watched == m_autoSignInCheckBox;
        // Keypad Enter always runs the check, so empty fields are named; Return
        // only while Sign In is on.
        const bool signInKey = key->key() == Qt::Key_Enter
                               || (key->key() == Qt::Key_Return && signButton->isEnabled());
        if (loginField && loginPage->isVisible() && signInKey) {
            verifyAccountInfo();
            return true;
        }
        if (watched == passWordEdit) {
            // Pasting into the password field is refused: it empties the field.
            if (key->key() == Qt::Key_V && key->modifiers() == Qt::ControlModifier) {
                passWordEdit->clear();
                return true;
            }
            const int code = key->key();
            const bool editingKey = code == Qt::Key_Delete || code == Qt::Key_Backspace || code == Qt::Key_Enter
                                    || code == Qt::Key_Return || code == Qt::Key_Escape;
            if (!editingKey && code >= 30 && code <= 100)
                indicateCapsLock();
            return false;
        }
    }

    if (watched == m_searchLineEdit) {
        if (type == QEvent::FocusIn) {
            m_searchLineEdit->setStyleSheet(QStringLiteral("QLineEdit {border: 1px solid gray;border-radius: 3px;}"));
        } else if (type == QEvent::FocusOut) {
            m_searchLineEdit->clear();
            m_searchLineEdit->setStyleSheet(
                m_activeusersearch->isChecked()
                    ? QStringLiteral("QLineEdit {border: 1px solid gray;border-radius: 3px;"
                                     "background-image: url(:images/Search_Green.png); }")
                    : QStringLiteral("QLineEdit {border: 1px solid gray;border-radius: 3px;"
                                     "background-image: url(:images/Search_Red.png); }"));
        }
        return false;
    }

    if (watched == m_fileMenu || watched == m_contactsMenu || watched == m_settingsMenu || watched == m_helpMenu) {
        auto *button = static_cast<QWidget *>(watched);
        if (type == QEvent::Enter) {
            setButtonFace(button, QStringLiteral(":images/menu1_over.jpg"), false);
            // The four menu buttons behave like a menu bar: moving over the
            // neighbour of an open menu opens the neighbour's menu instead.
            auto switchTo = [](QPushButton *target, std::initializer_list<QMenu *> openOnes) {
                for (QMenu *open : openOnes) {
                    if (open->isVisible()) {
                        open->close();
                        target->showMenu();
                        return;
                    }
                }
            };
            if (watched == m_contactsMenu)
                switchTo(m_contactsMenu, {m_filePopupMenu, m_settingsPopupMenu});
            else if (watched == m_fileMenu)
                switchTo(m_fileMenu, {m_contactsPopupMenu});
            else if (watched == m_settingsMenu)
                switchTo(m_settingsMenu, {m_contactsPopupMenu, m_helpPopupMenu});
            else
                switchTo(m_helpMenu, {m_settingsPopupMenu});
        } else if (type == QEvent::Leave) {
            setButtonFace(button, QStringLiteral(":images/menu1.jpg"), false);
        }
        return false;
    }

    if (watched == m_addContactToolButton || watched == m_deleteContactToolButton
        || watched == m_conferenceChatToolButton || watched == m_chatToolButton) {
        if (isEnterOrLeave(type))
            setButtonFace(static_cast<QWidget *>(watched),
                          type == QEvent::Enter ? QStringLiteral(":images/menu2_over.jpg")
                                                : QStringLiteral(":images/menu2.jpg"),
                          false);
        return false;
    }

    if (watched == signoutButton) {
        if (isEnterOrLeave(type)) {
            setButtonFace(signoutButton,
                          type == QEvent::Enter ? QStringLiteral(":images/index_r8_c6_f2.jpg")
                                                : QStringLiteral(":images/index_r8_c6.jpg"),
                          true);
        } else if (type == QEvent::KeyPress && isEnterOrReturn(static_cast<QKeyEvent *>(event)->key())) {
            fileMenuSignOut();
            return true;
        }
        return false;
    }

    // Labels used as links. A disabled label still sees the press: a link
    // that is switched off must do nothing.
    if (type == QEvent::MouseButtonPress) {
        if (watched == m_forgetPasswordButton) {
            if (m_forgetPasswordButton->isEnabled())
                getUserDetails();
            return false;
        }
        if (watched == m_settingsLabel) {
            if (m_settingsLabel->isEnabled())
                connectwithProxySettings();
            return false;
        }
        if (watched == m_forgetMeLink) {
            if (m_forgetMeLink->isEnabled())
                forgetUserDetails();
            return false;
        }
    }

    // The contact tree takes Ctrl+A (select all) and Ctrl+C (copy) for itself
    // and holds the focus on the contact page: its Ctrl keys run from here.
    if (watched == m_contactView && type == QEvent::KeyPress && MainPage->isVisible())
        return runCtrlShortcut(*this, static_cast<QKeyEvent *>(event));

    if (watched == m_contactView && type == QEvent::ContextMenu) {
        m_contactMenuRequested = true;
        callRightClickOperation();
        return false;
    }

    if (watched == m_closeButton || watched == m_loginPageCloseButton || watched == m_processPageCloseButton) {
        if (isEnterOrLeave(type)) {
            const QString image = type == QEvent::Enter ? QStringLiteral(":images/mouseOverClose.jpg")
                                                        : QStringLiteral(":images/index_r2_c11.jpg");
            for (QWidget *button : {static_cast<QWidget *>(m_closeButton), static_cast<QWidget *>(m_loginPageCloseButton),
                                    static_cast<QWidget *>(m_processPageCloseButton)})
                setButtonFace(button, image, true);
        }
        return false;
    }

    if (watched == m_minimizeButton || watched == m_loginPageMinimizeButton || watched == m_processMinimizeButton) {
        if (isEnterOrLeave(type)) {
            const QString image = type == QEvent::Enter ? QStringLiteral(":images/mouseOverMinimize.jpg")
                                                        : QStringLiteral(":images/index_r2_c8.jpg");
            for (QWidget *button : {static_cast<QWidget *>(m_minimizeButton),
                                    static_cast<QWidget *>(m_loginPageMinimizeButton),
                                    static_cast<QWidget *>(m_processMinimizeButton)})
                setButtonFace(button, image, true);
        }
        return false;
    }

    if (watched == textBrowser) {
        if (type == QEvent::MouseButtonPress)
            generateWindow();
        else if (isEnterOrLeave(type))
            underline(textBrowser, type == QEvent::Enter);
        return false;
    }

    if (ZELPopup *popup = m_notificationPopup.built();
        popup && (watched == popup->m_messageLabel || watched == popup->m_noticeLabel))
        return popupLabelEvent(watched, event);

    if (watched == m_voiceMailIndicationLabel) {
        if (isEnterOrLeave(type))
            underline(m_voiceMailIndicationLabel, type == QEvent::Enter);
        else if (type == QEvent::MouseButtonPress)
            showVoiceMailInboxDialog();
        return false;
    }

    if (watched == this) {
        if (!MainPage->isVisible()) {
            if (type == QEvent::MouseButtonPress) {
                auto *mouse = static_cast<QMouseEvent *>(event);
                if (mouse->button() == Qt::RightButton && mouse->buttons() == Qt::RightButton) {
                    m_connectionPopupMenu->popup(QCursor::pos());
                    return true;
                }
            }
            return false;
        }
        if (type == QEvent::KeyPress) {
            if (runCtrlShortcut(*this, static_cast<QKeyEvent *>(event)))
                return false;
            // Every other key on the contact page stops here.
            return true;
        }
    }

    return false;
}

void ZELClient::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QRect logo = m_logoLabel->rect();
    if (at.x() >= logo.left() && at.x() <= logo.right() && at.y() >= logo.top()
        && at.y() <= logo.bottom() + DragZoneExtra) {
        m_dragPosition = event->globalPosition().toPoint();
        m_dragging = true;
    }
}

void ZELClient::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        m_dragging = false;
}

void ZELClient::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint global = event->globalPosition().toPoint();
    move(pos() + global - m_dragPosition);
    m_dragPosition = global;
}

namespace {

// The window goes into the tray only where a tray exists to bring it back
// from; elsewhere hiding would leave the user no way back.
bool trayHoldsWindow(const ZELClient &client)
{
    return ZELPlatform::systemTray()->available() && client.m_trayIcon->isVisible();
}

void hideToTray(ZELClient &client)
{
    if (trayHoldsWindow(client))
        client.hide();
    else
        client.showMinimized();
}

} // namespace

void ZELClient::closeEvent(QCloseEvent *event)
{
    // The application outlives its last window: closing (also by the window
    // manager) only hides it into the tray; without a tray to come back from
    // it minimises, as the title buttons do.
    if (trayHoldsWindow(*this)) {
        event->accept();
        return;
    }
    event->ignore();
    showMinimized();
}

void ZELClient::minimized()
{
    showMinimized();
}

// The close buttons of the login and connecting pages. Without a tray they
// are the plain way out of a client that is not signed in (a connection that
// keeps failing leaves the connecting page up for good), so they exit.
void ZELClient::closeSlot()
{
    // The connecting page of the user's own attempt closes back to the
    // sign-in page: he need not wait for a server that does not answer.
    if (stackedWidget->currentWidget() == processPage && m_connectAttemptTimer
        && m_connectAttemptTimer->isActive()) {
        giveUpConnectionAttempt(true);
        return;
    }
    if (trayHoldsWindow(*this))
        hide();
    else
        fileMenuExit();
}

void ZELClient::trayIconHideSlot()
{
    hideToTray(*this);
}

void ZELClient::trayIconMaximizedSlot()
{
    showNormal();
}

void ZELClient::toOpenZEL()
{
    raise();
    showNormal();
}
