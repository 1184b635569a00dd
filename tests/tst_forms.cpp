#include "zeltestmain.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTextDocument>
#include <QToolButton>

#include "chat/zelchatwindow.h"
#include "chat/zelpasswordchatdialog.h"
#include "chat/zelpasswordprotect.h"
#include "chat/zelconferencechat.h"
#include "chat/zelrequestdialog.h"
#include "chat/zelsmileydialog.h"
#include "contacts/zelprofilesettings.h"
#include "contacts/zeluserprofiledialog.h"
#include "core/zelclient.h"
#include "mainwindow/zelprofile.h"
#include "media/zelscreencaptureeditor.h"
#include "messages/zelchathistorylistwindow.h"
#include "messages/zelgroupmessagedialog.h"
#include "messages/zelgroupmessagedisplay.h"
#include "platform/zelfakeinputmonitor.h"
#include "platform/zelfakescreengrabber.h"
#include "platform/zelplatform.h"
#include "protocol/zelsettingslists.h"
#include "settings/zelchangepassword.h"
#include "settings/zelconnecttoserversettings.h"
#include "settings/zelpreferencessettings.h"
#include "settings/zelstatusmessagedialog.h"
#include "style/zelaboutdialog.h"
#include "style/zelstyle.h"

#include <functional>

