#include "style/zelmessageboxclass.h"

#include "style/zelframelesshelper.h"
#include "style/zelstyle.h"
#include "style/zellinkrule.h"
#include "style/zeltextbounds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

ZELMessageBoxClass::AnswerHook &answerHook()
{
    static ZELMessageBoxClass::AnswerHook hook;
    return hook;
}

// The box's own text and icon stay blank; they only keep their room in the
// message box's layout.
const QString BlankText = QString(13, QLatin1Char(' '));
const char BlankIcon[] = ":images/transMsg.png";
const char InformationIcon[] = ":images/info_icon.png";
const char QuestionIcon[] = ":images/questionmark.png";

QMessageBox::StandardButtons buttonsForCodes(int button0, int button1, int button2)
{
    QMessageBox::StandardButtons buttons;
    for (int code : {button0, button1, button2})
        buttons |= ZELMessageBoxClass::standardButtonForCode(code);
    return buttons;
}

bool stayOnTopWindowShown(const QWidget *besides)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (window != besides && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    }
    return false;
}

} // namespace

ZELMessageBoxClass::ZELMessageBoxClass(QWidget *parent)
    : QMessageBox(parent)
{
    setUp();
}

ZELMessageBoxClass::ZELMessageBoxClass(const QString &title, const QString &text, Icon icon,
                                       int button0, int button1, int button2, QWidget *parent,
                                       Qt::WindowFlags flags)
    : QMessageBox(icon, title, text, buttonsForCodes(button0, button1, button2), parent,
                  Qt::Dialog | Qt::FramelessWindowHint)
{
    // The box is always frameless, whatever the caller asked for.
    Q_UNUSED(flags);
    setUp();
}

ZELMessageBoxClass::~ZELMessageBoxClass() = default;

void ZELMessageBoxClass::setUp()
{
    windowSettings();
    setZELStyle();
    initializeMemberVariables();
    signalsAndSlots();
}

void ZELMessageBoxClass::windowSettings()
{
    setupUi(this);
    setMask(QRegion(0, 0, BoxWidth, BoxHeight));
}

void ZELMessageBoxClass::setZELStyle()
{
    if (!m_frame)
        m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::TitleBackground);
}

void ZELMessageBoxClass::initializeMemberVariables()
{
    height = QWidget::height();
    width = QWidget::width();
}

void ZELMessageBoxClass::signalsAndSlots()
{
    connect(this, &QMessageBox::buttonClicked, this,
            [this](QAbstractButton *button) { m_answer = standardButton(button); });
}

void ZELMessageBoxClass::setTestAnswerHook(AnswerHook hook)
{
    answerHook() = std::move(hook);
}

QMessageBox::StandardButton ZELMessageBoxClass::standardButtonForCode(int code)
{
    // Default and Escape flags of the older codes carry no button.
    code &= ~int(QMessageBox::FlagMask);
    switch (code) {
    case 0:
        return NoButton;
    case 1:
        return Ok;
    case 2:
        return Cancel;
    case 3:
        return Yes;
    case 4:
        return No;
    case 5:
        return Abort;
    case 6:
        return Retry;
    case 7:
        return Ignore;
    case 8:
        return YesToAll;
    case 9:
        return NoToAll;
    default:
        break;
    }
    if (code >= int(FirstButton) && code <= int(LastButton) && (code & (code - 1)) == 0)
        return StandardButton(code);
    return NoButton;
}

void ZELMessageBoxClass::nameButton(int code, const QString &text)
{
    const StandardButton which = standardButtonForCode(code);
    if (which == NoButton)
        return;
    if (QAbstractButton *named = button(which))
        named->setText(text);
}

void ZELMessageBoxClass::prepare(QWidget *parent, const QString &title, const QString &text,
                                 const QString &icon)
{
    // The box stays its maker's child; another window only gets it placed over it.
    m_shownOver = parent;
    Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint;
    // Never beneath a window that stays on top (a request pop-up): the box
    // joins them, and the newest of them is in front.
    if (stayOnTopWindowShown(this))
        flags |= Qt::WindowStaysOnTopHint;
    if (!parentWidget() && parent)
        m_frame->setParentWindow(parent, Qt::Dialog);
    if (windowFlags() != flags)
        setWindowFlags(flags);

    // Notices may carry server text: bounded, with break points, before the
    // label wraps it, and without pictures the label may not read.
    m_messageText->setText(
        ZELLinkRule::withoutForeignPictures(ZELTextBounds::breakableHtml(text, ZELTextBounds::LineLength * 4)));
    m_logoLabel->setText(ZELTextBounds::shownLine(title));
    m_pixmapLabel->setPixmap(loadCachedPixmap(icon));
    setText(BlankText);
    setIconPixmap(loadCachedPixmap(QString::fromLatin1(BlankIcon)));
}

