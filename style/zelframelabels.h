#ifndef ZELFRAMELABELS_H
#define ZELFRAMELABELS_H

#include <QtCore/QRect>
#include <QtCore/QSize>

class QLabel;
class QPushButton;
class QWidget;

// The frame of a fixed-size frameless form laid out by hand: two top corners,
// the side and bottom stretches and the bottom corners, each 11 pixels thick,
// the top row 20 high. ZELFramelessHelper finds them by these object names and
// gives them their pictures; the forms inherit the members so their windows
// keep reaching them as before.
struct ZELFrameLabels
{
    QLabel *m_leftTopCorner = nullptr;
    QLabel *m_rightTopCorner = nullptr;
    QLabel *m_leftStretch = nullptr;
    QLabel *m_rightStretch = nullptr;
    QLabel *m_leftBottomCorner = nullptr;
    QLabel *m_rightBottomCorner = nullptr;
    QLabel *m_bottomStretch = nullptr;

    // Places the seven labels along the edges of a form of the given size.
    void setupFrameLabels(QWidget *form, const QSize &size);
    // The same seven labels for a resizable form that puts them into its own
    // layouts: corners of fixed size, the stretches fixed in thickness and
    // growing along their edge from the given minimum lengths. The bottom-right
    // corner shows the diagonal resize cursor.
    void createFrameLabels(QWidget *form, int minimumSideHeight, int minimumBottomWidth);

    // The title strip ("m_logoLabel"): bold Verdana 8, centred, 20 high.
    static QLabel *titleLabel(QWidget *form, const QRect &geometry);
    // A flat title-bar button (close, minimise) of the given name.
    static QPushButton *titleButton(QWidget *form, const char *name, const QRect &geometry);

    // Layout variants of the two above: the title strip grows across from
    // minimumWidth; a title button is exactly 12 x 11 and fills its background
    // so that its picture shows.
    static QLabel *layoutTitleLabel(QWidget *form, int minimumWidth);
    static QPushButton *layoutTitleButton(QWidget *form, const char *name);
};

#endif
