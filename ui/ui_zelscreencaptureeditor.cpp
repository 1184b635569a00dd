#include /* form */ "ui/ui_zelscreencaptureeditor.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QMetaObject>
#include <QtGui/QPalette>

namespace {

constexpr int Unbounded = 16777215;

QFont verdanaFamily(bool bold = false)
{
    QFont font;
    font.setFamily(QStringLiteral("Verdana"));
    if (bold)
        font.setWeight(QFont::Bold);
    return font;
}

QFont verdana8(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QLabel *frameLabel(QDialog *dialog, const char *name, QSizePolicy::Policy h, QSizePolicy::Policy v,
                   QSize minimum, QSize maximum)
{
    auto *l = new QLabel(dialog);
    l->setObjectName(QString::fromLatin1(name));
    l->setSizePolicy(h, v);
    l->setMinimumSize(minimum);
    l->setMaximumSize(maximum);
    l->setAutoFillBackground(true);
    return l;
}

QPushButton *titleButton(QDialog *dialog, const char *name)
{
    auto *b = new QPushButton(dialog);
    b->setObjectName(QString::fromLatin1(name));
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    b->setMinimumSize(12, 11);
    b->setMaximumSize(12, 11);
    b->setFlat(true);
    b->setAutoFillBackground(true);
    return b;
}

QToolButton *toolButton(QWidget *parent, const char *name, int x, int y, int w, int h,
                        bool checkable, int icon = 30, bool pointingHand = true)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, w, h);
    b->setIconSize(QSize(icon, icon));
    b->setCheckable(checkable);
    b->setAutoRaise(true);
    if (pointingHand)
        b->setCursor(Qt::PointingHandCursor);
    return b;
}

QSpacerItem *spacer(int w, int h, QSizePolicy::Policy hp, QSizePolicy::Policy vp)
{
    return new QSpacerItem(w, h, hp, vp);
}

QPalette logoPalette()
{
    QPalette p;
    struct Entry { QPalette::ColorRole role; QColor active; QColor inactive; QColor disabled; };
    const Entry entries[] = {
        {QPalette::WindowText, QColor(0, 0, 0), QColor(0, 0, 0), QColor(118, 116, 108)},
        {QPalette::Button, QColor(236, 233, 216), QColor(236, 233, 216), QColor(236, 233, 216)},
        {QPalette::Light, QColor(255, 255, 255), QColor(255, 255, 255), QColor(255, 255, 255)},
        {QPalette::Midlight, QColor(241, 239, 226), QColor(241, 239, 226), QColor(245, 244, 235)},
        {QPalette::Dark, QColor(172, 168, 153), QColor(172, 168, 153), QColor(172, 168, 153)},
        {QPalette::Mid, QColor(157, 155, 144), QColor(157, 155, 144), QColor(157, 155, 144)},
        {QPalette::Text, QColor(0, 0, 0), QColor(0, 0, 0), QColor(118, 116, 108)},
        {QPalette::BrightText, QColor(255, 255, 255), QColor(255, 255, 255), QColor(255, 255, 255)},
        {QPalette::ButtonText, QColor(0, 0, 0), QColor(0, 0, 0), QColor(118, 116, 108)},
        {QPalette::Base, QColor(255, 255, 255), QColor(255, 255, 255), QColor(236, 233, 216)},
        {QPalette::Window, QColor(236, 233, 216), QColor(236, 233, 216), QColor(236, 233, 216)},
        {QPalette::Shadow, QColor(113, 111, 100), QColor(113, 111, 100), QColor(0, 0, 0)},
        {QPalette::Highlight, QColor(49, 106, 197), QColor(236, 233, 216), QColor(49, 106, 197)},
        {QPalette::HighlightedText, QColor(255, 255, 255), QColor(0, 0, 0), QColor(255, 255, 255)},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255), QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(233, 231, 227), QColor(233, 231, 227), QColor(245, 244, 235)},
    };
    for (const Entry &e : entries) {
        p.setBrush(QPalette::Active, e.role, QBrush(e.active));
        p.setBrush(QPalette::Inactive, e.role, QBrush(e.inactive));
        p.setBrush(QPalette::Disabled, e.role, QBrush(e.disabled));
    }
    return p;
}

} // namespace

