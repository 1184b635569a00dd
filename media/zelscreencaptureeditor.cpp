#include "media/zelscreencaptureeditor.h"

#include "platform/zelchoosers.h"
#include "platform/zelplatform.h"
#include "protocol/zelsafewrite.h"
#include "style/zelframelesshelper.h"
#include "style/zelmessageboxclass.h"
#include "style/zellinkrule.h"
#include "style/zelplainstyle.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QTransform>

#include <cmath>

namespace {

constexpr int HistoryCacheLimit = 20480; // kilobytes

QString historyKey(int step)
{
    return QStringLiteral("ZEL") + QString::number(step);
}

// The plain look given to single widgets; the platform has no XP style.
void givePlainStyle(QWidget *widget)
{
    ZELPlainStyle::setOn(widget);
}

QCursor centredCursor(const QString &image, int size = 0)
{
    QPixmap pixmap(image);
    if (size > 0)
        pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
}

QString readStyleSheet()
{
    QFile file(QStringLiteral(":images/stylesheet.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

} // namespace

ZELScreenCaptureEditor::ZELScreenCaptureEditor()
    : QDialog(nullptr)
{
    windowSettings();
    initializeMemberVariables();
    signalsAndSlots();
    setZELStyle();
    defaultSettings();
}

ZELScreenCaptureEditor::~ZELScreenCaptureEditor()
{
    delete m_informationBox;
    m_informationBox = nullptr;
}

void ZELScreenCaptureEditor::setPicture(const QPixmap &picture)
{
    const QImage image = picture.toImage();
    m_currentImage = image;
    m_defaultImage = image;
    m_baseImage = image;
    if (!m_pixmapItem)
        m_pixmapItem = m_scene->addPixmap(picture);
    m_graphicsViewPictureEditor->setScene(m_scene);
    refreshCanvas();
}

void ZELScreenCaptureEditor::windowSettings()
{
    setupUi(this);
    // A received text pasted in brings its pictures along.
    ZELLinkRule::guardPictures(m_screenCaptureTextEdit);
    setWindowIcon(QIcon(QStringLiteral(":images/capture.png")));
    setAttribute(Qt::WA_StaticContents);
    setMask(rect());
    // The shared chrome draws the frame, drags, resizes and maximises the
    // window, and closes it from the title bar's close button.
    m_frame = new ZELFramelessHelper(this, ZELFramelessHelper::ResizeCorner
                                               | ZELFramelessHelper::WindowBackground);
}

void ZELScreenCaptureEditor::initializeMemberVariables()
{
    m_informationBox = new ZELMessageBoxClass(this);
    m_penWidthMenu = new QMenu(this);
    m_penWidth1Action = new QAction(tr("1"), this);
    m_penWidth2Action = new QAction(tr("2"), this);
    m_penWidth3Action = new QAction(tr("3"), this);
    m_penWidth4Action = new QAction(tr("4"), this);
    m_penWidth5Action = new QAction(tr("5"), this);
    m_textStyleDock = new QDockWidget(tr("Text Style"), this, Qt::Tool);
    m_penWidth = 2;
    m_whiteBoardCount = 2;
    m_startX = m_startY = 0;
    m_eraserWidth = m_eraserHeight = 8;
    m_undoStep = 1;
    m_penColor = Qt::red;
    m_savedPenWidth = m_penWidth;
    m_scene = new QGraphicsScene(m_graphicsViewPictureEditor);
    m_graphicsViewPictureEditor->setAlignment(Qt::AlignCenter);
    QLinearGradient gradient(0, 0, 0, m_graphicsViewPictureEditor->height());
    gradient.setColorAt(0.0, QColor(224, 224, 224));
    gradient.setColorAt(1.0, QColor(224, 224, 224));
    m_scene->setBackgroundBrush(gradient);
    m_textItem = nullptr;
    m_selectionItem = nullptr;
    m_redoStep = 0;
    createTextStyleWidget();
}

void ZELScreenCaptureEditor::signalsAndSlots()
{
    // The title bar's close and maximise buttons are wired by the frame helper:
    // a close reaches closeEvent, which reports the end like cancelSlot().
    connect(m_cancelButton, &QPushButton::clicked, this, &ZELScreenCaptureEditor::cancelSlot);
    connect(m_scribbleButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::setScribble);
    connect(m_lineButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::setLine);
    connect(m_arrowToolButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::setArrowLine);
    connect(m_elipseBtton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::setElipse);
    connect(m_rectangleButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::setRectangle);
    connect(m_selectionToolButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::setSelectionRectangle);
    connect(m_colorButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::setColorR);
    connect(m_eraserToolButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::setEraser);
    connect(m_penWidtToolButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::showPenWidthMenu);
    connect(m_brushToolButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::setBrushForWhiteBoard);
    connect(m_whiteBoardButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::changeWhiteBoard);
    connect(m_undoToolButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::undoDefaultImage);
    connect(m_redoToolButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::redoDefaultImage);
    connect(m_reScreenCaptureButton, &QPushButton::clicked, this, &ZELScreenCaptureEditor::reCapture);
    connect(m_pasteScreenCaptureButton, &QPushButton::clicked, this,
            &ZELScreenCaptureEditor::insertPictureIntoChatWidget);
    connect(m_penWidth1Action, &QAction::triggered, this, &ZELScreenCaptureEditor::setPenWidth1);
    connect(m_penWidth2Action, &QAction::triggered, this, &ZELScreenCaptureEditor::setPenWidth2);
    connect(m_penWidth3Action, &QAction::triggered, this, &ZELScreenCaptureEditor::setPenWidth3);
    connect(m_penWidth4Action, &QAction::triggered, this, &ZELScreenCaptureEditor::setPenWidth4);
    connect(m_penWidth5Action, &QAction::triggered, this, &ZELScreenCaptureEditor::setPenWidth5);
    connect(m_saveButton, &QPushButton::clicked, this, &ZELScreenCaptureEditor::saveImage);
    connect(m_10EWidth, &QToolButton::clicked, this, &ZELScreenCaptureEditor::set10EraserWidth);
    connect(m_15Ewidth, &QToolButton::clicked, this, &ZELScreenCaptureEditor::set15EraserWidth);
    connect(m_15EWidth, &QToolButton::clicked, this, &ZELScreenCaptureEditor::set20EraserWidth);
    connect(m_20EWidth, &QToolButton::clicked, this, &ZELScreenCaptureEditor::set25EraserWidth);
    connect(m_textToolButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::insertText);
    connect(m_zoomInToolButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::callZoomInFunction);
    connect(m_zoomOutToolButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::callZoomOutFunction);
    connect(m_cutToolButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::cropImage);
    connect(m_rotateToolButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::rotateImage);
    connect(m_textStyleDock, &QDockWidget::topLevelChanged, this,
            &ZELScreenCaptureEditor::dockWidgetFlag);
}

void ZELScreenCaptureEditor::setZELStyle()
{
    givePlainStyle(this);
    for (QToolButton *b : {m_scribbleButton, m_lineButton, m_rectangleButton, m_elipseBtton,
                           m_whiteBoardButton, m_eraserToolButton, m_penWidtToolButton, m_colorButton,
                           m_brushToolButton, m_undoToolButton, m_textToolButton,
                           m_zoomOutToolButton, m_zoomInToolButton, m_arrowToolButton,
                           m_selectionToolButton, m_cutToolButton, m_rotateToolButton,
                           m_redoToolButton, m_10EWidth, m_15Ewidth, m_15EWidth, m_20EWidth})
        givePlainStyle(b);

    ZELFramelessHelper::setButtonImage(m_closeButton, QStringLiteral(":images/index_r2_c11.jpg"));
    ZELFramelessHelper::setButtonImage(m_maximizeButton, QStringLiteral(":images/maxbut.jpg"));
    m_frame->updateBackground();

    ZELFramelessHelper::setLabelImage(m_leftTopCorner, QStringLiteral(":images/corner1.jpg"));
    ZELFramelessHelper::setLabelImage(m_leftStretch, QStringLiteral(":images/1px_transp_left.png"));
    ZELFramelessHelper::setLabelImage(m_leftBottomCorner, QStringLiteral(":images/corner3.jpg"));
    ZELFramelessHelper::setLabelImage(m_rightTopCorner, QStringLiteral(":images/corner2.jpg"));
    ZELFramelessHelper::setLabelImage(m_rightStretch, QStringLiteral(":images/1px_transp_right.png"));
    ZELFramelessHelper::setLabelImage(m_rightBottomCorner, QStringLiteral(":images/corner4.png"));
    ZELFramelessHelper::setLabelImage(m_bottomStretch, QStringLiteral(":images/1px_transp_bottom.png"));

    QPalette viewPalette;
    viewPalette.setBrush(QPalette::Light, QColor(255, 255, 255));
    viewPalette.setBrush(QPalette::Midlight, QColor(144, 209, 247));
    viewPalette.setBrush(QPalette::Dark, QColor(255, 255, 255));
    viewPalette.setBrush(QPalette::Base, QColor(255, 255, 255));
    viewPalette.setBrush(QPalette::Shadow, QColor(144, 209, 247));
    viewPalette.setBrush(QPalette::Button, QColor(240, 245, 251));
    m_graphicsViewPictureEditor->setPalette(viewPalette);

    const struct { QToolButton *button; const char *icon; } icons[] = {
        {m_scribbleButton, ":images/pen_t.bmp"},       {m_lineButton, ":images/line_t.bmp"},
        {m_rectangleButton, ":images/rect_t.bmp"},     {m_elipseBtton, ":images/circle_t.bmp"},
        {m_whiteBoardButton, ":images/photo_t.png"},   {m_eraserToolButton, ":images/eraser_t.bmp"},
        {m_penWidtToolButton, ":images/width.png"},    {m_colorButton, ":images/fill_t.bmp"},
        {m_brushToolButton, ":images/blur_t.bmp"},     {m_undoToolButton, ":images/undo_t.bmp"},
        {m_zoomInToolButton, ":images/zoom-in.png"},   {m_zoomOutToolButton, ":images/zoom-out.png"},
        {m_textToolButton, ":images/text_t.bmp"},      {m_selectionToolButton, ":images/select_t.bmp"},
        {m_arrowToolButton, ":images/rot90ccw_t.bmp"}, {m_cutToolButton, ":images/libdel.bmp"},
        {m_rotateToolButton, ":images/flipv_t.bmp"},   {m_redoToolButton, ":images/redo_t.bmp"},
        {m_10EWidth, ":images/eraserWidth.png"},       {m_15Ewidth, ":images/eraserWidth.png"},
        {m_15EWidth, ":images/eraserWidth.png"},       {m_20EWidth, ":images/eraserWidth.png"},
    };
    for (const auto &entry : icons)
        entry.button->setIcon(QIcon(QString::fromLatin1(entry.icon)));

    const QString styleSheet = readStyleSheet();
    m_graphicsViewPictureEditor->setStyleSheet(styleSheet);
    m_screenCaptureTextEdit->setStyleSheet(styleSheet);
    m_penWidthMenu->setStyleSheet(styleSheet);
    m_fontComboBox->setStyleSheet(styleSheet);
    m_fontSizeComboBox->setStyleSheet(styleSheet);
    m_graphicsViewPictureEditor->verticalScrollBar()->setStyleSheet(styleSheet);
    m_graphicsViewPictureEditor->horizontalScrollBar()->setStyleSheet(styleSheet);
}

void ZELScreenCaptureEditor::defaultSettings()
{
    m_closeButton->installEventFilter(this);
    m_logoLabel->installEventFilter(this);
    m_maximizeButton->installEventFilter(this);
    m_scene->installEventFilter(this);
    installEventFilter(this);
    m_toolBoxGroupButton->installEventFilter(this);

    for (QAction *action : {m_penWidth1Action, m_penWidth2Action, m_penWidth3Action,
                            m_penWidth4Action, m_penWidth5Action}) {
        action->setCheckable(true);
        m_penWidthMenu->addAction(action);
    }
    m_penWidtToolButton->setMenu(m_penWidthMenu);
    setPenWidth2();
    m_eraserFrame->hide();
    m_errorLabel->hide();
    m_zoomInToolButton->hide();
    m_zoomOutToolButton->hide();
    m_15Ewidth->setChecked(true);
    m_undoToolButton->setEnabled(false);
    m_cutToolButton->setEnabled(false);
    m_redoToolButton->setEnabled(false);
    m_penWidtToolButton->setPopupMode(QToolButton::MenuButtonPopup);
    setScribble();
}

void ZELScreenCaptureEditor::refreshCanvas()
{
    m_pixmap = QPixmap::fromImage(m_currentImage);
    if (m_pixmapItem) {
        m_pixmapItem->setPixmap(m_pixmap);
        m_scene->setSceneRect(m_pixmapItem->boundingRect());
    }
    m_graphicsViewPictureEditor->viewport()->update();
}

// ---- Drawing tools ---------------------------------------------------------

void ZELScreenCaptureEditor::selectTool(QToolButton *button)
{
    m_scribbleMode = (button == m_scribbleButton || button == m_brushToolButton);
    m_lineMode = (button == m_lineButton);
    m_arrowMode = (button == m_arrowToolButton);
    m_ellipseMode = (button == m_elipseBtton);
    m_rectangleMode = (button == m_rectangleButton);
    m_eraserMode = (button == m_eraserToolButton);
    m_selectionMode = (button == m_selectionToolButton);
    m_textMode = false;
    for (QToolButton *b : {m_scribbleButton, m_lineButton, m_rectangleButton, m_elipseBtton,
                           m_textToolButton, m_eraserToolButton, m_brushToolButton,
                           m_arrowToolButton, m_selectionToolButton})
        b->setChecked(b == button);
}

void ZELScreenCaptureEditor::setScribble()
{
    selectTool(m_scribbleButton);
    m_penWidth = m_savedPenWidth;
    m_graphicsViewPictureEditor->setCursor(centredCursor(QStringLiteral(":images/pencil.png")));
    clearItems();
}

void ZELScreenCaptureEditor::setBrushForWhiteBoard()
{
    selectTool(m_brushToolButton);
    if (m_penWidth != 10)
        m_savedPenWidth = m_penWidth;
    m_penWidth = 10;
    m_graphicsViewPictureEditor->setCursor(centredCursor(QStringLiteral(":images/brush.png")));
    clearItems();
}

void ZELScreenCaptureEditor::startShapeTool(QToolButton *button)
{
    selectTool(button);
    m_penWidth = m_savedPenWidth;
    m_graphicsViewPictureEditor->setCursor(Qt::CrossCursor);
    clearItems();
}

void ZELScreenCaptureEditor::setLine()
{
    m_newLine = true;
    startShapeTool(m_lineButton);
}

void ZELScreenCaptureEditor::setArrowLine()
{
    m_newArrow = true;
    m_newLine = false;
    startShapeTool(m_arrowToolButton);
}

void ZELScreenCaptureEditor::setElipse()
{
    m_newEllipse = true;
    startShapeTool(m_elipseBtton);
}

void ZELScreenCaptureEditor::setRectangle()
{
    m_newRectangle = true;
    startShapeTool(m_rectangleButton);
}

void ZELScreenCaptureEditor::setSelectionRectangle()
{
    m_newSelection = true;
    m_newRectangle = false;
    startShapeTool(m_selectionToolButton);
}

void ZELScreenCaptureEditor::setEraser()
{
    if (m_textItem)
        drawTextInScene();
    selectTool(m_eraserToolButton);
    m_penWidth = m_savedPenWidth;
    m_graphicsViewPictureEditor->setCursor(centredCursor(QStringLiteral(":images/eraserWidth.png"), 8));
    if (m_eraserFrame->isHidden()) {
        m_eraserFrame->show();
        m_15Ewidth->setChecked(true);
        m_10EWidth->setChecked(false);
        m_15EWidth->setChecked(false);
        m_20EWidth->setChecked(false);
        m_eraserWidth = m_eraserHeight = 8;
    }
}

void ZELScreenCaptureEditor::setColorR()
{
    if (m_textItem)
        drawTextInScene();
    const QColor color = ZELPlatform::choosers()->color(m_penColor, this, QString());
    if (color.isValid())
        setPenColor(color);
}

void ZELScreenCaptureEditor::setPenColor(QColor color)
{
    m_penColor = color;
}

void ZELScreenCaptureEditor::showPenWidthMenu()
{
    if (m_textItem)
        drawTextInScene();
    m_penWidtToolButton->showMenu();
}

void ZELScreenCaptureEditor::setPenWidth(int width)
{
    if (m_textItem)
        drawTextInScene();
    m_penWidth = width;
    m_savedPenWidth = width;
}

void ZELScreenCaptureEditor::choosePenWidth(QAction *chosen)
{
    setPenWidth(chosen->text().toInt());
    if (chosen->isChecked()) {
        for (QAction *action : {m_penWidth1Action, m_penWidth2Action, m_penWidth3Action,
                                m_penWidth4Action, m_penWidth5Action}) {
            QFont font(QStringLiteral("Verdana"), 8);
            font.setWeight(action == chosen ? QFont::Bold : QFont::Normal);
            action->setFont(font);
            if (action != chosen)
                action->setChecked(false);
        }
    } else {
        // Picking the checked entry again toggled it off: one width always stays checked.
        chosen->setChecked(true);
    }
}

void ZELScreenCaptureEditor::setPenWidth1() { choosePenWidth(m_penWidth1Action); }
void ZELScreenCaptureEditor::setPenWidth2() { choosePenWidth(m_penWidth2Action); }
void ZELScreenCaptureEditor::setPenWidth3() { choosePenWidth(m_penWidth3Action); }
void ZELScreenCaptureEditor::setPenWidth4() { choosePenWidth(m_penWidth4Action); }
void ZELScreenCaptureEditor::setPenWidth5() { choosePenWidth(m_penWidth5Action); }

void ZELScreenCaptureEditor::changeWhiteBoard()
{
    clearItems();
    if (m_whiteBoardCount % 2 == 0) {
        m_currentImage = QImage(500, 500, QImage::Format_RGB32);
        m_currentImage.fill(qRgb(255, 255, 255));
        m_whiteBoardButton->setToolTip(tr("Default Image"));
    } else {
        m_currentImage = m_defaultImage.copy();
        m_whiteBoardButton->setToolTip(tr("White Board"));
    }
    ++m_whiteBoardCount;
    m_baseImage = m_currentImage;
    refreshCanvas();
    QPixmapCache::clear();
    m_undoToolButton->setEnabled(false);
    m_redoToolButton->setEnabled(false);
}

void ZELScreenCaptureEditor::undoDefaultImage()
{
    clearItems();
    if (m_undoStep >= 3) {
        const int k = m_undoStep - 2;
        m_redoStep = k + 1;
        QPixmap step;
        if (QPixmapCache::find(historyKey(k), &step)) {
            m_currentImage = step.toImage();
            m_baseImage = m_currentImage;
            refreshCanvas();
            m_redoToolButton->setEnabled(true);
            --m_undoStep;
        } else {
            QPixmapCache::clear();
            m_undoToolButton->setEnabled(false);
            m_currentImage = m_defaultImage.copy();
            m_baseImage = m_currentImage;
            refreshCanvas();
            return;
        }
    } else {
        QPixmapCache::clear();
        m_undoToolButton->setEnabled(false);
        m_currentImage = m_defaultImage.copy();
        m_baseImage = m_currentImage;
        refreshCanvas();
        m_undoStep = 1;
    }
    QPixmap previous;
    if (!QPixmapCache::find(historyKey(m_undoStep - 1), &previous))
        m_undoToolButton->setEnabled(false);
}

void ZELScreenCaptureEditor::redoDefaultImage()
{
    clearItems();
    QPixmap step;
    if (!QPixmapCache::find(historyKey(m_redoStep), &step)) {
        m_redoToolButton->setEnabled(false);
        m_undoToolButton->setEnabled(true);
        return;
    }
    m_currentImage = step.toImage();
    m_baseImage = m_currentImage;
    refreshCanvas();
    ++m_redoStep;
    ++m_undoStep;
    QPixmap next;
    if (!QPixmapCache::find(historyKey(m_redoStep), &next))
        m_redoToolButton->setEnabled(false);
    m_undoToolButton->setEnabled(true);
}

void ZELScreenCaptureEditor::callZoomInFunction()
{
    clearItems();
    const int w = m_currentImage.width();
    const int h = m_currentImage.height();
    const QImage scaled = m_baseImage.scaled(w + w / 50, h + h / 50, Qt::KeepAspectRatioByExpanding,
                                             Qt::SmoothTransformation);
    // An enlargement that cannot be allocated leaves the picture as it was.
    if (!scaled.isNull())
        m_currentImage = scaled;
    refreshCanvas();
}

void ZELScreenCaptureEditor::callZoomOutFunction()
{
    clearItems();
    const int w = m_currentImage.width();
    const int h = m_currentImage.height();
    const QImage scaled = m_baseImage.scaled(w - w / 50, h - h / 50, Qt::KeepAspectRatioByExpanding,
                                             Qt::SmoothTransformation);
    if (!scaled.isNull())
        m_currentImage = scaled;
    refreshCanvas();
}

void ZELScreenCaptureEditor::drawShapes(QPoint point)
{
    QPen pen(QBrush(m_penColor, Qt::SolidPattern), m_penWidth, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    QPainter painter(&m_currentImage);
    painter.setPen(pen);
    const bool dragging = m_mousePressed;

    auto clamp = [this]() {
        if (!m_outsideImage)
            return;
        if (m_endX > m_currentImage.width())
            m_endX = m_currentImage.width();
        if (m_endY > m_currentImage.height())
            m_endY = m_currentImage.height();
    };
    const QPoint start(m_startX, m_startY);

    if (m_scribbleMode) {
        painter.drawLine(m_lastPoint, point);
        m_lastPoint = point;
    } else if (m_eraserMode) {
        painter.eraseRect(m_endX, m_endY, m_eraserWidth, m_eraserHeight);
    } else if (m_lineMode || m_arrowMode) {
        if (m_lineItem) {
            m_lineItem->setPen(pen);
            if (dragging) {
                m_lineItem->show();
                m_lineItem->setLine(QLineF(start, QPoint(m_endX, m_endY)));
            } else {
                const bool clamped = m_outsideImage;
                clamp();
                const QPoint end(m_endX, m_endY);
                m_lineItem->setLine(QLineF(start, end));
                m_lineItem->hide();
                painter.drawLine(start, end);
                if (m_arrowMode) {
                    if (!clamped) {
                        QPen head = pen;
                        head.setWidth(4);
                        painter.setPen(head);
                    }
                    const double a = std::atan2(double(m_endY - m_startY), double(m_endX - m_startX)) + 3.14;
                    const QPoint first(int(m_endX + 25.0 * std::cos(a - 50.0)),
                                       int(m_endY + 25.0 * std::sin(a - 50.0)));
                    const QPoint second(int(m_endX + 25.0 * std::cos(a + 50.0)),
                                        int(m_endY + 25.0 * std::sin(a + 50.0)));
                    painter.drawLine(end, first);
                    painter.drawLine(end, second);
                }
                m_outsideImage = false;
            }
        }
    } else if (m_ellipseMode || m_rectangleMode) {
        QAbstractGraphicsShapeItem *item = m_ellipseMode
                ? static_cast<QAbstractGraphicsShapeItem *>(m_ellipseItem)
                : static_cast<QAbstractGraphicsShapeItem *>(m_rectItem);
        if (item) {
            item->setPen(pen);
            auto setShape = [&](const QRect &r) {
                if (m_ellipseMode)
                    m_ellipseItem->setRect(QRectF(r));
                else
                    m_rectItem->setRect(QRectF(r));
            };
            if (dragging) {
                item->show();
                setShape(QRect(start, QPoint(m_endX, m_endY)));
            } else {
                clamp();
                const QRect r(start, QPoint(m_endX, m_endY));
                setShape(r);
                item->hide();
                if (m_ellipseMode)
                    painter.drawEllipse(r);
                else
                    painter.drawRect(r);
                m_outsideImage = false;
            }
        }
    } else if (m_selectionMode) {
        if (m_selectionItem) {
            if (!dragging)
                clamp();
            const QRect r(start, QPoint(m_endX, m_endY));
            QPainterPath path;
            path.addRect(QRectF(r));
            if (dragging)
                m_selectionItem->show();
            m_selectionItem->setRect(QRectF(r));
            m_selectionItem->setFlag(QGraphicsItem::ItemIsSelectable);
            m_scene->setSelectionArea(path);
            if (!dragging)
                m_outsideImage = false;
            m_cutToolButton->setEnabled(true);
        }
    }
    painter.end();
    m_baseImage = m_currentImage;
    refreshCanvas();
}

// ---- Window, input and insertion ------------------------------------------

void ZELScreenCaptureEditor::maximized()
{
    m_frame->toggleMaximized();
    m_maximized = isMaximized();
}

void ZELScreenCaptureEditor::showEditorWindow()
{
    setGeometry(0, 0, width(), height());
}

void ZELScreenCaptureEditor::insertPictureIntoChatWidget()
{
    clearItems();
    if (m_textStyleDock->isVisible())
        m_textStyleDock->close();
    m_pixmap = QPixmap::fromImage(m_currentImage);
    QApplication::clipboard()->setPixmap(m_pixmap, QClipboard::Clipboard);
    QString text = m_screenCaptureTextEdit->toPlainText().simplified();
    m_outcomeReported = true;
    emit sendPictureToChatWidget(m_pixmap, text);
    close();
}

bool ZELScreenCaptureEditor::withinImage(QPoint p) const
{
    return p.x() >= 0 && p.x() <= m_currentImage.width() && p.y() >= 0
           && p.y() <= m_currentImage.height();
}

bool ZELScreenCaptureEditor::handleKey(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (!m_outcomeReported) {
            m_outcomeReported = true;
            emit closeScreenCaptureEditorWindow();
        }
        close();
        return true;
    }
    if (event->modifiers() != Qt::ControlModifier)
        return false;
    // Ctrl + key runs the tool of its button while that button could be
    // pressed; undo and redo ask only whether they are enabled.
    struct KeyRow
    {
        Qt::Key key;
        QAbstractButton *button;
        bool mustBeShown;
        void (ZELScreenCaptureEditor::*run)();
    };
    const KeyRow keyTable[] = {
        {Qt::Key_Z, m_undoToolButton, false, &ZELScreenCaptureEditor::undoDefaultImage},
        {Qt::Key_Y, m_redoToolButton, false, &ZELScreenCaptureEditor::redoDefaultImage},
        {Qt::Key_R, m_reScreenCaptureButton, true, &ZELScreenCaptureEditor::reCapture},
        {Qt::Key_S, m_saveButton, true, &ZELScreenCaptureEditor::saveImage},
        {Qt::Key_I, m_pasteScreenCaptureButton, true,
         &ZELScreenCaptureEditor::insertPictureIntoChatWidget},
        {Qt::Key_A, m_arrowToolButton, true, &ZELScreenCaptureEditor::setArrowLine},
        {Qt::Key_T, m_textToolButton, true, &ZELScreenCaptureEditor::insertText},
        {Qt::Key_W, m_whiteBoardButton, true, &ZELScreenCaptureEditor::changeWhiteBoard},
    };
    for (const KeyRow &row : keyTable) {
        if (row.key != key)
            continue;
        QAbstractButton *button = row.button;
        if (!button->isEnabled() || (row.mustBeShown && !button->isVisibleTo(button->window())))
            return false;
        (this->*row.run)();
        return true;
    }
    return false;
}

void ZELScreenCaptureEditor::recordFirstStep()
{
    if (!m_undoToolButton->isEnabled())
        m_undoStep = 1;
    if (m_undoStep == 1 && !m_cutToolButton->isEnabled()) {
        m_undoToolButton->setEnabled(true);
        QPixmapCache::clear();
        QPixmapCache::setCacheLimit(HistoryCacheLimit);
        QPixmapCache::insert(historyKey(1), QPixmap::fromImage(m_currentImage));
        m_undoStep = 2;
    }
}

void ZELScreenCaptureEditor::recordStep()
{
    if (!m_cutToolButton->isEnabled()) {
        QPixmapCache::insert(historyKey(m_undoStep), QPixmap::fromImage(m_currentImage));
        ++m_undoStep;
    }
}

void ZELScreenCaptureEditor::canvasPress(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_errorLabel->isVisible())
        m_errorLabel->hide();
    if (m_textItem)
        drawTextInScene();
    const QPoint p = event->scenePos().toPoint();
    m_lastPoint = p;
    m_startX = p.x();
    m_startY = p.y();
    m_mousePressed = true;
    if (withinImage(p))
        graphicsViewMousePressEvent();
    else
        m_mousePressed = false;
}

void ZELScreenCaptureEditor::canvasMove(QGraphicsSceneMouseEvent *event)
{
    if (!m_mousePressed || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint p = event->scenePos().toPoint();
    m_endX = p.x();
    m_endY = p.y();
    if (withinImage(p))
        graphicsViewMouseMoveEvent(p);
}

void ZELScreenCaptureEditor::canvasRelease(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_mousePressed)
        return;
    const QPoint p = event->scenePos().toPoint();
    m_endX = p.x();
    m_endY = p.y();
    if (withinImage(p)) {
        recordFirstStep();
        graphicsViewMouseReleaseEvent(p);
        recordStep();
        return;
    }
    QGraphicsItem *hidden = nullptr;
    for (QGraphicsItem *item : {static_cast<QGraphicsItem *>(m_rectItem),
                                static_cast<QGraphicsItem *>(m_selectionItem),
                                static_cast<QGraphicsItem *>(m_ellipseItem),
                                static_cast<QGraphicsItem *>(m_lineItem),
                                static_cast<QGraphicsItem *>(m_textItem)}) {
        if (item && item->isVisible()) {
            item->hide();
            hidden = item;
            break;
        }
    }
    if (hidden) {
        m_errorLabel->setText(tr("Please draw within image"));
        m_errorLabel->show();
        if (m_selectionToolButton->isChecked())
            m_cutToolButton->setEnabled(false);
    }
}

bool ZELScreenCaptureEditor::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == this && type == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    if (watched == m_toolBoxGroupButton && type == QEvent::MouseButtonPress) {
        if (m_textItem)
            drawTextInScene();
        return false;
    }
    if (watched == m_scene) {
        switch (type) {
        case QEvent::GraphicsSceneMousePress:
            canvasPress(static_cast<QGraphicsSceneMouseEvent *>(event));
            return true;
        case QEvent::GraphicsSceneMouseMove:
            canvasMove(static_cast<QGraphicsSceneMouseEvent *>(event));
            return true;
        case QEvent::GraphicsSceneMouseRelease:
            canvasRelease(static_cast<QGraphicsSceneMouseEvent *>(event));
            return true;
        default:
            return false;
        }
    }
    if (watched == this && type == QEvent::WindowStateChange) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if (change->oldState() == (Qt::WindowMinimized | Qt::WindowMaximized))
            QTimer::singleShot(1, this, &ZELScreenCaptureEditor::showEditorWindow);
    }
    // Hover images and the title's double-click are the frame helper's.
    return false;
}

