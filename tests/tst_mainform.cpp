#include "style/zelsharedsheet.h"
#include "style/zelplainstyle.h"
#include "zeltestmain.h"

#include "ui/ui_zembrio.h"
#include "mainwindow/zelmainwindowlook.h"

#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

// The main form: other parts of the client find these widgets by name and
// page, so names, classes, pages and key properties are pinned here.
class TestMainForm : public QObject
{
    Q_OBJECT

private:
    QWidget *m_window = nullptr;
    Ui_Zembrio m_ui;
    // A second form with the window's look applied, as the main widget does.
    QWidget *m_styled = nullptr;
    Ui_Zembrio m_look;
    QList<QMenu *> m_menus;

    QWidget *find(const QString &name) const { return m_window->findChild<QWidget *>(name); }

private slots:
    void initTestCase()
    {
        m_window = new QWidget;
        m_ui.setupUi(m_window);

        m_styled = new QWidget;
        m_look.setupUi(m_styled);
        for (int i = 0; i < 3; ++i)
            m_menus << new QMenu(m_styled);
        m_menus[0]->addAction(QStringLiteral("&Sign Out"));
        ZELMainWindowLook::apply(m_styled, m_look, m_menus);
    }
    void cleanupTestCase()
    {
        delete m_window;
        delete m_styled;
    }

