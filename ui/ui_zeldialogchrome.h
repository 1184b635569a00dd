#ifndef UI_ZELDIALOGCHROME_H
#define UI_ZELDIALOGCHROME_H

#include <QtWidgets/QDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

// The frame widgets of the contact dialogs' forms: a title row (corner, title,
// maximise and close buttons, corner), the side stretches around the content
// column and the bottom row. ZELFramelessHelper finds them by these names.
class Ui_ZELDialogChrome
{
public:
    QGridLayout *gridLayout = nullptr;
    QLabel *m_leftTopCorner = nullptr;
    QLabel *m_logoLabel = nullptr;
    QPushButton *m_maximizeButton = nullptr; // null in forms without one
    QPushButton *m_closeButton = nullptr;
    QLabel *m_rightTopCorner = nullptr;
    QLabel *m_leftStretch = nullptr;
    QVBoxLayout *vboxLayout = nullptr; // the content column
    QLabel *m_rightStretch = nullptr;
    QLabel *m_leftBottomCorner = nullptr;
    QLabel *m_bottomStretch = nullptr;
    QLabel *m_rightBottomCorner = nullptr;

    // Builds the three rows on the dialog; the form then fills vboxLayout.
    void setupChrome(QDialog *dialog, bool withMaximize);
    void retranslateChrome(const char *context, const char *title);
    // The contact tables' shared look: colours, alternating rows, whole-row
    // selection, grey corner button.
    static void styleTable(QTableWidget *table);
};

#endif