void ZELScreenCaptureEditor::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
}

void ZELScreenCaptureEditor::mouseReleaseEvent(QMouseEvent *event)
{
    QDialog::mouseReleaseEvent(event);
}

void ZELScreenCaptureEditor::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
}

void ZELScreenCaptureEditor::paintEvent(QPaintEvent *event)
{
    m_graphicsViewPictureEditor->setCacheMode(QGraphicsView::CacheBackground);
    m_graphicsViewPictureEditor->setRenderHints(QPainter::Antialiasing
                                                | QPainter::SmoothPixmapTransform);
    QDialog::paintEvent(event);
}

void ZELScreenCaptureEditor::closeEvent(QCloseEvent *event)
{
    // However the window goes, the capture helper must hear that it ended,
    // or the chat window would stay minimised waiting for it.
    if (!m_outcomeReported) {
        m_outcomeReported = true;
        emit closeScreenCaptureEditorWindow();
    }
    QPixmapCache::clear();
    if (m_textStyleDock)
        m_textStyleDock->close();
    deleteLater();
    event->accept();
}

void ZELScreenCaptureEditor::reject()
{
    cancelSlot();
}

// ---- Canvas, re-capture, save and text ------------------------------------

void ZELScreenCaptureEditor::reCapture()
{
    clearItems();
    m_outcomeReported = true;
    emit reScreenCapture(true);
    emit closeScreenCaptureEditorWindow();
    close();
}