void Ui_screenCapture::setupUi(QDialog *screenCapture)
{
    if (screenCapture->objectName().isEmpty())
        screenCapture->setObjectName(QString::fromLatin1("screenCapture"));
    screenCapture->resize(754, 701);
    screenCapture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    screenCapture->setMinimumSize(754, 600);

    gridLayout = new QGridLayout(screenCapture);
    gridLayout->setObjectName(QString::fromLatin1("gridLayout"));
    gridLayout->setHorizontalSpacing(0);
    gridLayout->setVerticalSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    // Title bar.
    hboxLayout = new QHBoxLayout();
    hboxLayout->setObjectName(QString::fromLatin1("hboxLayout"));
    hboxLayout->setSpacing(0);
    hboxLayout->setContentsMargins(0, 0, 0, 0);
    m_leftTopCorner = frameLabel(screenCapture, "m_leftTopCorner", QSizePolicy::Fixed,
                                 QSizePolicy::Fixed, QSize(11, 20), QSize(11, 20));
    hboxLayout->addWidget(m_leftTopCorner);
    m_logoLabel = new QLabel(screenCapture);
    m_logoLabel->setObjectName(QString::fromLatin1("m_logoLabel"));
    m_logoLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_logoLabel->setMinimumSize(698, 20);
    m_logoLabel->setMaximumSize(Unbounded, 20);
    m_logoLabel->setPalette(logoPalette());
    m_logoLabel->setFont(verdana8(true));
    m_logoLabel->setAlignment(Qt::AlignCenter);
    hboxLayout->addWidget(m_logoLabel);
    spacerItem = spacer(4, 12, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout->addItem(spacerItem);
    m_maximizeButton = titleButton(screenCapture, "m_maximizeButton");
    hboxLayout->addWidget(m_maximizeButton);
    spacerItem1 = spacer(4, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout->addItem(spacerItem1);
    m_closeButton = titleButton(screenCapture, "m_closeButton");
    hboxLayout->addWidget(m_closeButton);
    m_rightTopCorner = frameLabel(screenCapture, "m_rightTopCorner", QSizePolicy::Fixed,
                                  QSizePolicy::Fixed, QSize(11, 20), QSize(11, 20));
    hboxLayout->addWidget(m_rightTopCorner);
    gridLayout->addLayout(hboxLayout, 0, 0, 1, 1);

    // Body.
    hboxLayout1 = new QHBoxLayout();
    hboxLayout1->setObjectName(QString::fromLatin1("hboxLayout1"));
    hboxLayout1->setSpacing(0);
    hboxLayout1->setContentsMargins(0, 0, 0, 0);
    m_leftStretch = frameLabel(screenCapture, "m_leftStretch", QSizePolicy::Fixed,
                               QSizePolicy::Expanding, QSize(11, 239), QSize(11, Unbounded));
    hboxLayout1->addWidget(m_leftStretch);

    vboxLayout = new QVBoxLayout();
    vboxLayout->setObjectName(QString::fromLatin1("vboxLayout"));
    vboxLayout->setSpacing(0);
    vboxLayout->setContentsMargins(15, 15, 15, 10);
    spacerItem2 = spacer(21, 1, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem2);
    m_graphicsViewPictureEditor = new QGraphicsView(screenCapture);
    m_graphicsViewPictureEditor->setObjectName(QString::fromLatin1("m_graphicsViewPictureEditor"));
    m_graphicsViewPictureEditor->setFont(verdanaFamily());
    m_graphicsViewPictureEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_graphicsViewPictureEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    vboxLayout->addWidget(m_graphicsViewPictureEditor);
    spacerItem3 = spacer(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem3);
    m_errorLabel = new QLabel(screenCapture);
    m_errorLabel->setObjectName(QString::fromLatin1("m_errorLabel"));
    {
        QPalette p;
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
            p.setBrush(QPalette::Active, role, QBrush(QColor(255, 0, 0)));
            p.setBrush(QPalette::Inactive, role, QBrush(QColor(255, 0, 0)));
            p.setBrush(QPalette::Disabled, role, QBrush(QColor(118, 116, 108)));
        }
        m_errorLabel->setPalette(p);
    }
    m_errorLabel->setFont(verdanaFamily(true));
    m_errorLabel->setAlignment(Qt::AlignCenter);
    vboxLayout->addWidget(m_errorLabel);
    spacerItem4 = spacer(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem4);
    label = new QLabel(screenCapture);
    label->setObjectName(QString::fromLatin1("label"));
    label->setFont(verdanaFamily());
    vboxLayout->addWidget(label);
    spacerItem5 = spacer(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem5);
    m_screenCaptureTextEdit = new QTextEdit(screenCapture);
    m_screenCaptureTextEdit->setObjectName(QString::fromLatin1("m_screenCaptureTextEdit"));
    m_screenCaptureTextEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_screenCaptureTextEdit->setMinimumSize(0, 40);
    m_screenCaptureTextEdit->setMaximumSize(Unbounded, 40);
    m_screenCaptureTextEdit->setFont(verdanaFamily());
    m_screenCaptureTextEdit->setContextMenuPolicy(Qt::NoContextMenu);
    m_screenCaptureTextEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_screenCaptureTextEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vboxLayout->addWidget(m_screenCaptureTextEdit);
    spacerItem6 = spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem6);
    spacerItem7 = spacer(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem7);

    m_toolBoxGroupButton = new QGroupBox(screenCapture);
    m_toolBoxGroupButton->setObjectName(QString::fromLatin1("m_toolBoxGroupButton"));
    m_toolBoxGroupButton->setMinimumSize(0, 110);
    m_toolBoxGroupButton->setMaximumSize(Unbounded, 110);
    m_toolBoxGroupButton->setFont(verdanaFamily(true));
    QGroupBox *box = m_toolBoxGroupButton;
    m_scribbleButton = toolButton(box, "m_scribbleButton", 10, 20, 39, 34, true);
    m_lineButton = toolButton(box, "m_lineButton", 70, 20, 39, 34, true);
    m_rectangleButton = toolButton(box, "m_rectangleButton", 130, 20, 39, 34, true);
    m_elipseBtton = toolButton(box, "m_elipseBtton", 190, 20, 39, 34, true);
    m_textToolButton = toolButton(box, "m_textToolButton", 250, 20, 39, 34, true);
    m_eraserToolButton = toolButton(box, "m_eraserToolButton", 10, 60, 39, 34, true);
    m_penWidtToolButton = toolButton(box, "m_penWidtToolButton", 70, 60, 39, 34, false);
    m_colorButton = toolButton(box, "m_colorButton", 130, 60, 39, 34, false);
    m_brushToolButton = toolButton(box, "m_brushToolButton", 190, 60, 39, 34, true);
    m_arrowToolButton = toolButton(box, "m_arrowToolButton", 250, 60, 39, 34, true);
    m_eraserFrame = new QFrame(box);
    m_eraserFrame->setObjectName(QString::fromLatin1("m_eraserFrame"));
    m_eraserFrame->setGeometry(560, 20, 111, 70);
    m_eraserFrame->setFrameShape(QFrame::Box);
    m_eraserFrame->setFrameShadow(QFrame::Sunken);
    m_10EWidth = toolButton(m_eraserFrame, "m_10EWidth", 20, 10, 10, 10, true, 9, false);
    m_15Ewidth = toolButton(m_eraserFrame, "m_15Ewidth", 70, 10, 15, 15, true, 10, false);
    m_15EWidth = toolButton(m_eraserFrame, "m_15EWidth", 15, 35, 20, 20, true, 14, false);
    m_20EWidth = toolButton(m_eraserFrame, "m_20EWidth", 65, 35, 25, 25, true, 18, false);
    m_selectionToolButton = toolButton(box, "m_selectionToolButton", 310, 20, 39, 34, true);
    {
        QFont f = m_selectionToolButton->font();
        f.setPointSize(15);
        m_selectionToolButton->setFont(f);
    }
    m_redoToolButton = toolButton(box, "m_redoToolButton", 430, 60, 39, 34, false);
    m_undoToolButton = toolButton(box, "m_undoToolButton", 430, 20, 39, 34, false);
    m_cutToolButton = toolButton(box, "m_cutToolButton", 310, 60, 39, 34, false);
    m_whiteBoardButton = toolButton(box, "m_whiteBoardButton", 370, 60, 39, 34, false);
    m_rotateToolButton = toolButton(box, "m_rotateToolButton", 370, 20, 39, 34, false);
    m_zoomInToolButton = toolButton(box, "m_zoomInToolButton", 490, 20, 39, 34, false, 25);
    m_zoomOutToolButton = toolButton(box, "m_zoomOutToolButton", 490, 60, 39, 34, false, 25);
    vboxLayout->addWidget(m_toolBoxGroupButton);
    spacerItem8 = spacer(20, 15, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem8);

    hboxLayout2 = new QHBoxLayout();
    hboxLayout2->setObjectName(QString::fromLatin1("hboxLayout2"));
    hboxLayout2->setSpacing(0);
    hboxLayout2->setContentsMargins(0, 0, 0, 0);
    spacerItem9 = spacer(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout2->addItem(spacerItem9);
    m_reScreenCaptureButton = new QPushButton(screenCapture);
    m_reScreenCaptureButton->setObjectName(QString::fromLatin1("m_reScreenCaptureButton"));
    m_reScreenCaptureButton->setFont(verdanaFamily());
    m_reScreenCaptureButton->setCursor(Qt::PointingHandCursor);
    hboxLayout2->addWidget(m_reScreenCaptureButton);
    spacerItem10 = spacer(20, 10, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout2->addItem(spacerItem10);
    m_saveButton = new QPushButton(screenCapture);
    m_saveButton->setObjectName(QString::fromLatin1("m_saveButton"));
    m_saveButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_saveButton->setMinimumSize(90, 23);
    m_saveButton->setMaximumSize(90, 23);
    m_saveButton->setFont(verdana8(false));
    m_saveButton->setCursor(Qt::PointingHandCursor);
    hboxLayout2->addWidget(m_saveButton);
    spacerItem11 = spacer(15, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout2->addItem(spacerItem11);
    m_pasteScreenCaptureButton = new QPushButton(screenCapture);
    m_pasteScreenCaptureButton->setObjectName(QString::fromLatin1("m_pasteScreenCaptureButton"));
    m_pasteScreenCaptureButton->setCursor(Qt::PointingHandCursor);
    hboxLayout2->addWidget(m_pasteScreenCaptureButton);
    spacerItem12 = spacer(20, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
    hboxLayout2->addItem(spacerItem12);
    m_cancelButton = new QPushButton(screenCapture);
    m_cancelButton->setObjectName(QString::fromLatin1("m_cancelButton"));
    m_cancelButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_cancelButton->setMinimumSize(75, 23);
    m_cancelButton->setMaximumSize(75, 23);
    m_cancelButton->setFont(verdana8(false));
    m_cancelButton->setCursor(Qt::PointingHandCursor);
    hboxLayout2->addWidget(m_cancelButton);
    spacerItem13 = spacer(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout2->addItem(spacerItem13);
    vboxLayout->addLayout(hboxLayout2);
    spacerItem14 = spacer(20, 15, QSizePolicy::Minimum, QSizePolicy::Fixed);
    vboxLayout->addItem(spacerItem14);
    vboxLayout->setStretchFactor(m_graphicsViewPictureEditor, 1);
    hboxLayout1->addLayout(vboxLayout);

    m_rightStretch = frameLabel(screenCapture, "m_rightStretch", QSizePolicy::Fixed,
                                QSizePolicy::Expanding, QSize(11, 239), QSize(11, Unbounded));
    hboxLayout1->addWidget(m_rightStretch);
    gridLayout->addLayout(hboxLayout1, 1, 0, 1, 1);

    // Bottom edge.
    hboxLayout3 = new QHBoxLayout();
    hboxLayout3->setObjectName(QString::fromLatin1("hboxLayout3"));
    hboxLayout3->setSpacing(0);
    hboxLayout3->setContentsMargins(0, 0, 0, 0);
    m_leftBottomCorner = frameLabel(screenCapture, "m_leftBottomCorner", QSizePolicy::Fixed,
                                    QSizePolicy::Fixed, QSize(11, 11), QSize(11, 11));
    hboxLayout3->addWidget(m_leftBottomCorner);
    m_bottomStretch = frameLabel(screenCapture, "m_bottomStretch", QSizePolicy::Expanding,
                                 QSizePolicy::Fixed, QSize(698, 11), QSize(Unbounded, 11));
    hboxLayout3->addWidget(m_bottomStretch);
    m_rightBottomCorner = frameLabel(screenCapture, "m_rightBottomCorner", QSizePolicy::Fixed,
                                     QSizePolicy::Fixed, QSize(11, 11), QSize(11, 11));
    m_rightBottomCorner->setCursor(Qt::SizeFDiagCursor);
    hboxLayout3->addWidget(m_rightBottomCorner);
    gridLayout->addLayout(hboxLayout3, 2, 0, 1, 1);

    QWidget::setTabOrder(m_graphicsViewPictureEditor, m_screenCaptureTextEdit);
    QWidget *chain[] = {m_screenCaptureTextEdit, m_scribbleButton, m_lineButton, m_rectangleButton,
                        m_elipseBtton, m_textToolButton, m_selectionToolButton, m_rotateToolButton,
                        m_undoToolButton, m_zoomInToolButton, m_10EWidth, m_15Ewidth,
                        m_eraserToolButton, m_penWidtToolButton, m_colorButton, m_brushToolButton,
                        m_arrowToolButton, m_cutToolButton, m_whiteBoardButton, m_redoToolButton,
                        m_zoomOutToolButton, m_15EWidth, m_20EWidth, m_reScreenCaptureButton,
                        m_saveButton, m_pasteScreenCaptureButton, m_cancelButton, m_maximizeButton,
                        m_closeButton};
    for (size_t i = 1; i < sizeof(chain) / sizeof(chain[0]); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    retranslateUi(screenCapture);
    QMetaObject::connectSlotsByName(screenCapture);
}

void Ui_screenCapture::retranslateUi(QDialog *screenCapture)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("screenCapture", text); };
    screenCapture->setWindowTitle(tr("Screen Capture"));
    m_leftTopCorner->setText(QString());
    m_logoLabel->setText(tr("Screen Capture"));
    m_maximizeButton->setToolTip(tr("Maximize"));
    m_maximizeButton->setText(QString());
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setText(QString());
    m_rightTopCorner->setText(QString());
    m_leftStretch->setText(QString());
    m_errorLabel->setText(QString());
    label->setText(tr("Compose your text here"));
    m_toolBoxGroupButton->setTitle(tr("Tool Box"));
    m_scribbleButton->setToolTip(tr("Pencil"));
    m_lineButton->setToolTip(tr("Line"));
    m_rectangleButton->setToolTip(tr("Rectangle"));
    m_elipseBtton->setToolTip(tr("Elipse"));
    m_textToolButton->setToolTip(tr("Insert Text (Ctrl+T)"));
    m_eraserToolButton->setToolTip(tr("Eraser"));
    m_penWidtToolButton->setToolTip(tr("Pencil Width"));
    m_colorButton->setToolTip(tr("Color"));
    m_brushToolButton->setToolTip(tr("Brush"));
    m_arrowToolButton->setToolTip(tr("Draw Arrow (Ctrl+A)"));
    m_eraserFrame->setStyleSheet(QString());
    m_selectionToolButton->setToolTip(tr("Select Area"));
    m_redoToolButton->setToolTip(tr("Redo (Ctrl+Y)"));
    m_undoToolButton->setToolTip(tr("Undo (Ctrl+Z)"));
    m_cutToolButton->setToolTip(tr("Crop Image"));
    m_whiteBoardButton->setToolTip(tr("White Board (Ctrl+W)"));
    m_rotateToolButton->setToolTip(tr("Rotate Image"));
    m_zoomInToolButton->setToolTip(tr("Zoom In"));
    m_zoomOutToolButton->setToolTip(tr("Zoom Out"));
    for (QToolButton *b : {m_scribbleButton, m_lineButton, m_rectangleButton, m_elipseBtton,
                           m_textToolButton, m_eraserToolButton, m_penWidtToolButton, m_colorButton,
                           m_brushToolButton, m_arrowToolButton, m_10EWidth, m_15Ewidth, m_15EWidth,
                           m_20EWidth, m_selectionToolButton, m_redoToolButton, m_undoToolButton,
                           m_cutToolButton, m_whiteBoardButton, m_rotateToolButton,
                           m_zoomInToolButton, m_zoomOutToolButton})
        b->setText(QString());
    m_reScreenCaptureButton->setToolTip(tr("Re Capture (Ctrl+R)"));
    m_reScreenCaptureButton->setText(tr("Re Capture"));
    m_saveButton->setToolTip(tr("Save Image (Ctrl+S)"));
    m_saveButton->setText(tr("Save Image"));
    m_pasteScreenCaptureButton->setToolTip(tr("Insert Image(Ctrl+I)"));
    m_pasteScreenCaptureButton->setText(tr("Insert Image"));
    m_cancelButton->setToolTip(tr("Close"));
    m_cancelButton->setText(tr("Close"));
    m_rightStretch->setText(QString());
    m_leftBottomCorner->setText(QString());
    m_bottomStretch->setText(QString());
    m_rightBottomCorner->setText(QString());
}