namespace {

// Windows the main widget does not make while it builds itself. A new form
// that is opened on demand gets its line here; every window the main widget
// makes by itself is walked without one.
const QList<std::function<QWidget *(QWidget *main)>> &onDemandWindows()
{
    static const QList<std::function<QWidget *(QWidget *)>> makers{
        [](QWidget *) {
            auto *window = new ZELChatWindow;
            window->filePages(); // built when a transfer first needs them
            window->conferencePage(); // built when a conference first needs it
            return window;
        },
        [](QWidget *m) { return new ZELRequestDialog(m); },
        [](QWidget *m) { return new ZELConferenceChat(m); },
        [](QWidget *m) { return new ZELPasswordChatDialog(m); },
        [](QWidget *m) { return new ZELPasswordProtect(m); },
        [](QWidget *) { return new ZELSmileyDialog; },
        [](QWidget *m) { return new ZELProfileSettings(m); },
        [](QWidget *m) { return new ZELUserProfileDialog(m); },
        [](QWidget *) { return new ZELProfile; },
        [](QWidget *) { return new ZELScreenCaptureEditor; },
        [](QWidget *m) {
            auto *dialog = new ZELGroupMessageDialog(m);
            dialog->resize(360, 550); // as the main widget opens it
            return dialog;
        },
        [](QWidget *) { return new ZELGroupMessageDisplay; },
        [](QWidget *m) { return new ZELChangePassword(m); },
        [](QWidget *m) { return new ZELConnectToServerSettings(m); },
        [](QWidget *m) { return new ZELPreferencesSettings(m); },
        [](QWidget *m) { return new ZELStatusMessageDialog(m); },
        [](QWidget *m) { return new ZELAboutDialog(m); },
        [](QWidget *) { return new ZELChatHistoryListWindow; },
    };
    return makers;
}

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int plainWidth(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Width the text needs and width it has; needed 0 when there is nothing to measure.
struct Fit
{
    int needed = 0;
    int available = 0;
    QRect text; // where the text is drawn, in the widget's coordinates; empty when unknown
};

// The place of a text of the given width in an area, by its horizontal alignment.
QRect textPlace(const QRect &area, int width, int height, Qt::Alignment alignment)
{
    int left = area.left();
    if (alignment & Qt::AlignHCenter)
        left = area.left() + (area.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        left = area.right() + 1 - width;
    int topEdge = area.top() + (area.height() - height) / 2;
    if (alignment & Qt::AlignTop)
        topEdge = area.top();
    else if (alignment & Qt::AlignBottom)
        topEdge = area.bottom() + 1 - height;
    return QRect(left, topEdge, qMin(width, area.width()), qMin(height, area.height()));
}

Fit labelFit(const QLabel *label)
{
    if (label->text().isEmpty() || label->wordWrap())
        return Fit();
    const int margins = 2 * label->margin() + qMax(0, label->indent());
    const int available = label->contentsRect().width() - margins;
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    int needed = 0;
    if (!rich) {
        needed = plainWidth(label->fontMetrics(), withoutMnemonic(label->text()));
    } else {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        needed = int(std::ceil(document.idealWidth()));
    }
    const int height = rich ? label->fontMetrics().height() : label->fontMetrics().height()
                                                                    * int(label->text().count(QLatin1Char('\n')) + 1);
    return {needed, available, textPlace(label->contentsRect(), needed, height, label->alignment())};
}

Fit buttonFit(const QAbstractButton *button)
{
    const QString text = withoutMnemonic(button->text());
    if (text.isEmpty())
        return Fit();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    const QRect area = button->style()->subElementRect(contents, &option, button);
    int available = area.width() - icon;
    if (auto *tool = qobject_cast<const QToolButton *>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly
            || (tool->toolButtonStyle() == Qt::ToolButtonFollowStyle && !tool->icon().isNull()))
            return Fit();
        available = tool->contentsRect().width() - 6
                    - (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon ? icon : 0);
    }
    const int needed = plainWidth(button->fontMetrics(), text);
    // Check boxes and radio buttons draw their text from the left of their
    // contents; push buttons centre it.
    const bool leftAligned = contents != QStyle::SE_PushButtonContents;
    const QRect place = qobject_cast<const QToolButton *>(button)
                            ? QRect()
                            : textPlace(area.adjusted(leftAligned ? icon : 0, 0, 0, 0), needed + (leftAligned ? 0 : icon),
                                        button->fontMetrics().height(),
                                        leftAligned ? Qt::AlignLeft : Qt::AlignHCenter);
    return {needed, available, place};
}

Fit comboFit(const QComboBox *combo)
{
    const QString text = combo->currentText();
    if (text.isEmpty())
        return Fit();
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.currentText = text;
    option.frame = combo->hasFrame();
    const int icon = combo->itemIcon(combo->currentIndex()).isNull() ? 0 : combo->iconSize().width() + 4;
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    return {combo->fontMetrics().horizontalAdvance(text), field.width() - icon - (combo->isEditable() ? 4 : 0), QRect()};
}

Fit spinFit(const QAbstractSpinBox *spin)
{
    const QString text = spin->text();
    if (text.isEmpty())
        return Fit();
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.frame = spin->hasFrame();
    option.buttonSymbols = spin->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField;
    if (spin->buttonSymbols() != QAbstractSpinBox::NoButtons)
        option.subControls |= QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    const QRect field =
        spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, spin);
    // The line edit inside keeps a small margin on either side of its text.
    return {spin->fontMetrics().horizontalAdvance(text), field.width() - 4, QRect()};
}

Fit fitOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return labelFit(label);
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return buttonFit(button);
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return comboFit(combo);
    if (auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        return spinFit(spin);
    return Fit();
}

QString describe(const QWidget *top, const QWidget *widget, const Fit &fit)
{
    QString text;
    if (auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (auto *combo = qobject_cast<const QComboBox *>(widget))
        text = combo->currentText();
    else if (auto *spin = qobject_cast<const QAbstractSpinBox *>(widget))
        text = spin->text();
    return QStringLiteral("%1 / %2 %3 \"%4\": needs %5 px, has %6")
        .arg(top->objectName(), QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
             text.left(60))
        .arg(fit.needed)
        .arg(fit.available);
}

// A widget stacked above the text (a later sibling of the widget or of one of
// its containers) that hides part of it; null when none does.
const QWidget *coveringSibling(const QWidget *widget, const QRect &text, const QWidget *top)
{
    if (text.isEmpty())
        return nullptr;
    QRect drawn = text;
    for (const QWidget *level = widget; level && level != top; level = level->parentWidget()) {
        const QWidget *parent = level->parentWidget();
        if (!parent)
            break;
        drawn.translate(level->pos());
        const QObjectList &siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(level)) + 1; i < siblings.size(); ++i) {
            auto *sibling = qobject_cast<const QWidget *>(siblings.at(i));
            if (!sibling || sibling->isWindow() || !sibling->isVisibleTo(top))
                continue;
            if (sibling->geometry().intersects(drawn))
                return sibling;
        }
        drawn = drawn.intersected(QRect(QPoint(0, 0), parent->size()));
        if (drawn.isEmpty())
            return nullptr;
    }
    return nullptr;
}

