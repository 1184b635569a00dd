#include /* form */ "ui/ui_zelvoicemailinboxdialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QLinearGradient>
#include <QtGui/QPalette>

namespace {

QFont verdanaDefaultSize()
{
    QFont font;
    font.setFamily(QStringLiteral("Verdana"));
    return font;
}

QPushButton *button(QWidget *parent, const char *name, const QRect &geometry, bool verdana = true)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setCursor(Qt::PointingHandCursor);
    if (verdana)
        b->setFont(verdanaDefaultSize());
    return b;
}

void greenText(QLabel *label, bool allTextRoles)
{
    QPalette palette = label->palette();
    const QList<QPalette::ColorRole> roles = allTextRoles
        ? QList<QPalette::ColorRole>{QPalette::WindowText, QPalette::Text, QPalette::ButtonText}
        : QList<QPalette::ColorRole>{QPalette::WindowText};
    for (QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, QColor(85, 170, 0));
        palette.setColor(QPalette::Inactive, role, QColor(85, 170, 0));
        palette.setColor(QPalette::Disabled, role, QColor(118, 116, 108));
    }
    label->setPalette(palette);
}

QPalette tablePalette(QPalette palette)
{
    QLinearGradient highlight(0, 0, 0.5, 0.5);
    highlight.setCoordinateMode(QGradient::ObjectBoundingMode);
    highlight.setSpread(QGradient::PadSpread);
    highlight.setColorAt(0, QColor(255, 146, 187));
    highlight.setColorAt(1, Qt::white);
    const struct { QPalette::ColorRole role; QBrush brush; } roles[] = {
        {QPalette::WindowText, QColor(Qt::black)}, {QPalette::Text, QColor(Qt::black)},
        {QPalette::Button, QColor(97, 97, 97)}, {QPalette::Light, QColor(240, 245, 251)},
        {QPalette::Midlight, QColor(Qt::white)}, {QPalette::Dark, QColor(Qt::white)},
        {QPalette::BrightText, QColor(Qt::white)}, {QPalette::Base, QColor(Qt::white)},
        {QPalette::Window, QColor(Qt::white)}, {QPalette::Mid, QColor(157, 155, 144)},
        {QPalette::Shadow, QColor(144, 209, 247)}, {QPalette::HighlightedText, QColor(85, 0, 0)},
        {QPalette::Link, QColor(0, 0, 255)}, {QPalette::LinkVisited, QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(248, 252, 255)}, {QPalette::Highlight, QBrush(highlight)},
    };
    for (const auto &entry : roles) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setBrush(group, entry.role, entry.brush);
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, Qt::white);
    return palette;
}

const char *const LoadLabelStyle =
    " border: 1px solid gray;\n"
    "border-radius: 3px;\n"
    "padding: 1px 1px 1px 1px;\n"
    "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,\n"
    "stop: 0 #E0E0E0, stop: 1 #FFFFFF);";

const char *const PlayLabelStyle =
    " border: 1px solid gray;\n"
    " border-radius: 3px;\n"
    " padding: 1px 1px 1px 1px;\n"
    "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,\n"
    "                                        stop: 0 #E0E0E0, stop: 1 #FFFFFF);";

const char *const TableStyle =
    "QTableView QTableCornerButton::section {\n"
    "      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #616161, stop: 0.5 #505050, "
    "stop: 0.6 #434343, stop:1 #656565);\n"
    " } ";

const char *const SliderStyle =
    "QSlider::groove:horizontal {\n"
    "border: 1px solid #999999;\n"
    "height: 8px;\n"
    "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #B1B1B1, stop:1 #c4c4c4);\n"
    "margin: 2px 0;\n"
    "}\n"
    "QSlider::handle:horizontal {\n"
    "background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #b4b4b4, stop:1 #8f8f8f);\n"
    "border: 1px solid #5c5c5c;\n"
    "width: 18px;\n"
    "margin: -2px 0;\n"
    "border-radius: 3px;\n"
    "}";

} // namespace

