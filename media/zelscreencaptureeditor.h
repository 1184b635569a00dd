#ifndef ZELSCREENCAPTUREEDITOR_H
#define ZELSCREENCAPTUREEDITOR_H

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>

#include "ui/ui_zelscreencaptureeditor.h"

class QAction;
class QComboBox;
class QDockWidget;
class QFontComboBox;
class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QMenu;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// The window in which a grabbed picture is annotated before it goes into a
// chat or to a file. The undo history lives in the application's pixmap cache
// under "ZEL" + step number; closing the editor empties that cache.
class ZELScreenCaptureEditor : public QDialog, public Ui_screenCapture
{
    Q_OBJECT

public:
    ZELScreenCaptureEditor();
    ~ZELScreenCaptureEditor() override;

    // Hands the picture over: working image, captured image and zoom base all
    // become the picture, and the canvas shows it.
    void setPicture(const QPixmap &picture);

    QGraphicsScene *m_scene = nullptr;
    QGraphicsPixmapItem *m_pixmapItem = nullptr;
    QImage m_currentImage;
    QImage m_defaultImage;
    QImage m_baseImage;
    QFont m_textFont;
    QPixmap m_pixmap;
    QColor m_penColor;
    QColor m_textColor;
    QPoint m_lastPoint;
    QPoint m_dragPosition;
    int m_startX = 0;
    int m_startY = 0;
    int m_endX = 0;
    int m_endY = 0;
    int m_savedPenWidth = 2;
    int m_redoStep = 0;
    int m_penWidth = 2;
    int m_eraserWidth = 8;
    int m_eraserHeight = 8;
    int m_undoStep = 1;
    int m_whiteBoardCount = 2;
    bool m_previewItemsCreated = false;
    bool m_resizing = false;
    bool m_textMode = false;
    bool m_newArrow = false;
    bool m_arrowMode = false;
    bool m_scribbleMode = false;
    bool m_lineMode = false;
    bool m_ellipseMode = false;
    bool m_rectangleMode = false;
    bool m_eraserMode = false;
    bool m_mousePressed = false;
    bool m_dragging = false;
    bool m_outsideImage = false;
    bool m_maximized = false;
    bool m_newSelection = false;
    bool m_newRectangle = false;
    bool m_newLine = false;
    bool m_newEllipse = false;
    bool m_selectionMode = false;
    QMenu *m_penWidthMenu = nullptr;
    QAction *m_penWidth5Action = nullptr;
    QAction *m_textColorAction = nullptr;
    QAction *m_moreColorAction = nullptr;
    QAction *m_penWidth1Action = nullptr;
    QAction *m_penWidth2Action = nullptr;
    QAction *m_penWidth3Action = nullptr;
    QAction *m_penWidth4Action = nullptr;
    QDockWidget *m_textStyleDock = nullptr;
    QFontComboBox *m_fontComboBox = nullptr;
    QComboBox *m_fontSizeComboBox = nullptr;
    QToolButton *m_boldButton = nullptr;
    QToolButton *m_underlineButton = nullptr;
    QToolButton *m_italicButton = nullptr;
    QToolButton *m_textColorButton = nullptr;
    QGraphicsTextItem *m_textItem = nullptr;
    QGraphicsLineItem *m_lineItem = nullptr;
    QGraphicsEllipseItem *m_ellipseItem = nullptr;
    QGraphicsRectItem *m_rectItem = nullptr;
    QGraphicsRectItem *m_selectionItem = nullptr;
    ZELMessageBoxClass *m_informationBox = nullptr;

    ZELFramelessHelper *frame() const { return m_frame; }

    // Escape on a focused child ends the editor like Close, never a bare hide.
    void reject() override;

signals:
    void sendPictureToChatWidget(QPixmap &picture, QString &text);
    void closeScreenCaptureEditorWindow();
    void reScreenCapture(bool recapture);
    void pauseMovie();
    void restartMovie();

public slots:
    // Drawing tools.
    void setScribble();
    void setBrushForWhiteBoard();
    void setLine();
    void setArrowLine();
    void setElipse();
    void setRectangle();
    void setSelectionRectangle();
    void setEraser();
    void setColorR();
    void setPenColor(QColor color);
    void setPenWidth(int width);
    void setPenWidth1();
    void setPenWidth2();
    void setPenWidth3();
    void setPenWidth4();
    void setPenWidth5();
    void showPenWidthMenu();
    void changeWhiteBoard();
    void undoDefaultImage();
    void redoDefaultImage();
    void callZoomInFunction();
    void callZoomOutFunction();
    void drawShapes(QPoint point);

    // Window, input and insertion.
    void maximized();
    void showEditorWindow();
    void insertPictureIntoChatWidget();

    // Canvas, re-capture, save and text.
    void reCapture();
    void graphicsViewMousePressEvent();
    void graphicsViewMouseMoveEvent(QPoint point);
    void graphicsViewMouseReleaseEvent(QPoint point);
    void saveImage();
    void set10EraserWidth();
    void set15EraserWidth();
    void set20EraserWidth();
    void set25EraserWidth();
    void insertText();
    void drawTextInScene();

    // Text style panel.
    void createTextStyleWidget();
    void onBoldClicked();
    void onItalicClicked();
    void onUnderLineClicked();
    void onFontStyleChanged(const QFont &font);
    void onFontSizeChanged(const QString &size);
    QIcon createColorToolButtonIcon(const QString &imageFile, QColor color);
    void textColorChanged();
    QMenu *createColorMenu(QColor defaultColor);
    QIcon createColorIcon(QColor color);
    void textButtonTriggered();
    void getMoreColor();

    // Crop, rotate, tidy-up and cancel.
    void cropImage();
    void clearItems();
    void rotateImage();
    void cancelSlot();

    void dockWidgetFlag(bool topLevel);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings();
    void initializeMemberVariables();
    void signalsAndSlots();
    void setZELStyle();
    void defaultSettings();

    // Puts the working image on the canvas at once (paint events may never
    // come while the window is hidden).
    void refreshCanvas();
    void selectTool(QToolButton *button);
    // The common start of every shape tool: its button, pen and cursor.
    void startShapeTool(QToolButton *button);
    void choosePenWidth(QAction *action);
    void restyleTextItem();
    void recordFirstStep();
    void recordStep();
    void placeTextStyleDock();
    void applyEraserSize(QToolButton *button, int size);
    bool handleKey(QKeyEvent *event);
    bool withinImage(QPoint point) const;
    void canvasPress(QGraphicsSceneMouseEvent *event);
    void canvasMove(QGraphicsSceneMouseEvent *event);
    void canvasRelease(QGraphicsSceneMouseEvent *event);

    ZELFramelessHelper *m_frame = nullptr;
    // Set once the outcome (insert, cancel, re-capture) has been signalled, so
    // a close by any other way still tells the capture helper exactly once.
    bool m_outcomeReported = false;
};

#endif
