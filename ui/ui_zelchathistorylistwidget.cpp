#include /* form */ "ui/ui_zelchathistorylistwidget.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QLinearGradient>
#include <QtGui/QPalette>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QSpacerItem>

namespace {

QSpacerItem *hgap(int w, int h, QSizePolicy::Policy policy = QSizePolicy::Fixed)
{
    return new QSpacerItem(w, h, policy, QSizePolicy::Minimum);
}

QSpacerItem *vgap(int w, int h)
{
    return new QSpacerItem(w, h, QSizePolicy::Minimum, QSizePolicy::Fixed);
}

QFont formFont()
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QLabel *heading(QWidget *form, const char *name, int width)
{
    auto *label = new QLabel(form);
    label->setObjectName(QString::fromLatin1(name));
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    label->setFixedSize(width, 20);
    label->setFont(formFont());
    return label;
}

QListWidget *sideList(QWidget *form, const char *name)
{
    auto *list = new QListWidget(form);
    list->setObjectName(QString::fromLatin1(name));
    list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    list->setFixedSize(140, 85);
    QFont font;
    font.setFamily(QStringLiteral("Verdana"));
    list->setFont(font);
    list->setMouseTracking(false);
    list->setFocusPolicy(Qt::ClickFocus);
    // One line of text each: the rows are laid out from the first one's size,
    // not measured one by one, however many a list holds.
    list->setUniformItemSizes(true);
    return list;
}

QPushButton *bottomButton(QWidget *form, const char *name)
{
    auto *button = new QPushButton(form);
    button->setObjectName(QString::fromLatin1(name));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFixedSize(75, 23);
    button->setFont(formFont());
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void setColor(QPalette &palette, QPalette::ColorRole role, const QColor &normal, const QColor &disabled)
{
    palette.setBrush(QPalette::Active, role, normal);
    palette.setBrush(QPalette::Inactive, role, normal);
    palette.setBrush(QPalette::Disabled, role, disabled);
}

QPalette sessionTablePalette()
{
    QPalette palette;
    const QColor black(0, 0, 0), white(255, 255, 255);
    const struct {
        QPalette::ColorRole role;
        QColor normal;
        QColor disabled;
    } roles[] = {
        {QPalette::WindowText, black, white},
        {QPalette::Button, QColor(97, 97, 97), QColor(97, 97, 97)},
        {QPalette::Light, QColor(240, 245, 251), QColor(240, 245, 251)},
        {QPalette::Midlight, white, white},
        {QPalette::Dark, white, white},
        {QPalette::Mid, QColor(157, 155, 144), QColor(157, 155, 144)},
        {QPalette::Text, black, white},
        {QPalette::BrightText, white, white},
        {QPalette::ButtonText, black, white},
        {QPalette::Base, white, white},
        {QPalette::Window, white, white},
        {QPalette::Shadow, QColor(144, 209, 247), QColor(144, 209, 247)},
        {QPalette::HighlightedText, QColor(85, 0, 0), QColor(85, 0, 0)},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(248, 252, 255), QColor(248, 252, 255)},
    };
    for (const auto &entry : roles)
        setColor(palette, entry.role, entry.normal, entry.disabled);
    QLinearGradient highlight(0, 0, 0.5, 0.5);
    highlight.setCoordinateMode(QGradient::ObjectBoundingMode);
    highlight.setSpread(QGradient::PadSpread);
    highlight.setColorAt(0, QColor(255, 146, 187));
    highlight.setColorAt(1, QColor(255, 255, 255));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Highlight, QBrush(highlight));
    return palette;
}

QPalette transcriptPalette()
{
    QPalette palette;
    const QColor black(0, 0, 0), grey(211, 211, 211);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        setColor(palette, role, black, grey);
    setColor(palette, QPalette::Dark, grey, grey);
    setColor(palette, QPalette::Highlight, QColor(147, 216, 250), QColor(49, 106, 197));
    return palette;
}

const char TableCornerSheet[] =
    "QTableView QTableCornerButton::section {\n"
    "      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #616161, stop: 0.5 #505050, "
    "stop: 0.6 #434343, stop:1 #656565);\n"
    " } ";

const char EmptyTranscript[] =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
    "<html><head><meta name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\n"
    "p, li { white-space: pre-wrap; }\n"
    "</style></head><body style=\" font-family:'Verdana'; font-size:8.25pt; font-weight:400; "
    "font-style:normal;\">\n"
    "<p style=\"-qt-paragraph-type:empty; margin-top:12px; margin-bottom:12px; margin-left:0px; "
    "margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt; font-weight:600;\"></p>"
    "</body></html>";

} // namespace