void Ui_ZELVoiceMailInboxDialog::setupUi(QDialog *ZELVoiceMailInboxDialog)
{
    QDialog *dialog = ZELVoiceMailInboxDialog;
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QString::fromLatin1("ZELVoiceMailInboxDialog"));
    dialog->resize(497, 190);
    dialog->setMinimumSize(497, 190);
    dialog->setMaximumSize(497, 190);
    {
        QFont font(QStringLiteral("Tahoma"), 8);
        font.setWeight(QFont::Normal);
        dialog->setFont(font);
    }

    m_logoLabel = new QLabel(dialog);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setGeometry(11, 0, 475, 20);
    m_logoLabel->setMinimumHeight(20);
    m_logoLabel->setMaximumHeight(20);
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    {
        QFont font(QStringLiteral("Verdana"), 8);
        font.setWeight(QFont::Bold);
        m_logoLabel->setFont(font);
        QPalette palette = m_logoLabel->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        m_logoLabel->setPalette(palette);
    }
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setAutoFillBackground(false);
    setupFrameLabels(dialog, QSize(497, 190));

    m_closeButton = new QPushButton(dialog);
    m_closeButton->setObjectName(QString::fromLatin1("m_closeButton"));
    m_closeButton->setGeometry(473, 7, 12, 11);
    m_closeButton->setFlat(true);
    m_closeButton->setAutoFillBackground(true);

    voiceMailStackedWidget = new QStackedWidget(dialog);
    voiceMailStackedWidget->setObjectName(QString::fromLatin1("voiceMailStackedWidget"));
    voiceMailStackedWidget->setGeometry(20, 30, 451, 141);

    downloadPage = new QWidget();
    downloadPage->setObjectName(QString::fromLatin1("downloadPage"));
    m_loadLabel = new QLabel(downloadPage);
    m_loadLabel->setObjectName(QString::fromLatin1("m_loadLabel"));
    m_loadLabel->setGeometry(0, 10, 451, 81);
    m_loadLabel->setAlignment(Qt::AlignCenter);
    greenText(m_loadLabel, true);
    m_dCloseButton = button(downloadPage, "m_dCloseButton", QRect(370, 110, 75, 23), false);
    voiceMailStackedWidget->addWidget(downloadPage);

    inboxPage = new QWidget();
    inboxPage->setObjectName(QString::fromLatin1("inboxPage"));
    m_openFileButton = button(inboxPage, "m_openFileButton", QRect(270, 110, 75, 23));
    m_cancelButton = button(inboxPage, "m_cancelButton", QRect(370, 110, 75, 23));
    m_voiceMailTableWidget = new QTableWidget(inboxPage);
    m_voiceMailTableWidget->setObjectName(QString::fromLatin1("m_voiceMailTableWidget"));
    m_voiceMailTableWidget->setGeometry(6, 10, 441, 93);
    m_voiceMailTableWidget->setMinimumSize(361, 93);
    m_voiceMailTableWidget->setAlternatingRowColors(false);
    m_voiceMailTableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_voiceMailTableWidget->setCornerButtonEnabled(false);
    m_voiceMailTableWidget->setPalette(tablePalette(m_voiceMailTableWidget->palette()));
    voiceMailStackedWidget->addWidget(inboxPage);

    PlayVoiceMailPage = new QWidget();
    PlayVoiceMailPage->setObjectName(QString::fromLatin1("PlayVoiceMailPage"));
    m_playVoiceMailLable = new QLabel(PlayVoiceMailPage);
    m_playVoiceMailLable->setObjectName(QString::fromLatin1("m_playVoiceMailLable"));
    m_playVoiceMailLable->setGeometry(10, 5, 441, 65);
    m_playVoiceMailLable->setAlignment(Qt::AlignCenter);
    greenText(m_playVoiceMailLable, false);
    m_playButton = button(PlayVoiceMailPage, "m_playButton", QRect(20, 110, 75, 23));
    m_stopButton = button(PlayVoiceMailPage, "m_stopButton", QRect(105, 110, 75, 23));
    m_saveButton = button(PlayVoiceMailPage, "m_saveButton", QRect(195, 110, 75, 23));
    m_backButton = button(PlayVoiceMailPage, "m_backButton", QRect(285, 110, 75, 23), false);
    m_exitButton = button(PlayVoiceMailPage, "m_exitButton", QRect(375, 110, 75, 23));
    m_horizontalSlider = new QSlider(PlayVoiceMailPage);
    m_horizontalSlider->setObjectName(QString::fromLatin1("m_horizontalSlider"));
    m_horizontalSlider->setGeometry(10, 80, 383, 21);
    m_horizontalSlider->setOrientation(Qt::Horizontal);
    m_timeLabel = new QLabel(PlayVoiceMailPage);
    m_timeLabel->setObjectName(QString::fromLatin1("m_timeLabel"));
    m_timeLabel->setGeometry(399, 83, 57, 16);
    m_timeLabel->setFont(verdanaDefaultSize());
    m_timeLabel->setScaledContents(true);
    voiceMailStackedWidget->addWidget(PlayVoiceMailPage);

    QWidget::setTabOrder(m_voiceMailTableWidget, m_openFileButton);
    QWidget::setTabOrder(m_openFileButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_horizontalSlider);
    QWidget::setTabOrder(m_horizontalSlider, m_playButton);
    QWidget::setTabOrder(m_playButton, m_stopButton);
    QWidget::setTabOrder(m_stopButton, m_saveButton);
    QWidget::setTabOrder(m_saveButton, m_backButton);
    QWidget::setTabOrder(m_backButton, m_exitButton);
    QWidget::setTabOrder(m_exitButton, m_closeButton);

    retranslateUi(dialog);
    voiceMailStackedWidget->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(dialog);
}

