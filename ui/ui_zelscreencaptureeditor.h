#ifndef UI_ZELSCREENCAPTUREEDITOR_H
#define UI_ZELSCREENCAPTUREEDITOR_H

#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QDialog>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGraphicsView>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpacerItem>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QToolButton>

// The capture editor's form: framed by labels, the canvas, a message box,
// the tool box with fixed-position buttons and the row of four push buttons.
class Ui_screenCapture
{
public:
    QGridLayout *gridLayout;
    QHBoxLayout *hboxLayout;
    QLabel *m_leftTopCorner;
    QLabel *m_logoLabel;
    QSpacerItem *spacerItem;
    QPushButton *m_maximizeButton;
    QSpacerItem *spacerItem1;
    QPushButton *m_closeButton;
    QLabel *m_rightTopCorner;
    QHBoxLayout *hboxLayout1;
    QLabel *m_leftStretch;
    QVBoxLayout *vboxLayout;
    QSpacerItem *spacerItem2;
    QGraphicsView *m_graphicsViewPictureEditor;
    QSpacerItem *spacerItem3;
    QLabel *m_errorLabel;
    QSpacerItem *spacerItem4;
    QLabel *label;
    QSpacerItem *spacerItem5;
    QTextEdit *m_screenCaptureTextEdit;
    QSpacerItem *spacerItem6;
    QSpacerItem *spacerItem7;
    QGroupBox *m_toolBoxGroupButton;
    QToolButton *m_scribbleButton;
    QToolButton *m_lineButton;
    QToolButton *m_rectangleButton;
    QToolButton *m_elipseBtton;
    QToolButton *m_textToolButton;
    QToolButton *m_eraserToolButton;
    QToolButton *m_penWidtToolButton;
    QToolButton *m_colorButton;
    QToolButton *m_brushToolButton;
    QToolButton *m_arrowToolButton;
    QFrame *m_eraserFrame;
    QToolButton *m_10EWidth;
    QToolButton *m_15Ewidth;
    QToolButton *m_15EWidth;
    QToolButton *m_20EWidth;
    QToolButton *m_selectionToolButton;
    QToolButton *m_redoToolButton;
    QToolButton *m_undoToolButton;
    QToolButton *m_cutToolButton;
    QToolButton *m_whiteBoardButton;
    QToolButton *m_rotateToolButton;
    QToolButton *m_zoomInToolButton;
    QToolButton *m_zoomOutToolButton;
    QSpacerItem *spacerItem8;
    QHBoxLayout *hboxLayout2;
    QSpacerItem *spacerItem9;
    QPushButton *m_reScreenCaptureButton;
    QSpacerItem *spacerItem10;
    QPushButton *m_saveButton;
    QSpacerItem *spacerItem11;
    QPushButton *m_pasteScreenCaptureButton;
    QSpacerItem *spacerItem12;
    QPushButton *m_cancelButton;
    QSpacerItem *spacerItem13;
    QSpacerItem *spacerItem14;
    QLabel *m_rightStretch;
    QHBoxLayout *hboxLayout3;
    QLabel *m_leftBottomCorner;
    QLabel *m_bottomStretch;
    QLabel *m_rightBottomCorner;

    void setupUi(QDialog *screenCapture);
    void retranslateUi(QDialog *screenCapture);
};

namespace Ui {
class screenCapture : public Ui_screenCapture {};
}

#endif