void Ui_ZELChatHistoryListWidget::setupUi(QDialog *ZELChatHistoryListWidget)
{
    QDialog *w = ZELChatHistoryListWidget;
    if (w->objectName().isEmpty())
        w->setObjectName(QString::fromLatin1("ZELChatHistoryListWidget"));
    w->resize(615, 567);
    w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w->setMinimumSize(615, 567);

    gridLayout = new QGridLayout(w);
    gridLayout->setObjectName(QString::fromLatin1("gridLayout"));
    gridLayout->setHorizontalSpacing(0);
    gridLayout->setVerticalSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    createFrameLabels(w, 200, 494);

    // Bottom band.
    hboxLayout = new QHBoxLayout();
    hboxLayout->setSpacing(0);
    hboxLayout->setObjectName(QString::fromLatin1("hboxLayout"));
    hboxLayout->addWidget(m_leftBottomCorner);
    hboxLayout->addWidget(m_bottomStretch);
    hboxLayout->addWidget(m_rightBottomCorner);
    gridLayout->addLayout(hboxLayout, 2, 0, 1, 1);

    // Body band.
    hboxLayout1 = new QHBoxLayout();
    hboxLayout1->setSpacing(0);
    hboxLayout1->setObjectName(QString::fromLatin1("hboxLayout1"));
    hboxLayout1->addWidget(m_leftStretch);

    vboxLayout = new QVBoxLayout();
    vboxLayout->setSpacing(0);
    vboxLayout->setContentsMargins(15, 0, 15, 10);
    vboxLayout->setObjectName(QString::fromLatin1("vboxLayout"));
    hboxLayout2 = new QHBoxLayout();
    hboxLayout2->setSpacing(0);
    hboxLayout2->setObjectName(QString::fromLatin1("hboxLayout2"));
    hboxLayout2->addItem(hgap(40, 11, QSizePolicy::Expanding));
    vboxLayout->addLayout(hboxLayout2);
    vboxLayout->addItem(vgap(20, 15));

    hboxLayout3 = new QHBoxLayout();
    hboxLayout3->setSpacing(0);
    hboxLayout3->setObjectName(QString::fromLatin1("hboxLayout3"));
    hboxLayout3->addItem(hgap(6, 20));
    // 20 high like its neighbours: a lower maximum would cut the text.
    label_2 = heading(w, "label_2", 65);
    hboxLayout3->addWidget(label_2);
    hboxLayout3->addItem(hgap(110, 20));
    label = heading(w, "label", 130);
    hboxLayout3->addWidget(label);
    hboxLayout3->addItem(hgap(40, 20, QSizePolicy::Expanding));
    vboxLayout->addLayout(hboxLayout3);

    hboxLayout4 = new QHBoxLayout();
    hboxLayout4->setSpacing(0);
    hboxLayout4->setObjectName(QString::fromLatin1("hboxLayout4"));
    hboxLayout4->addItem(hgap(4, 20));
    vboxLayout1 = new QVBoxLayout();
    vboxLayout1->setSpacing(0);
    vboxLayout1->setObjectName(QString::fromLatin1("vboxLayout1"));
    vboxLayout1->addItem(vgap(20, 3));
    m_contactNamesList = sideList(w, "m_contactNamesList");
    vboxLayout1->addWidget(m_contactNamesList);
    vboxLayout1->addItem(vgap(20, 5));
    label_5 = heading(w, "label_5", 140);
    vboxLayout1->addWidget(label_5);
    vboxLayout1->addItem(vgap(20, 4));
    m_conferenceChatDateList = sideList(w, "m_conferenceChatDateList");
    vboxLayout1->addWidget(m_conferenceChatDateList);
    vboxLayout1->addItem(vgap(20, 2));
    hboxLayout4->addLayout(vboxLayout1);
    hboxLayout4->addItem(hgap(11, 20));
    vboxLayout2 = new QVBoxLayout();
    vboxLayout2->setSpacing(0);
    vboxLayout2->setObjectName(QString::fromLatin1("vboxLayout2"));
    vboxLayout2->addItem(vgap(20, 3));
    vboxLayout2->addItem(vgap(20, 5));
    hboxLayout4->addLayout(vboxLayout2);
    m_chatDateList = new QTableWidget(w);
    m_chatDateList->setObjectName(QString::fromLatin1("m_chatDateList"));
    m_chatDateList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_chatDateList->setFixedSize(380, 205);
    m_chatDateList->setPalette(sessionTablePalette());
    m_chatDateList->setAlternatingRowColors(true);
    m_chatDateList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_chatDateList->setSortingEnabled(false);
    m_chatDateList->setCornerButtonEnabled(false);
    // The three columns (140 + 110 + 110) and the row numbers are wider than
    // the table: the last column takes what is left, so none is cut off.
    m_chatDateList->horizontalHeader()->setStretchLastSection(true);
    hboxLayout4->addWidget(m_chatDateList);
    hboxLayout4->addItem(new QSpacerItem(16, 219, QSizePolicy::Expanding, QSizePolicy::Minimum));
    vboxLayout->addLayout(hboxLayout4);

    vboxLayout3 = new QVBoxLayout();
    vboxLayout3->setSpacing(0);
    vboxLayout3->setObjectName(QString::fromLatin1("vboxLayout3"));
    vboxLayout3->addItem(vgap(20, 3));
    label_4 = heading(w, "label_4", 80);
    vboxLayout3->addWidget(label_4);
    m_historyDisplay = new ZELMessageBrowser(w);
    m_historyDisplay->setObjectName(QString::fromLatin1("m_historyDisplay"));
    m_historyDisplay->setMinimumSize(490, 180);
    QFont transcriptFont;
    transcriptFont.setFamily(QStringLiteral("Verdana"));
    m_historyDisplay->setFont(transcriptFont);
    m_historyDisplay->setPalette(transcriptPalette());
    m_historyDisplay->setUndoRedoEnabled(false);
    m_historyDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                              | Qt::LinksAccessibleByKeyboard);
    vboxLayout3->addWidget(m_historyDisplay);
    vboxLayout3->addItem(vgap(20, 12));
    hboxLayout5 = new QHBoxLayout();
    hboxLayout5->setSpacing(6);
    hboxLayout5->setObjectName(QString::fromLatin1("hboxLayout5"));
    hboxLayout5->addItem(hgap(40, 20, QSizePolicy::Expanding));
    m_saveChatButton = bottomButton(w, "m_saveChatButton");
    hboxLayout5->addWidget(m_saveChatButton);
    hboxLayout5->addItem(hgap(15, 14));
    m_chatListclose = bottomButton(w, "m_chatListclose");
    hboxLayout5->addWidget(m_chatListclose);
    hboxLayout5->addItem(hgap(20, 20));
    vboxLayout3->addLayout(hboxLayout5);
    vboxLayout->addLayout(vboxLayout3);
    hboxLayout1->addLayout(vboxLayout);
    hboxLayout1->addWidget(m_rightStretch);
    gridLayout->addLayout(hboxLayout1, 1, 0, 1, 1);

    // Title band.
    hboxLayout6 = new QHBoxLayout();
    hboxLayout6->setSpacing(0);
    hboxLayout6->setObjectName(QString::fromLatin1("hboxLayout6"));
    hboxLayout6->addWidget(m_leftTopCorner);
    m_logoLabel = layoutTitleLabel(w, 494);
    hboxLayout6->addWidget(m_logoLabel);
    m_minimizeButton = layoutTitleButton(w, "m_minimizeButton");
    hboxLayout6->addWidget(m_minimizeButton);
    hboxLayout6->addItem(hgap(4, 11));
    m_maximizeButton = layoutTitleButton(w, "m_maximizeButton");
    hboxLayout6->addWidget(m_maximizeButton);
    hboxLayout6->addItem(hgap(4, 20));
    m_closeButton = layoutTitleButton(w, "m_closeButton");
    m_closeButton->setSizeIncrement(0, 0);
    hboxLayout6->addWidget(m_closeButton);
    hboxLayout6->addItem(hgap(0, 20));
    hboxLayout6->addItem(hgap(0, 20));
    m_rightTopCorner->setSizeIncrement(0, 0);
    hboxLayout6->addWidget(m_rightTopCorner);
    gridLayout->addLayout(hboxLayout6, 0, 0, 1, 1);

    QWidget::setTabOrder(m_contactNamesList, m_conferenceChatDateList);
    QWidget::setTabOrder(m_conferenceChatDateList, m_chatDateList);
    QWidget::setTabOrder(m_chatDateList, m_historyDisplay);
    QWidget::setTabOrder(m_historyDisplay, m_saveChatButton);
    QWidget::setTabOrder(m_saveChatButton, m_chatListclose);
    QWidget::setTabOrder(m_chatListclose, m_minimizeButton);
    QWidget::setTabOrder(m_minimizeButton, m_maximizeButton);
    QWidget::setTabOrder(m_maximizeButton, m_closeButton);

    retranslateUi(w);
    QMetaObject::connectSlotsByName(w);
}