// The container that cuts the text off at one of its edges; null when the
// text lies wholly inside every container up to the window.
const QWidget *clippingContainer(const QWidget *widget, const QRect &text, const QWidget *top)
{
    if (text.isEmpty())
        return nullptr;
    QRect drawn = text;
    for (const QWidget *level = widget; level && level != top; level = level->parentWidget()) {
        const QWidget *parent = level->parentWidget();
        if (!parent)
            break;
        drawn.translate(level->pos());
        if (!QRect(QPoint(0, 0), parent->size()).contains(drawn))
            return parent;
    }
    return nullptr;
}

// Makes every stacked page on the way to the widget the current one; true
// when a page changed.
bool reveal(QWidget *widget, QWidget *top)
{
    bool changed = false;
    for (QWidget *child = widget; child && child != top; child = child->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(child->parentWidget());
        if (stack && stack->currentWidget() != child) {
            stack->setCurrentWidget(child);
            changed = true;
        }
    }
    return changed;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// What is wrong with the text of a widget in its window, empty when it fits.
QString misfit(const QWidget *top, const QWidget *widget)
{
    const Fit fit = fitOf(widget);
    if (fit.needed > fit.available)
        return describe(top, widget, fit);
    if (const QWidget *cover = coveringSibling(widget, fit.text, top))
        return describe(top, widget, fit) + QStringLiteral(", covered by ")
               + QString::fromLatin1(cover->metaObject()->className()) + QLatin1Char(' ') + cover->objectName();
    if (const QWidget *container = clippingContainer(widget, fit.text, top))
        return describe(top, widget, fit) + QStringLiteral(", cut off by the edge of ")
               + QString::fromLatin1(container->metaObject()->className()) + QLatin1Char(' ')
               + container->objectName();
    if (fit.needed > 0 && qEnvironmentVariableIsSet("ZEL_FORMS_ALL")) // every fit, for layout work
        qInfo().noquote() << describe(top, widget, fit);
    return QString();
}

// The families the forms ask for. A Linux desktop has none of them and
// resolves each to a family of its own choice; every test row maps them all
// to one family, so the machine's fonts cannot change the answer.
const char *const formFamilies[] = {"Verdana", "Tahoma", "MS Shell Dlg 2", "Comic Sans MS", "Arial"};

void substituteFormFamilies(const QString &family)
{
    for (const char *name : formFamilies) {
        QFont::removeSubstitutions(QString::fromLatin1(name));
        if (!family.isEmpty())
            QFont::insertSubstitution(QString::fromLatin1(name), family);
    }
}

bool isFormFamily(const QString &family)
{
    for (const char *name : formFamilies) {
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A text the program puts into a widget after the form is built: the window's
// class, the widget, and the longest text the widget is given.
struct LaterText
{
    const char *window;
    const char *widget;
    const char *text;
};

const LaterText laterTexts[] = {
    // Main window: the counters under the contact list, the status and chat
    // buttons, the connection state and the connecting page.
    {"ZELClient", "textBrowser", "(25/99) Offline Messages/files"},
    {"ZELClient", "m_voiceMailIndicationLabel", "(99) Voice Mails"},
    {"ZELClient", "m_waitingChatsLabel", "(999) Chats waiting for a window"},
    {"ZELClient", "m_statusMessageToolButton", "Invisible"},
    {"ZELClient", "m_chatToolButton", "Offline"},
    {"ZELClient", "m_connectedStateLabel", "<font color = 'red'>Disconnected"},
    {"ZELClient", "m_connectedStateLabel", "<font color = 'red'>Not Connected"},
    {"ZELClient", "m_connectingStatusLabel", "Connecting with Server"},
    // Chat window: the find bar, the delivery notice and the file transfer.
    {"ZELChatWindow", "m_wrappedLabel", "Search wrapped"},
    {"ZELChatWindow", "m_messageDeliveredLabel", "Last message not delivered yet"},
    {"ZELChatWindow", "m_messageDeliveredLabel", "Last message delivered successfully"},
    {"ZELChatWindow", "m_fileStatusLabel", "Downloading.........."},
    {"ZELChatWindow", "m_fileStatusLabel", "Downloading Failed"},
    {"ZELChatWindow", "m_indicateFileReceivedLabel", "(99) Files received"},
    // Offline messages: the file state.
    {"ZELOfflineMessagesWidget", "m_fileStatusLabel", "Network Problem"},
    {"ZELOfflineMessagesWidget", "m_fileStatusLabel", "Downloading...."},
    // Preferences: the answers of the pages.
    {"ZELPreferencesSettings", "m_ftpErrorLabel", "Destination folder is write protected"},
    {"ZELPreferencesSettings", "m_statusHistoryErrorLabel", "Destination folder is write protected"},
    {"ZELPreferencesSettings", "m_chatErrorLabel", "Please give valid font size"},
    {"ZELPreferencesSettings", "m_statusErrorLabel", "Please fill the user defined status message"},
    {"ZELPreferencesSettings", "m_quickReplyErrorLabel", "Quick Reply message already available in list"},
    {"ZELPreferencesSettings", "m_quickReplyErrorLabel", "Cannot add more than 10 Quick Reply messages"},
    {"ZELPreferencesSettings", "m_folderSizeLabel", "1.23e+04 KB"},
    {"ZELConnectToServerSettings", "m_connectErrorLabel", "Please fill hostname / port value"},
    {"ZELConnectToServerSettings", "m_serverErrorLabel", "Please fill all fields"},
    // Prompts and dialogs.
    {"ZELPasswordProtect", "m_errorLabel", "Invalid Password ..!  Please give valid password"},
    {"ZELPasswordProtect", "m_errorLabel", "Invalid Password ..!  You have 2 more chance"},
    {"ZELAddContact", "m_resultLabel", "No match found"},
    {"ZELVoiceMail", "m_playButton", "Stop Play"},
    {"ZELVoiceMail", "m_voiceRecordLabel", "<h1>Play or Send Voice Mail..........</h1>"},
    {"ZELVoiceMailInbox", "m_playButton", "Re Start"},
    {"ZELVoiceMailInbox", "m_loadLabel", "<h1>Downloading...</h1>"},
    {"ZELScreenCaptureEditor", "m_errorLabel", "Please draw within image"},
};

QWidget *windowOfClass(const char *className)
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget *top : tops) {
        if (qstrcmp(top->metaObject()->className(), className) == 0)
            return top;
    }
    return nullptr;
}

void setWidgetText(QWidget *widget, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
}

QString widgetText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

// Puts each later text into its widget, shown as the program shows it, and
// collects those that do not fit; the widget gets its own text back.
QStringList laterTextMisfits()
{
    QStringList misfits;
    for (const LaterText &later : laterTexts) {
        QWidget *top = windowOfClass(later.window);
        QWidget *widget = top ? top->findChild<QWidget *>(QLatin1String(later.widget)) : nullptr;
        if (!widget) {
            misfits << QStringLiteral("%1 / %2: no such widget").arg(QLatin1String(later.window), QLatin1String(later.widget));
            continue;
        }
        const bool wasVisible = top->isVisible();
        top->show();
        // A window the user may resize shows the text at its smallest too.
        const QSize size = top->size();
        if (!top->minimumSize().isEmpty())
            top->resize(top->minimumSize());
        const QString before = widgetText(widget);
        QList<QWidget *> hidden;
        for (QWidget *level = widget; level && level != top; level = level->parentWidget()) {
            if (level->isHidden())
                hidden << level;
        }
        for (QWidget *level : std::as_const(hidden))
            level->show();
        reveal(widget, top);
        setWidgetText(widget, QString::fromUtf8(later.text));
        settle();
        const QString problem = misfit(top, widget);
        if (!problem.isEmpty())
            misfits << problem;
        setWidgetText(widget, before);
        for (QWidget *level : std::as_const(hidden))
            level->hide();
        top->resize(size);
        if (!wasVisible)
            top->hide();
    }
    return misfits;
}

} // namespace