void Ui_ZELVoiceMailInboxDialog::retranslateUi(QDialog *ZELVoiceMailInboxDialog)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("ZELVoiceMailInboxDialog", text); };
    ZELVoiceMailInboxDialog->setWindowTitle(tr("Voice Mail Inbox"));
    m_logoLabel->setText(tr("Voice Mail Inbox"));
    for (QLabel *label : {m_leftTopCorner, m_rightTopCorner, m_rightStretch, m_rightBottomCorner, m_bottomStretch,
                          m_leftStretch, m_leftBottomCorner})
        label->setText(QString());
    m_closeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_loadLabel->setText(tr("Downloading....."));
    m_loadLabel->setStyleSheet(QString::fromLatin1(LoadLabelStyle));
    m_dCloseButton->setText(tr("Close"));
    m_openFileButton->setText(tr("Open"));
    m_openFileButton->setToolTip(tr("Open Voice Mail"));
    m_cancelButton->setText(tr("Close"));
    m_cancelButton->setToolTip(tr("Close"));
    m_voiceMailTableWidget->setStyleSheet(QString::fromLatin1(TableStyle));
    m_playVoiceMailLable->setText(tr("TextLabel"));
    m_playVoiceMailLable->setStyleSheet(QString::fromLatin1(PlayLabelStyle));
    m_playButton->setText(tr("Play"));
    m_playButton->setToolTip(tr("Play Voice Mail"));
    m_stopButton->setText(tr("Stop"));
    m_stopButton->setToolTip(tr("Stop Voice Mail"));
    m_saveButton->setText(tr("Save"));
    m_saveButton->setToolTip(tr("Save Voice Mail"));
    m_backButton->setText(tr("Back"));
    m_backButton->setToolTip(tr("Back to Inbox"));
    m_exitButton->setText(tr("Close"));
    m_exitButton->setToolTip(tr("Close"));
    m_horizontalSlider->setStyleSheet(QString::fromLatin1(SliderStyle));
    m_timeLabel->setText(tr("00:00:00"));
}