void Ui_ZELChatHistoryListWidget::retranslateUi(QDialog *ZELChatHistoryListWidget)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ZELChatHistoryListWidget", text); };
    ZELChatHistoryListWidget->setWindowTitle(tr("ChatHistory Listing"));
    m_logoLabel->setText(tr("Chat History"));
    label_2->setText(tr("Contacts"));
    label->setText(tr("Chat History Details"));
    label_5->setText(tr("Conference Chat Date"));
    label_4->setText(tr("Chat History"));
    m_contactNamesList->setStyleSheet(QString());
    m_conferenceChatDateList->setStyleSheet(QString());
    m_chatDateList->setStyleSheet(QString::fromLatin1(TableCornerSheet));
    m_historyDisplay->setHtml(QString::fromLatin1(EmptyTranscript));
    m_saveChatButton->setToolTip(tr("Save Chat History"));
    m_saveChatButton->setText(tr("Save Chat"));
    m_chatListclose->setToolTip(tr("Close"));
    m_chatListclose->setText(tr("Close"));
    m_minimizeButton->setToolTip(tr("Minimize"));
    m_minimizeButton->setText(QString());
    m_maximizeButton->setToolTip(tr("Maximize"));
    m_maximizeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    for (QLabel *frame : {m_leftTopCorner, m_rightTopCorner, m_leftStretch, m_rightStretch, m_leftBottomCorner,
                          m_bottomStretch, m_rightBottomCorner})
        frame->setText(QString());
}