// Every text of every form, and every text the program puts into a form
// later, fits its place under each family a Linux desktop commonly gives the
// forms' fonts (they ask for Verdana, Tahoma and "MS Shell Dlg 2", which no
// Linux desktop has).
class TestForms : public QObject
{
    Q_OBJECT

private:
    ZELFakeInputMonitor m_input;
    ZELFakeScreenGrabber m_grabber;

private slots:
    void initTestCase()
    {
        ZELPlatform::setInputMonitor(&m_input);
        ZELPlatform::setScreenGrabber(&m_grabber);
        // As the program starts.
        QApplication::setFont(QFont(QStringLiteral("Verdana"), 8));
        QApplication::setStyle(new ZELStyle);
    }

    void cleanupTestCase()
    {
        substituteFormFamilies(QString());
        ZELPlatform::setInputMonitor(nullptr);
        ZELPlatform::setScreenGrabber(nullptr);
    }

    void everyTextFitsItsWidth_data()
    {
        QTest::addColumn<QString>("family");
        // Fresh installations have DejaVu only; Liberation comes with most
        // desktops, Nimbus (URW base 35) with ghostscript and poppler.
        QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Liberation Sans") << QStringLiteral("Liberation Sans");
        QTest::newRow("Nimbus Sans") << QStringLiteral("Nimbus Sans");
    }