    void windowAndPages()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Zembrio."));
        QCOMPARE(m_window->objectName(), QStringLiteral("Zembrio"));
        QCOMPARE(m_window->minimumSize(), QSize(310, 550));
        QCOMPARE(m_window->maximumSize(), QSize(310, 550));
        QCOMPARE(m_ui.stackedWidget->geometry(), QRect(0, 0, 310, 550));
        QCOMPARE(m_ui.stackedWidget->count(), 3);
        QCOMPARE(m_ui.stackedWidget->widget(0), m_ui.loginPage);
        QCOMPARE(m_ui.stackedWidget->widget(1), m_ui.MainPage);
        QCOMPARE(m_ui.stackedWidget->widget(2), m_ui.processPage);
        QCOMPARE(m_ui.stackedWidget->currentIndex(), 1);
        QCOMPARE(m_ui.loginPage->objectName(), QStringLiteral("loginPage"));
        QCOMPARE(m_ui.MainPage->objectName(), QStringLiteral("MainPage"));
        QCOMPARE(m_ui.processPage->objectName(), QStringLiteral("processPage"));
    }

    void widgets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry"); // null: placed by a layout

        auto row = [](const char *name, const char *cls, const char *parent, QRect g = QRect()) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls)
                                << QString::fromLatin1(parent) << g;
        };
        row("m_loginPageCloseButton", "QPushButton", "loginPage", QRect(286, 10, 12, 11));
        row("m_logoLabelLoginPage", "QLabel", "loginPage", QRect(35, 7, 241, 26));
        row("m_loginPageMinimizeButton", "QPushButton", "loginPage", QRect(265, 10, 12, 11));
        row("m_autoSignInCheckBox", "QCheckBox", "loginPage", QRect(65, 374, 180, 18));
        row("signButton", "QPushButton", "loginPage", QRect(104, 403, 80, 21));
        row("userNameLabel_2", "QLabel", "loginPage", QRect(65, 210, 81, 21));
        row("userNameLabel", "QLabel", "loginPage", QRect(65, 160, 80, 21));
        row("passWordEdit", "QLineEdit", "loginPage", QRect(65, 232, 171, 21));
        row("userNameEdit", "QComboBox", "loginPage", QRect(65, 180, 171, 21));
        row("m_forgetPasswordButton", "QLabel", "loginPage", QRect(65, 260, 99, 14));
        row("m_connectedStateLabel", "QLabel", "loginPage", QRect(216, 530, 86, 14));
        row("m_logoImageLable", "QLabel", "loginPage", QRect(50, 60, 200, 100));
        row("m_showErrorLable", "QLabel", "loginPage", QRect(20, 450, 281, 61));
        row("m_rememberPasswordCheckBox", "QCheckBox", "loginPage", QRect(65, 347, 180, 18));
        row("m_invisibleModeCheckBox", "QCheckBox", "loginPage", QRect(65, 280, 171, 18));
        row("m_rememberMeCheckBox", "QCheckBox", "loginPage", QRect(65, 305, 120, 18));
        row("m_forgetMeLink", "QLabel", "loginPage", QRect(94, 326, 62, 14));
        row("m_settingsLabel", "QLabel", "loginPage", QRect(65, 430, 46, 16));

        row("m_closeButton", "QPushButton", "MainPage", QRect(286, 10, 12, 11));
        row("m_minimizeButton", "QPushButton", "MainPage", QRect(265, 10, 12, 11));
        row("m_logoLabel", "QLabel", "MainPage", QRect(32, 6, 237, 30));
        row("m_toolBarGroupBox", "QGroupBox", "MainPage", QRect(4, 85, 302, 26));
        row("m_addContactToolButton", "QPushButton", "m_toolBarGroupBox", QRect(2, 0, 56, 26));
        row("m_deleteContactToolButton", "QPushButton", "m_toolBarGroupBox", QRect(58, 0, 80, 26));
        row("m_conferenceChatToolButton", "QPushButton", "m_toolBarGroupBox", QRect(138, 0, 98, 26));
        row("m_chatToolButton", "QPushButton", "m_toolBarGroupBox", QRect(236, 0, 64, 26));
        row("m_fileMenuGroupBox", "QGroupBox", "MainPage", QRect(13, 45, 282, 30));
        row("m_fileMenu", "QPushButton", "m_fileMenuGroupBox", QRect(2, 0, 52, 30));
        row("m_contactsMenu", "QPushButton", "m_fileMenuGroupBox", QRect(54, 0, 88, 31));
        row("m_settingsMenu", "QPushButton", "m_fileMenuGroupBox", QRect(142, 0, 89, 30));
        row("m_helpMenu", "QPushButton", "m_fileMenuGroupBox", QRect(230, 0, 50, 30));
        row("signoutButton", "QPushButton", "MainPage", QRect(238, 433, 57, 21));
        row("label", "QLabel", "MainPage", QRect(13, 459, 282, 64));
        // The marquee: a label that keeps its laid-out line between steps.
        row("m_animateText", "ZELMarqueeLabel", "MainPage", QRect(290, 530, 10, 20));
        row("m_offlineLable", "QLabel", "MainPage", QRect(8, 434, 21, 19));
        row("textBrowser", "QLabel", "MainPage", QRect(28, 437, 165, 14));
        row("m_voiceMailIndicationLabel", "QLabel", "MainPage", QRect(28, 417, 90, 14));
        row("m_waitingChatsLabel", "QLabel", "MainPage", QRect(118, 417, 182, 14));
        row("verticalLayout_2", "QWidget", "MainPage", QRect(10, 120, 291, 295));
        row("m_searchLineEdit", "QLineEdit", "verticalLayout_2");
        row("m_activeusersearch", "QRadioButton", "verticalLayout_2");
        row("m_inactiveusersearch", "QRadioButton", "verticalLayout_2");
        row("m_searchCloseButton", "QToolButton", "verticalLayout_2");
        row("m_contactViewGroupBox", "QGroupBox", "verticalLayout_2");
        row("m_userNamePushButton", "QPushButton", "m_contactViewGroupBox");
        row("m_statusMessageToolButton", "QPushButton", "m_contactViewGroupBox");
        row("m_contactView", "QTreeWidget", "m_contactViewGroupBox");

        row("m_processLable", "QLabel", "processPage", QRect(77, 175, 150, 150));
        row("m_logoLabelProcess", "QLabel", "processPage", QRect(35, 7, 237, 30));
        row("m_processPageCloseButton", "QPushButton", "processPage", QRect(286, 10, 12, 11));
        row("m_processMinimizeButton", "QPushButton", "processPage", QRect(265, 10, 12, 11));
        row("m_connectingStatusLabel", "QLabel", "processPage", QRect(20, 425, 156, 31));
        row("m_connectionStatusLable", "QLabel", "processPage", QRect(221, 530, 81, 14));
        row("m_connectingGifLabel", "QLabel", "processPage", QRect(178, 435, 100, 14));
    }
    void widgets()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);

        const QList<QWidget *> found = m_window->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QWidget *w = found.first();
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
        QVERIFY(w->parentWidget());
        QCOMPARE(w->parentWidget()->objectName(), parentName);
        if (!geometry.isNull())
            QCOMPARE(w->geometry(), geometry);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");

        auto row = [](const char *name, const char *text, const char *tip) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text)
                                << QString::fromLatin1(tip);
        };
        row("m_autoSignInCheckBox", "  Sign me in automatically", "Sign me in automatically");
        row("signButton", "Sign In", "Sign In");
        row("userNameLabel_2", "Password", "");
        row("userNameLabel", "Login Id", "");
        row("m_forgetPasswordButton", "Forgot Password?", "Forget Password");
        row("m_rememberPasswordCheckBox", "  Remember my password", "Remember password");
        row("m_invisibleModeCheckBox", "  Login as invisible mode", "Invisible mode");
        row("m_rememberMeCheckBox", "  Remember me", "Remember me");
        row("m_forgetMeLink", "Forget me", "Forget me");
        row("m_settingsLabel", "Settings", "Server Settings");
        row("m_loginPageCloseButton", "", "Close");
        row("m_processMinimizeButton", "", "Minimize");
        row("m_addContactToolButton", "  Add", "Add Contact");
        row("m_deleteContactToolButton", "  Remove", "Delete Contact");
        row("m_conferenceChatToolButton", "  Conference", "Conference Chat");
        row("m_chatToolButton", " Chat", "Chat");
        row("m_fileMenu", "&File", "");
        row("m_contactsMenu", "&Contacts", "");
        row("m_settingsMenu", "&Settings", "");
        row("m_helpMenu", "&Help", "");
        row("signoutButton", "", "Sign Out");
        row("textBrowser", "", "Offline Messages / Files");
        row("m_voiceMailIndicationLabel", "", "Voice Mails");
        row("m_waitingChatsLabel", "", "Chats waiting for a free chat window");
        row("m_activeusersearch", "Online", "");
        row("m_inactiveusersearch", "Offline", "");
        row("m_searchCloseButton", "", "Close");
        row("m_connectingStatusLabel", "Connecting with Server", "");
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QWidget *w = find(name);
        QVERIFY(w);
        QCOMPARE(w->property("text").toString(), text);
        QCOMPARE(w->toolTip(), toolTip);
    }

    void signInFields()
    {
        QCOMPARE(m_ui.passWordEdit->maxLength(), 20);
        QCOMPARE(m_ui.passWordEdit->echoMode(), QLineEdit::Password);
        QCOMPARE(m_ui.passWordEdit->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(m_ui.userNameEdit->isEditable());
        QCOMPARE(m_ui.userNameEdit->count(), 0);
        // The form's old font weight 75 means bold, not Qt 6's near-thin 75.
        QVERIFY(m_ui.signButton->font().bold());
        QVERIFY(m_ui.m_showErrorLable->font().bold());
        QVERIFY(!m_ui.m_autoSignInCheckBox->font().bold());
        QVERIFY(m_ui.m_forgetPasswordButton->font().underline());
        QVERIFY(m_ui.m_showErrorLable->wordWrap());
    }

    void contactTreeAndLayout()
    {
        QTreeWidget *tree = m_ui.m_contactView;
        QCOMPARE(tree->headerItem()->text(0), QStringLiteral("My Contacts"));
        QCOMPARE(tree->columnCount(), 1);
        QCOMPARE(tree->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(tree->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(tree->iconSize(), QSize(37, 31));
        QCOMPARE(tree->indentation(), 30);
        QVERIFY(!tree->rootIsDecorated());
        QCOMPARE(tree->frameShape(), QFrame::NoFrame);

        QCOMPARE(m_ui.m_statusMessageToolButton->minimumSize(), QSize(82, 30));
        QCOMPARE(m_ui.m_statusMessageToolButton->maximumSize(), QSize(82, 30));
        QCOMPARE(m_ui.m_searchCloseButton->maximumSize(), QSize(20, 20));
        QCOMPARE(m_ui.vboxLayout->contentsMargins(), QMargins(2, 2, 0, 3));
        QCOMPARE(m_ui.vboxLayout->spacing(), 10);
        QCOMPARE(m_ui.vboxLayout3->contentsMargins(), QMargins(1, 1, 1, 1));
        QCOMPARE(m_ui.label->styleSheet(),
                 QStringLiteral(" border: 0.5px solid gray;\n border-radius: 3px;\n padding: 1px 1px 1px 1px;"));
    }

    void palettes()
    {
        // Links are blue while enabled and fall back to the window's grey when disabled.
        const QPalette link = m_ui.m_forgetPasswordButton->palette();
        QCOMPARE(link.color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link.color(QPalette::Disabled, QPalette::WindowText), QColor(118, 116, 108));
        // Roles a widget does not set follow the stacked widget's palette.
        const QPalette error = m_ui.m_showErrorLable->palette();
        QCOMPARE(error.color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(error.color(QPalette::Active, QPalette::Window), QColor(236, 233, 216));
        QCOMPARE(error.color(QPalette::Active, QPalette::Light), QColor(144, 209, 247));
        QCOMPARE(m_ui.signButton->palette().color(QPalette::Active, QPalette::Light), QColor(255, 255, 255));
        QCOMPARE(m_ui.signButton->palette().color(QPalette::Active, QPalette::Button), QColor(236, 233, 216));
        QCOMPARE(m_ui.stackedWidget->palette().color(QPalette::Inactive, QPalette::Highlight),
                 QColor(236, 233, 216));
    }

    void tabOrder()
    {
        const QStringList expected = {
            "userNameEdit", "passWordEdit", "m_invisibleModeCheckBox", "m_rememberMeCheckBox",
            "m_rememberPasswordCheckBox", "m_autoSignInCheckBox", "signButton",
            "m_loginPageMinimizeButton", "m_loginPageCloseButton", "m_fileMenu", "m_contactsMenu",
            "m_settingsMenu", "m_helpMenu", "m_addContactToolButton", "m_deleteContactToolButton",
            "m_conferenceChatToolButton", "m_chatToolButton", "m_searchLineEdit",
            "m_activeusersearch", "m_inactiveusersearch", "m_searchCloseButton",
            "m_userNamePushButton", "m_statusMessageToolButton", "m_contactView", "signoutButton",
            "m_minimizeButton", "m_closeButton", "m_processPageCloseButton", "m_processMinimizeButton",
        };
        // Walk the focus chain once round and keep the widgets of the list, in the order met.
        QStringList met;
        QWidget *start = m_ui.userNameEdit;
        QWidget *w = start;
        do {
            if (expected.contains(w->objectName()) && !met.contains(w->objectName()))
                met << w->objectName();
            w = w->nextInFocusChain();
        } while (w && w != start);
        QCOMPARE(met, expected);
    }

    // Image-faced widgets get a plain style each; the rest keep the application style.
    void lookStyles()
    {
        QStyle *appStyle = QApplication::style();
        const QList<QWidget *> plain = { m_styled, m_look.m_fileMenu, m_look.m_chatToolButton,
                                         m_look.m_contactViewGroupBox, m_look.m_toolBarGroupBox,
                                         m_look.signoutButton, m_look.m_processMinimizeButton,
                                         m_look.m_statusMessageToolButton };
        QSet<QStyle *> seen;
        for (QWidget *w : plain) {
            QVERIFY2(w->style() != appStyle, qPrintable(w->objectName()));
            const auto *own = dynamic_cast<ZELPlainStyle *>(w->style());
            QVERIFY2(own, qPrintable(w->objectName()));
            QCOMPARE(own->baseStyle()->name().toLower(), QStringLiteral("windows"));
            seen.insert(w->style());
        }
        QCOMPARE(seen.size(), plain.size());
        // Children of a restyled widget are not restyled with it.
        QCOMPARE(m_look.signButton->style(), appStyle);
        QCOMPARE(m_look.m_activeusersearch->style(), appStyle);
        QCOMPARE(m_look.m_searchCloseButton->style(), appStyle);
    }

    void lookPalettesAndFonts()
    {
        const QColor sky(144, 209, 247);
        QCOMPARE(m_look.m_fileMenu->palette().color(QPalette::Disabled, QPalette::Dark), sky);
        QCOMPARE(m_look.m_helpMenu->palette().color(QPalette::Active, QPalette::Window), sky);
        QCOMPARE(m_look.m_chatToolButton->palette().color(QPalette::Active, QPalette::Midlight), sky);
        QCOMPARE(m_look.m_fileMenuGroupBox->palette().color(QPalette::Active, QPalette::Dark),
                 QColor(216, 239, 253));
        QCOMPARE(m_look.m_contactView->palette().color(QPalette::Active, QPalette::Base),
                 QColor(240, 245, 251));
        QCOMPARE(m_look.passWordEdit->palette().color(QPalette::Inactive, QPalette::ButtonText),
                 QColor(104, 104, 88));
        QCOMPARE(m_look.m_statusMessageToolButton->palette().color(QPalette::Active, QPalette::ButtonText),
                 QColor(66, 66, 66));
        QCOMPARE(m_menus[2]->palette().color(QPalette::Active, QPalette::HighlightedText), QColor(104, 104, 88));
        // Roles the look leaves alone still come from the form's palette.
        QCOMPARE(m_look.m_fileMenu->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 0));
        QCOMPARE(m_look.m_contactView->palette().color(QPalette::Active, QPalette::Link), QColor(0, 0, 255));

        for (QPushButton *b : { m_look.m_userNamePushButton, m_look.m_statusMessageToolButton }) {
            QVERIFY(b->font().bold());
            QCOMPARE(b->font().pointSize(), 9);
        }
        QVERIFY(!m_look.m_userNamePushButton->icon().isNull());
        QVERIFY(!m_look.m_searchCloseButton->icon().isNull());
    }

    void lookImages()
    {
        QVERIFY2(QFile::exists(QStringLiteral(":images/menu1.jpg")), "the images are compiled in");
        QCOMPARE(m_look.m_fileMenu->palette().brush(QPalette::Active, QPalette::Button).style(),
                 Qt::TexturePattern);
        QCOMPARE(m_look.signoutButton->palette().brush(QPalette::Active, QPalette::Button).texture().size(),
                 QSize(57, 21));
        QVERIFY(!m_look.m_logoImageLable->pixmap().isNull());
        QVERIFY(!m_look.m_offlineLable->pixmap().isNull());
        // Opaque title-button images leave the whole face visible and clickable.
        QVERIFY(m_look.signoutButton->mask().isEmpty());
        QVERIFY(m_look.m_closeButton->mask().isEmpty());
    }

    void imageFaceMask()
    {
        QTemporaryDir dir;
        QPixmap shaped(12, 11);
        shaped.fill(Qt::transparent);
        QPainter(&shaped).fillRect(2, 2, 6, 6, Qt::red);
        const QString shapedFile = dir.filePath(QStringLiteral("shaped.png"));
        QVERIFY(shaped.save(shapedFile));

        QPushButton button;
        button.resize(12, 11);
        ZELMainWindowLook::setImageFace(&button, shapedFile, true);
        QCOMPARE(button.mask().boundingRect(), QRect(2, 2, 6, 6));
        // A missing image removes the shape again rather than hiding the button.
        ZELMainWindowLook::setImageFace(&button, dir.filePath(QStringLiteral("missing.png")), true);
        QVERIFY(button.mask().isEmpty());
        QCOMPARE(button.palette().brush(QPalette::Active, QPalette::Button).style(), Qt::NoBrush);
    }

    void lookStyleSheet()
    {
        const QString sheet = ZELMainWindowLook::sharedStyleSheet();
        QVERIFY(sheet.contains(QStringLiteral("QScrollBar:vertical")));
        QCOMPARE(m_look.m_contactView->styleSheet(), sheet);
        // The fields carry the rules that can reach them, and only those.
        for (QWidget *w : { static_cast<QWidget *>(m_look.userNameEdit), static_cast<QWidget *>(m_look.passWordEdit),
                            static_cast<QWidget *>(m_look.m_searchLineEdit) }) {
            QCOMPARE(w->styleSheet(), ZELSharedSheet::fitted(sheet, w));
            QVERIFY(w->styleSheet().contains(QStringLiteral("QLineEdit:read-only")));
            QVERIFY(!w->styleSheet().contains(QStringLiteral("QTabBar::tab")));
        }
        QVERIFY(!m_look.m_contactView->rootIsDecorated());
        QVERIFY(m_look.label->styleSheet().contains(QStringLiteral("border-radius: 3px;")));

        // A menu takes the sheet when it is first about to show.
        for (QMenu *menu : { m_menus[0], m_menus[2] }) {
            menu->popup(QPoint(0, 0));
            QCOMPARE(menu->styleSheet(), ZELSharedSheet::fitted(sheet, menu));
            QVERIFY(menu->styleSheet().contains(QStringLiteral("QMenu::item:selected")));
            menu->hide();
        }
    }

    // What the sheet is parsed for fewer times looks exactly as before: a menu
    // given it when first shown, and a view's scroll bar styled by the view's sheet.
    void lookStyleSheetUnchangedWhereParsedLess()
    {
        const QString sheet = ZELMainWindowLook::sharedStyleSheet();
        const auto menuLook = [&](bool atShow) {
            QWidget parent;
            QMenu menu(&parent);
            menu.addAction(QStringLiteral("&Sign Out"));
            menu.addSeparator();
            menu.addAction(QStringLiteral("E&xit"))->setEnabled(false);
            if (atShow)
                QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] { menu.setStyleSheet(sheet); });
            else
                menu.setStyleSheet(sheet);
            menu.popup(QPoint(0, 0));
            menu.setActiveAction(menu.actions().constFirst());
            const QImage image = menu.grab().toImage();
            menu.hide();
            return image;
        };
        const QImage early = menuLook(false);
        QVERIFY(!early.isNull());
        QCOMPARE(menuLook(true), early);

        const auto viewLook = [&](bool barSheet) {
            QTreeWidget view;
            view.resize(200, 120);
            for (int i = 0; i < 40; ++i)
                view.addTopLevelItem(new QTreeWidgetItem({QStringLiteral("Contact %1").arg(i)}));
            view.setStyleSheet(sheet);
            if (barSheet)
                view.verticalScrollBar()->setStyleSheet(sheet);
            view.verticalScrollBar()->setValue(5);
            return view.grab().toImage();
        };
        QCOMPARE(viewLook(false), viewLook(true));
    }
};

ZEL_TEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
