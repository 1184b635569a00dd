#include "mainwindow/zelmainwindowlook.h"
#include "style/zelsharedsheet.h"

#include "ui/ui_zembrio.h"
#include "style/zelplainstyle.h"

#include <QBitmap>
#include <QFile>
#include <QMenu>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>

namespace ZELMainWindowLook {

namespace {

const QColor kSkyBlue(144, 209, 247);

void setColour(QPalette &palette, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    for (QPalette::ColorRole role : roles)
        setRole(palette, role, QBrush(colour));
}

QPalette menuButtonPalette()
{
    QPalette p = imageFacePalette(QStringLiteral(":images/menu1.jpg"));
    setColour(p, { QPalette::Dark, QPalette::Shadow, QPalette::Light, QPalette::Mid, QPalette::Window },
              kSkyBlue);
    return p;
}

QPalette actionButtonPalette()
{
    QPalette p = imageFacePalette(QStringLiteral(":images/menu2.jpg"));
    setColour(p, { QPalette::Dark, QPalette::Shadow, QPalette::Light, QPalette::Midlight }, kSkyBlue);
    return p;
}

QPalette ownNameAndStatusPalette()
{
    QPalette p = imageFacePalette(QStringLiteral(":images/bg_username.png"));
    setColour(p, { QPalette::Light }, kSkyBlue);
    setColour(p, { QPalette::ButtonText }, QColor(66, 66, 66));
    return p;
}

QPalette groupBoxPalette()
{
    QPalette p;
    setColour(p, { QPalette::Dark }, QColor(216, 239, 253));
    setColour(p, { QPalette::Shadow, QPalette::Light }, kSkyBlue);
    return p;
}

QPalette menuPalette()
{
    QPalette p;
    setColour(p, { QPalette::Button }, QColor(255, 255, 255));
    setColour(p, { QPalette::Highlight }, kSkyBlue);
    setColour(p, { QPalette::HighlightedText }, QColor(104, 104, 88));
    return p;
}

QPalette contactTreePalette()
{
    QPalette p;
    setColour(p, { QPalette::Light }, QColor(255, 255, 255));
    setColour(p, { QPalette::Midlight, QPalette::Dark, QPalette::Window, QPalette::Highlight }, kSkyBlue);
    setColour(p, { QPalette::Base, QPalette::Shadow, QPalette::Button }, QColor(240, 245, 251));
    setColour(p, { QPalette::Text }, QColor(0, 0, 0));
    return p;
}

QPalette signInFieldPalette()
{
    QPalette p;
    setColour(p, { QPalette::Light, QPalette::Dark, QPalette::Base }, QColor(255, 255, 255));
    setColour(p, { QPalette::Midlight, QPalette::Shadow, QPalette::Window, QPalette::Highlight }, kSkyBlue);
    setColour(p, { QPalette::Text }, QColor(0, 0, 0));
    setColour(p, { QPalette::Button }, QColor(240, 245, 251));
    setColour(p, { QPalette::ButtonText }, QColor(104, 104, 88));
    return p;
}

} // namespace

QStyle *setPlainStyle(QWidget *widget)
{
    return ZELPlainStyle::setOn(widget);
}

QStyle *setXpStyle(QWidget *widget)
{
    return setPlainStyle(widget);
}

void setRole(QPalette &palette, QPalette::ColorRole role, const QBrush &brush)
{
    palette.setBrush(QPalette::Active, role, brush);
    palette.setBrush(QPalette::Inactive, role, brush);
    palette.setBrush(QPalette::Disabled, role, brush);
}

QPalette imageFacePalette(const QString &image)
{
    QPalette p;
    setRole(p, QPalette::Button, QBrush(QPixmap(image)));
    return p;
}

void setImageFace(QWidget *button, const QString &image, bool shapeByImage)
{
    if (shapeByImage) {
        // An opaque image has no mask; an empty mask removes any earlier one.
        button->setMask(QPixmap(image).mask());
    }
    button->setPalette(imageFacePalette(image));
}

QString sharedStyleSheet()
{
    // Read once: every chat window asks for it as it opens.
    static const QString sheet = [] {
        QFile file(QStringLiteral(":images/stylesheet.qss"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }();
    return sheet;
}

void apply(QWidget *mainWidget, Ui_Zembrio &ui, const QList<QMenu *> &menus)
{
    // Widgets painted from their palette's images get a plain style of their own;
    // everything else keeps the application style.
    setPlainStyle(mainWidget);
    for (QWidget *w : { static_cast<QWidget *>(ui.m_fileMenu), static_cast<QWidget *>(ui.m_contactsMenu),
                        static_cast<QWidget *>(ui.m_settingsMenu), static_cast<QWidget *>(ui.m_helpMenu),
                        static_cast<QWidget *>(ui.m_addContactToolButton),
                        static_cast<QWidget *>(ui.m_deleteContactToolButton),
                        static_cast<QWidget *>(ui.m_conferenceChatToolButton),
                        static_cast<QWidget *>(ui.m_chatToolButton) })
        setPlainStyle(w);
    setXpStyle(ui.m_contactViewGroupBox);
    for (QWidget *w : { static_cast<QWidget *>(ui.m_fileMenuGroupBox),
                        static_cast<QWidget *>(ui.m_toolBarGroupBox), static_cast<QWidget *>(ui.signoutButton),
                        static_cast<QWidget *>(ui.m_loginPageCloseButton),
                        static_cast<QWidget *>(ui.m_loginPageMinimizeButton),
                        static_cast<QWidget *>(ui.m_closeButton), static_cast<QWidget *>(ui.m_minimizeButton),
                        static_cast<QWidget *>(ui.m_processPageCloseButton),
                        static_cast<QWidget *>(ui.m_processMinimizeButton),
                        static_cast<QWidget *>(ui.m_userNamePushButton),
                        static_cast<QWidget *>(ui.m_statusMessageToolButton) })
        setPlainStyle(w);

    ui.m_offlineLable->setPixmap(QPixmap(QStringLiteral(":images/mail.jpg")));
    ui.m_logoImageLable->setPixmap(QPixmap(QStringLiteral(":images/ZEL_logo.png")));

    const QPalette menuButtons = menuButtonPalette();
    for (QPushButton *b : { ui.m_fileMenu, ui.m_contactsMenu, ui.m_settingsMenu, ui.m_helpMenu })
        b->setPalette(menuButtons);

    const QPalette actionButtons = actionButtonPalette();
    const struct {
        QAbstractButton *button;
        const char *icon;
    } actions[] = {
        { ui.m_addContactToolButton, ":images/add_icon.png" },
        { ui.m_deleteContactToolButton, ":images/remove_icon.png" },
        { ui.m_conferenceChatToolButton, ":images/conferance_icon.png" },
        { ui.m_chatToolButton, ":images/chat_icon.png" },
        { ui.m_searchCloseButton, ":images/closetab.png" },
    };
    for (const auto &a : actions) {
        a.button->setIcon(QIcon(QString::fromLatin1(a.icon)));
        a.button->setPalette(actionButtons);
    }

    setImageFace(ui.signoutButton, QStringLiteral(":images/index_r8_c6.jpg"), true);

    ui.m_userNamePushButton->setIcon(QIcon(QStringLiteral(":images/chat_icon.png")));
    const QPalette ownNameAndStatus = ownNameAndStatusPalette();
    ui.m_userNamePushButton->setPalette(ownNameAndStatus);
    ui.m_statusMessageToolButton->setPalette(ownNameAndStatus);

    for (QWidget *b : { ui.m_minimizeButton, ui.m_loginPageMinimizeButton, ui.m_processMinimizeButton })
        setImageFace(b, QStringLiteral(":images/index_r2_c8.jpg"), true);
    for (QWidget *b : { ui.m_closeButton, ui.m_loginPageCloseButton, ui.m_processPageCloseButton })
        setImageFace(b, QStringLiteral(":images/index_r2_c11.jpg"), true);

    const QPalette groupBoxes = groupBoxPalette();
    ui.m_fileMenuGroupBox->setPalette(groupBoxes);
    ui.m_toolBarGroupBox->setPalette(groupBoxes);

    const QPalette menuLook = menuPalette();
    for (QMenu *menu : menus) {
        if (menu)
            menu->setPalette(menuLook);
    }

    ui.m_contactView->setPalette(contactTreePalette());
    const QPalette signInFields = signInFieldPalette();
    ui.userNameEdit->setPalette(signInFields);
    ui.passWordEdit->setPalette(signInFields);

    const QString styleSheet = sharedStyleSheet();
    ui.m_contactView->setStyleSheet(styleSheet);
    // The sign-in fields and menus take only the rules that can reach them;
    // the contact view keeps the whole sheet, for the cards put into it later.
    ZELSharedSheet::setFitted(ui.userNameEdit, styleSheet);
    ZELSharedSheet::setFitted(ui.passWordEdit, styleSheet);
    ui.m_contactView->setRootIsDecorated(false);
    // A menu parses its sheet when it is first about to show: most menus are
    // never opened in a session, and each parse costs memory for good.
    for (QMenu *menu : menus) {
        if (menu)
            QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, styleSheet]() {
                if (menu->styleSheet().isEmpty())
                    ZELSharedSheet::setFitted(menu, styleSheet);
            });
    }
    ZELSharedSheet::setFitted(ui.m_searchLineEdit, styleSheet);
    // The contact view's own sheet already reaches its scroll bars.

    // Where Comic Sans is missing, font matching may pick a calligraphic face
    // (thin italics); a plain sans reads better as the user's name and status.
    QFont ownFont;
    ownFont.setFamilies({ QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans") });
    ownFont.setPointSize(9);
    ownFont.setBold(true);
    ownFont.setItalic(false);
    ui.m_statusMessageToolButton->setFont(ownFont);
    ui.m_userNamePushButton->setFont(ownFont);
}

} // namespace ZELMainWindowLook