void ZELScreenCaptureEditor::graphicsViewMousePressEvent()
{
    const QPoint press(m_startX, m_startY);
    const QRectF r(press, QSizeF(1, 1));
    if (!m_previewItemsCreated) {
        const QPen penA(QBrush(m_penColor, Qt::SolidPattern), 2.0, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin);
        const QPen penB(QBrush(Qt::red, Qt::SolidPattern), 2.0, Qt::DashDotDotLine, Qt::SquareCap,
                        Qt::RoundJoin);
        m_rectItem = m_scene->addRect(r, penA);
        m_rectItem->hide();
        m_selectionItem = m_scene->addRect(r, penB, QBrush(Qt::black, Qt::Dense7Pattern));
        m_selectionItem->hide();
        m_ellipseItem = m_scene->addEllipse(r, penA);
        m_ellipseItem->hide();
        m_lineItem = m_scene->addLine(QLineF(press, press), penA);
        m_lineItem->hide();
        m_previewItemsCreated = true;
    }
    if (m_newRectangle) {
        m_rectItem->show();
        m_rectItem->setParentItem(m_pixmapItem);
        m_rectItem->setRect(r);
        m_newRectangle = false;
    } else if (m_newEllipse) {
        m_newEllipse = false;
        m_ellipseItem->show();
        m_ellipseItem->setParentItem(m_pixmapItem);
        m_ellipseItem->setRect(r);
    } else if (m_newLine || m_newArrow) {
        m_newLine ? m_newLine = false : m_newArrow = false;
        m_lineItem->show();
        m_lineItem->setParentItem(m_pixmapItem);
        m_lineItem->setLine(QLineF(press, press));
    } else if (m_textMode) {
        m_textMode = false;
        m_textItem = new QGraphicsTextItem(m_pixmapItem);
        m_textItem->setPlainText(QString());
        m_textItem->setPos(press);
        m_textItem->setTextInteractionFlags(Qt::TextEditorInteraction);
        m_textItem->setZValue(5000.0);
        m_textItem->setDefaultTextColor(m_textColor);
        m_textItem->setFont(m_textFont);
        m_textItem->setFocus(Qt::OtherFocusReason);
    } else if (m_newSelection) {
        m_selectionItem->show();
        m_selectionItem->setParentItem(m_pixmapItem);
        m_selectionItem->setRect(r);
        m_newSelection = false;
    }
}

