#ifndef ZELBUSINESSCARDDETAILS_H
#define ZELBUSINESSCARDDETAILS_H

#include <QWidget>

#include /* form */ "ui/ui_businesscard.h"

// The presence toast that slides in when a contact signs in or out. One
// instance lives for the whole run; it is a top-level pop-up of its own and
// closes itself when the pointer leaves it.
class ZELBusinessCardDetails : public QWidget, public Ui_BusinessCard
{
    Q_OBJECT

public:
    // The parent is deliberately not passed on: the toast must be a
    // top-level window that can appear while the main window is hidden.
    // Its owner deletes it.
    explicit ZELBusinessCardDetails(QWidget *parent = nullptr);

    // Shows the picture as the toast's background and shape.
    void setBackgroundPicture(const QString &picture);

    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