    void everyTextFitsItsWidth()
    {
        QFETCH(QString, family);
        QVERIFY2(QFontDatabase::hasFamily(family),
                 qPrintable(QStringLiteral("The font family \"%1\" is not installed "
                                           "(scripts/deps.sh installs the test fonts)").arg(family)));
        substituteFormFamilies(family);
        // Nothing of an earlier row may stay to be measured in this one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *client = new ZELClient;
        client->m_loginId = "alice";
        client->m_notificationSettings = ZELNotificationList::defaults();
        client->m_contactDisplaySettings = ZELContactDisplayList::defaults();
        client->m_chatWindowSettings = ZELChatWindowList::defaults();
        client->m_chatHistorySettings = ZELChatHistoryList::defaults();
        client->successFullLoginStatus({"LOGIN", "SUCCESSLOGIN", "Alice Andersen", "", "1", ""});
        // The client's long-lived windows are built on first use: build them all here.
        client->m_addContactDialog.get();
        client->m_approvalAddContactDialog.get();
        client->m_approvalRequestedUserDialog.get();
        client->m_deleteContactDialog.get();
        client->m_businessCardPopup.get();
        client->m_reminderDialog.get();
        client->m_reminderPopup.get();
        client->m_chatHistoryWindow.get();
        client->m_voiceMailRecorder.get();
        client->m_voiceMailInbox.get();
        client->m_offlineMessagesWidget.get();
        client->m_notificationPopup.get();
        // Some windows close themselves while shown: they are kept as guarded pointers.
        QList<QPointer<QWidget>> made;
        for (const auto &make : onDemandWindows())
            made << make(client);

        QStringList clipped;
        const QWidgetList tops = QApplication::topLevelWidgets();
        for (QWidget *top : tops) {
            // Menus and tool tips size themselves to their texts.
            if (top->inherits("QMenu") || top->inherits("QTipLabel") || top->windowType() == Qt::Desktop)
                continue;
            const bool wasVisible = top->isVisible();
            top->show();
            settle();
            const QList<QWidget *> widgets = top->findChildren<QWidget *>();
            for (QWidget *widget : widgets) {
                if (widget->window() != top)
                    continue;
                if (reveal(widget, top))
                    settle();
                if (!widget->isVisibleTo(top) || widget->width() <= 0)
                    continue;
                const QString family = widget->font().families().value(0);
                if (!isFormFamily(family))
                    clipped << QStringLiteral("%1 / %2 asks for \"%3\", which the test does not map")
                                   .arg(top->objectName(), widget->objectName(), family);
                const QString problem = misfit(top, widget);
                if (!problem.isEmpty())
                    clipped << problem;
            }
            if (!wasVisible)
                top->hide();
        }
        clipped << laterTextMisfits();
        clipped.removeDuplicates();
        for (const QPointer<QWidget> &window : std::as_const(made))
            delete window.data();
        delete client;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("\n") + clipped.join(QLatin1Char('\n'))));
    }
};

ZEL_TEST_MAIN(TestForms)
#include "tst_forms.moc"
