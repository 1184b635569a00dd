#ifndef ZELBUSINESSCARDDETAILS_H
#define ZELBUSINESSCARDDETAILS_H

#include <QWidget>

// The presence toast that slides in when a contact signs in or out. One
// instance lives for the whole run; it is a top-level pop-up of its own.
class ZELBusinessCardDetails : public QWidget
{
    Q_OBJECT

public:
    // The parent is deliberately not passed on: the toast must be a
    // top-level window that can appear while the main window is hidden.
    explicit ZELBusinessCardDetails(QWidget *parent = nullptr);
};

#endif