void ZELScreenCaptureEditor::graphicsViewMouseMoveEvent(QPoint point)
{
    if (m_endY < m_currentImage.height() && m_endX < m_currentImage.width()) {
        const int vw = m_graphicsViewPictureEditor->viewport()->width() - 1;
        const int vh = m_graphicsViewPictureEditor->viewport()->height() - 1;
        QScrollBar *h = m_graphicsViewPictureEditor->horizontalScrollBar();
        QScrollBar *v = m_graphicsViewPictureEditor->verticalScrollBar();
        if (m_endX <= 0)
            h->setValue(h->value() - h->singleStep());
        else if (m_endX >= vw)
            h->setValue(h->value() + h->singleStep());
        if (m_endY <= 0)
            v->setValue(v->value() - v->singleStep());
        else if (m_endY >= vh)
            v->setValue(v->value() + v->singleStep());
        drawShapes(point);
    } else {
        m_outsideImage = true;
    }
}

void ZELScreenCaptureEditor::graphicsViewMouseReleaseEvent(QPoint point)
{
    m_mousePressed = false;
    drawShapes(point);
    m_startX = m_startY = m_endX = m_endY = 0;
}

void ZELScreenCaptureEditor::saveImage()
{
    clearItems();
    emit pauseMovie();
    const QString name = ZELPlatform::choosers()->saveFileName(
            this, tr("Choose a directory to save file"), QDir::homePath() + "/Desktop/image.jpg",
            tr("Images (*.jpg *.png *.bmp)"));
    emit restartMovie();
    if (name.isEmpty()) {
        m_informationBox->showInformationBox(this, tr("Save Image"), tr("Image not saved"));
        return;
    }
    const QFileInfo info(name);
    const QString suffix = info.suffix();
    if (suffix != QLatin1String("jpg") && suffix != QLatin1String("png")
        && suffix != QLatin1String("bmp")) {
        m_informationBox->showInformationBox(this, tr("Save Image"),
                                             tr("Please give a valid file name"));
        return;
    }
    if (m_pixmap.isNull()) {
        m_informationBox->showInformationBox(this, tr("Save Image"), tr("Not a valid image"));
        return;
    }
    // A file not there yet is as writable as its folder.
    const bool writable = info.exists() ? info.isWritable()
                                        : QFileInfo(info.absolutePath()).isWritable();
    if (!writable) {
        m_informationBox->showInformationBox(this, tr("Access Denied"),
                                             tr("Destination folder is write protected"));
        return;
    }
    const QByteArray format = suffix.toLatin1().toUpper();
    const ZELSafeWrite::Result saved = ZELSafeWrite::replace(
        name, [this, &format](QIODevice &device) { return m_pixmap.save(&device, format.constData()); });
    if (!saved) {
        m_informationBox->showInformationBox(this, tr("Save Image"),
                                             ZELSafeWrite::notSaved(tr("The image"), saved));
        return;
    }
    m_informationBox->showInformationBox(this, tr("Save Image"), tr("Image saved successfully"));
}

