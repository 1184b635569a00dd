#ifndef ZELPROFILE_H
#define ZELPROFILE_H

#include <QWidget>

#include /* form */ "ui/ui_zelprofiledisplay.h"

class QCloseEvent;

// The contact card shown in place of the selected contact's row. The main
// widget fills its widgets; the tree owns it once it is a row's item widget.
class ZELProfile : public QWidget, public Ui_ZELProfileDisplay
{
    Q_OBJECT

public:
    ZELProfile();
    ~ZELProfile() override;

    void windowSettings();
    void setZELStyle();

    // True while m_userPixmap shows the default picture, not a photo.
    bool m_defaultPicture = false;

    static const char *const PhotoFrameStyle;

public slots:
    void showProfileMenu();
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;
};

#endif