void ZELMessageBoxClass::keepAbove(QWidget *parent)
{
    // A window manager keeps a box above the window it is transient for,
    // even when that window is raised or given the focus; the box's own
    // parent only decides who owns it.
    QWidget *over = parent ? parent->window() : parentWidget() ? parentWidget()->window() : nullptr;
    if (!over || over == this)
        return;
    create();
    QWindow *box = windowHandle();
    QWindow *target = over->windowHandle();
    if (!box || !target || box->transientParent() == target)
        return;
    // The link reaches the window manager when the box maps.
    if (isVisible())
        hide();
    box->setTransientParent(target);
}

void ZELMessageBoxClass::centreOver(QWidget *parent)
{
    QRect over;
    if (parent)
        over = QRect(parent->x(), parent->y(), parent->width(), parent->height());
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    // Centred with the size recorded at set-up, not the size the message box
    // may take when it lays itself out.
    setGeometry(over.x() + (over.width() - width) / 2, over.y() + (over.height() - height) / 2,
                QWidget::width(), QWidget::height());
}

void ZELMessageBoxClass::showInformationBox(QWidget *parent, const QString &title, QString text)
{
    prepare(parent, title, text, QString::fromLatin1(InformationIcon));
    centreOver(parent);
    // The message box adds its Ok button only on its first showing.
    if (QAbstractButton *ok = button(Ok)) {
        ok->setCursor(Qt::PointingHandCursor);
        ok->setToolTip(tr("Ok"));
        ok->setFocus();
    }
    // A notice blocks nothing. A message box would show application-modal,
    // and a window opened just after it (the chat it warns about) would cover
    // it, leaving every window refusing input with no box in sight.
    setModal(false);
    keepAbove(parent);
    show();
    // Shown again while up: in front once more, window manager or none.
    raise();
}

int ZELMessageBoxClass::showQuestionBox(QWidget *parent, const QString &title, QString text,
                                        int yesId, int noId)
{
    prepare(parent, title, text, QString::fromLatin1(QuestionIcon));
    nameButton(yesId, tr("Yes"));
    nameButton(noId, tr("No"));
    centreOver(parent);
    if (QAbstractButton *no = button(No)) {
        no->setCursor(Qt::PointingHandCursor);
        no->setToolTip(tr("No"));
        no->setFocus();
    }
    if (QAbstractButton *yes = button(Yes)) {
        yes->setCursor(Qt::PointingHandCursor);
        yes->setToolTip(tr("Yes"));
    }

    m_answer = NoButton;
    if (const AnswerHook &hook = answerHook())
        m_answer = hook(title, text) == int(Yes) ? Yes : No;
    else
        exec();
    // The close button, Escape or any other close counts as No.
    return m_answer == Yes ? yesId : noId;
}

void ZELMessageBoxClass::closeEvent(QCloseEvent *event)
{
    // Hidden, kept for the next notice.
    event->accept();
}

void ZELMessageBoxClass::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    keepFace();
    // Keep the box above the window it is shown over, even when that is not its maker.
    if (m_shownOver && windowHandle()) {
        QWidget *over = m_shownOver->window();
        if (over != this && over->windowHandle())
            windowHandle()->setTransientParent(over->windowHandle());
    }
}

void ZELMessageBoxClass::resizeEvent(QResizeEvent *event)
{
    QMessageBox::resizeEvent(event);
    placeStandardButtons();
}

bool ZELMessageBoxClass::event(QEvent *event)
{
    const bool result = QMessageBox::event(event);
    // The message box sizes itself again after every layout request.
    if (event->type() == QEvent::LayoutRequest)
        keepFace();
    return result;
}

void ZELMessageBoxClass::keepFace()
{
    if (QWidget::size() != QSize(BoxWidth, BoxHeight))
        setFixedSize(BoxWidth, BoxHeight);
    placeStandardButtons();
}

void ZELMessageBoxClass::placeStandardButtons()
{
    // The message box's own layout would put its buttons outside the 290 x 108
    // face: set them in the free strip above the bottom edge instead.
    auto *buttons = findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    if (!buttons || !m_bottomStretch || !m_rightStretch)
        return;
    const QSize hint = buttons->sizeHint();
    const int right = m_rightStretch->x() - 6;
    const int bottom = m_bottomStretch->y();
    const QRect place(right - hint.width(), bottom - hint.height(), hint.width(), hint.height());
    if (buttons->geometry() != place)
        buttons->setGeometry(place);
    buttons->raise();
}