void ZELScreenCaptureEditor::applyEraserSize(QToolButton *button, int size)
{
    for (QToolButton *b : {m_10EWidth, m_15Ewidth, m_15EWidth, m_20EWidth})
        b->setChecked(b == button);
    m_eraserWidth = m_eraserHeight = size;
    m_graphicsViewPictureEditor->setCursor(centredCursor(QStringLiteral(":images/eraserWidth.png"), size));
}

void ZELScreenCaptureEditor::set10EraserWidth() { applyEraserSize(m_10EWidth, 5); }
void ZELScreenCaptureEditor::set15EraserWidth() { applyEraserSize(m_15Ewidth, 8); }
void ZELScreenCaptureEditor::set20EraserWidth() { applyEraserSize(m_15EWidth, 12); }
void ZELScreenCaptureEditor::set25EraserWidth() { applyEraserSize(m_20EWidth, 15); }

void ZELScreenCaptureEditor::placeTextStyleDock()
{
    const QPoint global = m_textToolButton->mapToGlobal(m_textToolButton->pos());
    m_textStyleDock->setGeometry(global.x() - 200, global.y() - 200, 350, 50);
}

void ZELScreenCaptureEditor::insertText()
{
    m_lineMode = m_ellipseMode = m_rectangleMode = m_eraserMode = false;
    m_scribbleMode = m_arrowMode = m_selectionMode = false;
    m_textMode = true;
    m_graphicsViewPictureEditor->setCursor(Qt::CrossCursor);
    for (QToolButton *b : {m_scribbleButton, m_lineButton, m_elipseBtton, m_rectangleButton,
                           m_brushToolButton, m_eraserToolButton, m_arrowToolButton})
        b->setChecked(false);
    m_textToolButton->setChecked(true);
    m_selectionToolButton->setChecked(false);
    if (!m_textStyleDock->isVisible()) {
        placeTextStyleDock();
        m_textStyleDock->show();
    }
    clearItems();
}

