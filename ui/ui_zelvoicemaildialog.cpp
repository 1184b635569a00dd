#include /* form */ "ui/ui_zelvoicemaildialog.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QPalette>

namespace {

QFont verdana(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QPushButton *button(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(verdana(false));
    return b;
}

QPushButton *filledTitleButton(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setFlat(true);
    b->setAutoFillBackground(true);
    return b;
}

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

const char *const LabelStyle =
    " border: 1px solid gray;\n"
    "border-radius: 3px;\n"
    "padding: 1px 1px 1px 1px;\n"
    "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,\n"
    "stop: 0 #E0E0E0, stop: 1 #FFFFFF);";

} // namespace

void Ui_ZELVoiceMailDialog::setupUi(QDialog *ZELVoiceMailDialog)
{
    if (ZELVoiceMailDialog->objectName().isEmpty())
        ZELVoiceMailDialog->setObjectName(QString::fromLatin1("ZELVoiceMailDialog"));
    ZELVoiceMailDialog->resize(497, 190);
    ZELVoiceMailDialog->setMinimumSize(497, 190);
    ZELVoiceMailDialog->setMaximumSize(497, 190);
    {
        QFont font(QStringLiteral("Tahoma"), 8);
        font.setWeight(QFont::Normal);
        ZELVoiceMailDialog->setFont(font);
    }

    m_logoLabel = new QLabel(ZELVoiceMailDialog);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setGeometry(11, 0, 475, 20);
    m_logoLabel->setMinimumHeight(20);
    m_logoLabel->setMaximumHeight(20);
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_logoLabel->setFont(verdana(true));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    m_logoLabel->setTextFormat(Qt::PlainText);
    m_logoLabel->setAutoFillBackground(false);
    {
        QPalette palette = m_logoLabel->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        m_logoLabel->setPalette(palette);
    }
    setupFrameLabels(ZELVoiceMailDialog, QSize(497, 190));

    m_startButton = button(ZELVoiceMailDialog, "m_startButton", QRect(100, 140, 60, 23));
    m_restoreDefaultsButton = button(ZELVoiceMailDialog, "m_restoreDefaultsButton", QRect(30, 140, 60, 23));
    m_stopButton = button(ZELVoiceMailDialog, "m_stopButton", QRect(180, 140, 60, 23));
    m_closeButton = filledTitleButton(ZELVoiceMailDialog, "m_closeButton", QRect(473, 7, 12, 11));

    m_voiceRecordLabel = new QLabel(ZELVoiceMailDialog);
    m_voiceRecordLabel->setObjectName(QString::fromLatin1("m_voiceRecordLabel"));
    m_voiceRecordLabel->setGeometry(37, 30, 431, 70);
    m_voiceRecordLabel->setAlignment(Qt::AlignCenter);
    {
        QPalette palette = m_voiceRecordLabel->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::WindowText, QColor(85, 170, 0));
        m_voiceRecordLabel->setPalette(palette);
    }

    m_playButton = button(ZELVoiceMailDialog, "m_playButton", QRect(260, 140, 60, 23));
    m_sendButton = button(ZELVoiceMailDialog, "m_sendButton", QRect(340, 140, 60, 23));
    m_cancelButton = button(ZELVoiceMailDialog, "m_cancelButton", QRect(420, 140, 60, 23));

    m_horizontalSlider = new QSlider(ZELVoiceMailDialog);
    m_horizontalSlider->setObjectName(QString::fromLatin1("m_horizontalSlider"));
    m_horizontalSlider->setGeometry(38, 110, 379, 21);
    m_horizontalSlider->setOrientation(Qt::Horizontal);

    m_minimizeButton = filledTitleButton(ZELVoiceMailDialog, "m_minimizeButton", QRect(455, 7, 12, 11));
    m_minimizeButton->setFixedSize(12, 11);

    m_timeLabel = new QLabel(ZELVoiceMailDialog);
    m_timeLabel->setObjectName(QString::fromLatin1("m_timeLabel"));
    m_timeLabel->setGeometry(423, 113, 57, 16);
    m_timeLabel->setFont(verdana(false));
    m_timeLabel->setScaledContents(true);

    QWidget::setTabOrder(m_horizontalSlider, m_restoreDefaultsButton);
    QWidget::setTabOrder(m_restoreDefaultsButton, m_startButton);
    QWidget::setTabOrder(m_startButton, m_stopButton);
    QWidget::setTabOrder(m_stopButton, m_playButton);
    QWidget::setTabOrder(m_playButton, m_sendButton);
    QWidget::setTabOrder(m_sendButton, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_minimizeButton);
    QWidget::setTabOrder(m_minimizeButton, m_closeButton);

    retranslateUi(ZELVoiceMailDialog);
    QMetaObject::connectSlotsByName(ZELVoiceMailDialog);
}

void Ui_ZELVoiceMailDialog::retranslateUi(QDialog *ZELVoiceMailDialog)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("ZELVoiceMailDialog", text); };
    ZELVoiceMailDialog->setWindowTitle(tr("Voice Mail"));
    m_logoLabel->setText(tr("Voice Mail"));
    for (QLabel *label : {m_leftTopCorner, m_rightTopCorner, m_rightStretch, m_rightBottomCorner, m_bottomStretch,
                          m_leftStretch, m_leftBottomCorner})
        label->setText(QString());
    m_startButton->setText(tr("Start"));
    m_startButton->setToolTip(tr("Start Recording"));
    m_restoreDefaultsButton->setText(tr("Reset"));
    m_restoreDefaultsButton->setToolTip(tr("Reset Recording"));
    m_stopButton->setText(tr("Stop"));
    m_stopButton->setToolTip(tr("Stop Recording"));
    m_closeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_voiceRecordLabel->setText(tr("<h1>Start Recording..........</h1>"));
    m_voiceRecordLabel->setStyleSheet(QString::fromLatin1(LabelStyle));
    m_playButton->setText(tr("Play"));
    m_playButton->setToolTip(tr("Play"));
    m_sendButton->setText(tr("Send"));
    m_sendButton->setToolTip(tr("Send"));
    m_cancelButton->setText(tr("Close"));
    m_cancelButton->setToolTip(tr("Close"));
    m_horizontalSlider->setStyleSheet(QString::fromLatin1(SliderStyle));
    m_minimizeButton->setText(QString());
    m_timeLabel->setText(tr("00:00:00"));
}