void ZELScreenCaptureEditor::drawTextInScene()
{
    if (!m_textItem)
        return;
    QGraphicsTextItem *item = m_textItem;
    item->clearFocus();
    const int x = int(item->pos().x());
    const int y = int(item->pos().y());
    const QString text = item->toPlainText();
    const QSize size = item->boundingRect().size().toSize();
    m_textItem = nullptr;
    m_scene->removeItem(item);
    delete item;

    QPainter painter(&m_currentImage);
    painter.setPen(QPen(QBrush(m_textColor, Qt::SolidPattern), m_penWidth, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setFont(m_textFont);
    painter.drawText(QRect(QPoint(x, y), size), Qt::AlignLeft, text);
    painter.end();
    refreshCanvas();
    if (m_textStyleDock->isVisible())
        m_textStyleDock->close();
    if (m_textToolButton->isChecked()) {
        m_textToolButton->setChecked(false);
        m_graphicsViewPictureEditor->setCursor(Qt::ArrowCursor);
    }
}

// ---- Text style panel ------------------------------------------------------

void ZELScreenCaptureEditor::createTextStyleWidget()
{
    m_fontComboBox = new QFontComboBox;
    m_fontSizeComboBox = new QComboBox;
    m_boldButton = new QToolButton;
    m_italicButton = new QToolButton;
    m_underlineButton = new QToolButton;
    m_textColorButton = new QToolButton;
    m_textColor = Qt::red;

    m_fontSizeComboBox->setEditable(true);
    for (int size = 8; size <= 28; size += 2)
        m_fontSizeComboBox->addItem(QString::number(size));
    m_fontSizeComboBox->setValidator(new QIntValidator(2, 64, m_fontSizeComboBox));
    // The font list beside it may take the rest of the row, never the room
    // of a two-digit size.
    m_fontSizeComboBox->setMinimumContentsLength(2);

    auto *frame = new QFrame(m_textStyleDock);
    frame->setGeometry(0, 0, 400, 50);

    m_textColorButton->setPopupMode(QToolButton::MenuButtonPopup);
    QMenu *colorMenu = createColorMenu(Qt::red);
    m_textColorButton->setMenu(colorMenu);
    m_textColorAction = colorMenu->defaultAction();
    connect(m_textColorButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::textButtonTriggered);
    m_textColorButton->setIcon(createColorToolButtonIcon(QStringLiteral(":images/textpointer.png"),
                                                         Qt::red));

    auto *row = new QHBoxLayout;
    row->addWidget(m_fontComboBox);
    row->addWidget(m_fontSizeComboBox);
    row->addWidget(m_boldButton);
    row->addWidget(m_italicButton);
    row->addWidget(m_underlineButton);
    row->addWidget(m_textColorButton);
    frame->setLayout(row);

    QFont bold;
    bold.setWeight(QFont::Bold);
    const struct { QToolButton *button; const char *text; } toggles[] = {
        {m_boldButton, "B"}, {m_italicButton, "I"}, {m_underlineButton, "U"}};
    for (const auto &toggle : toggles) {
        toggle.button->setAutoRaise(true);
        toggle.button->setCheckable(true);
        toggle.button->setText(tr(toggle.text));
        toggle.button->setFont(bold);
    }
    m_boldButton->setChecked(true);

    connect(m_boldButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::onBoldClicked);
    connect(m_italicButton, &QToolButton::clicked, this, &ZELScreenCaptureEditor::onItalicClicked);
    connect(m_underlineButton, &QToolButton::clicked, this,
            &ZELScreenCaptureEditor::onUnderLineClicked);
    connect(m_fontSizeComboBox, &QComboBox::editTextChanged, this,
            &ZELScreenCaptureEditor::onFontSizeChanged);
    connect(m_fontComboBox, &QFontComboBox::currentFontChanged, this,
            &ZELScreenCaptureEditor::onFontStyleChanged);

    m_textFont = QFont(QStringLiteral("Verdana"), 20);
    m_textFont.setWeight(QFont::Bold);
    m_fontSizeComboBox->setCurrentIndex(m_fontSizeComboBox->findText(QStringLiteral("20"),
                                                                     Qt::MatchExactly));
    m_textStyleDock->setMinimumSize(400, 50);
    m_textStyleDock->setMaximumSize(405, 55);
    m_textStyleDock->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ZELScreenCaptureEditor::restyleTextItem()
{
    if (m_textItem)
        m_textItem->setFont(m_textFont);
}

void ZELScreenCaptureEditor::onBoldClicked()
{
    m_textFont.setBold(m_boldButton->isChecked());
    restyleTextItem();
}

void ZELScreenCaptureEditor::onItalicClicked()
{
    m_textFont.setItalic(m_italicButton->isChecked());
    restyleTextItem();
}

void ZELScreenCaptureEditor::onUnderLineClicked()
{
    m_textFont.setUnderline(m_underlineButton->isChecked());
    restyleTextItem();
}

void ZELScreenCaptureEditor::onFontStyleChanged(const QFont &font)
{
    m_textFont = font;
    const int size = m_fontSizeComboBox->currentText().toInt();
    // A size below one point would make the font invalid: keep the old one.
    if (size > 0)
        m_textFont.setPointSize(size);
    restyleTextItem();
}

void ZELScreenCaptureEditor::onFontSizeChanged(const QString &size)
{
    const int points = size.toInt();
    if (points > 0)
        m_textFont.setPointSize(points);
    restyleTextItem();
}

QIcon ZELScreenCaptureEditor::createColorToolButtonIcon(const QString &imageFile, QColor color)
{
    QPixmap pixmap(50, 80);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QPixmap image(imageFile);
    painter.drawPixmap(QRect(0, 0, 50, 60), image, QRect(0, 0, 42, 42));
    painter.fillRect(QRect(0, 60, 50, 80), color);
    painter.end();
    return QIcon(pixmap);
}

void ZELScreenCaptureEditor::textColorChanged()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    m_textColorAction = action;
    m_textColorButton->setIcon(createColorToolButtonIcon(QStringLiteral(":images/textpointer.png"),
                                                         action->data().value<QColor>()));
    textButtonTriggered();
}

QMenu *ZELScreenCaptureEditor::createColorMenu(QColor defaultColor)
{
    const QList<QColor> colors = {Qt::red, Qt::blue, Qt::black, Qt::green};
    const QStringList names = {tr("red"), tr("blue"), tr("black"), tr("green")};
    auto *menu = new QMenu(this);
    for (int i = 0; i < colors.size(); ++i) {
        auto *action = new QAction(names.at(i), this);
        action->setData(colors.at(i));
        action->setIcon(createColorIcon(colors.at(i)));
        connect(action, &QAction::triggered, this, &ZELScreenCaptureEditor::textColorChanged);
        menu->addAction(action);
        if (colors.at(i) == defaultColor)
            menu->setDefaultAction(action);
    }
    menu->addSeparator();
    m_moreColorAction = new QAction(tr("more..."), this);
    connect(m_moreColorAction, &QAction::triggered, this, &ZELScreenCaptureEditor::getMoreColor);
    menu->addAction(m_moreColorAction);
    return menu;
}

QIcon ZELScreenCaptureEditor::createColorIcon(QColor color)
{
    QPixmap pixmap(20, 20);
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(0, 0, 20, 20), color);
    painter.end();
    return QIcon(pixmap);
}

void ZELScreenCaptureEditor::textButtonTriggered()
{
    const QColor color = m_textColorAction ? m_textColorAction->data().value<QColor>() : QColor();
    if (color.isValid())
        m_textColor = color;
    if (m_textItem)
        m_textItem->setDefaultTextColor(m_textColor);
}

void ZELScreenCaptureEditor::getMoreColor()
{
    const QColor color = ZELPlatform::choosers()->color(m_textColor, this, QString());
    if (!color.isValid())
        return;
    if (m_textItem)
        m_textItem->setDefaultTextColor(color);
    m_textColor = color;
    m_moreColorAction->setIcon(createColorIcon(color));
    m_textColorButton->setIcon(createColorToolButtonIcon(QStringLiteral(":images/textpointer.png"),
                                                         color));
}

// ---- Crop, rotate, tidy-up and cancel --------------------------------------

void ZELScreenCaptureEditor::clearItems()
{
    if (m_textItem)
        drawTextInScene();
    if (m_eraserFrame->isVisible() && !m_eraserToolButton->isChecked())
        m_eraserFrame->hide();
    if (m_selectionItem) {
        if (m_selectionItem->isVisible())
            m_selectionItem->hide();
        m_cutToolButton->setEnabled(false);
    }
    if (!m_textMode && m_textStyleDock->isVisible())
        m_textStyleDock->close();
}

void ZELScreenCaptureEditor::cropImage()
{
    clearItems();
    m_cutToolButton->setEnabled(false);
    const QRect selection = m_selectionItem ? m_selectionItem->rect().toRect() : QRect();
    if (m_selectionItem)
        m_selectionItem->hide();
    const QPixmap whole = QPixmap::fromImage(m_currentImage);
    QRect area = selection;
    if (area.isEmpty())
        area = whole.rect();
    else
        area = area.intersected(whole.rect());
    m_currentImage = whole.copy(area).toImage();
    QPixmapCache::insert(historyKey(m_undoStep), QPixmap::fromImage(m_currentImage));
    ++m_undoStep;
    refreshCanvas();
    m_baseImage = m_currentImage;
}

void ZELScreenCaptureEditor::rotateImage()
{
    clearItems();
    if (m_undoStep == 1 && !m_cutToolButton->isEnabled()) {
        m_undoToolButton->setEnabled(true);
        QPixmapCache::clear();
        QPixmapCache::setCacheLimit(HistoryCacheLimit);
        QPixmapCache::insert(historyKey(1), QPixmap::fromImage(m_currentImage));
        m_undoStep = 2;
    }
    m_currentImage = m_currentImage.transformed(QTransform().rotate(90.0), Qt::FastTransformation);
    refreshCanvas();
    if (!m_cutToolButton->isEnabled()) {
        QPixmapCache::insert(historyKey(m_undoStep), QPixmap::fromImage(m_currentImage));
        ++m_undoStep;
    }
    m_baseImage = m_currentImage;
}

void ZELScreenCaptureEditor::cancelSlot()
{
    if (!m_outcomeReported) {
        m_outcomeReported = true;
        emit closeScreenCaptureEditorWindow();
    }
    close();
}

void ZELScreenCaptureEditor::dockWidgetFlag(bool)
{
    m_textStyleDock->setFloating(true);
    placeTextStyleDock();
}
