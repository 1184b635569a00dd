#ifndef ZELABOUTDIALOG_H
#define ZELABOUTDIALOG_H

#include <QDialog>

#include "ui/ui_zelaboutdialog.h"

class ZELFramelessHelper;

// The About box: a new one for every choice of the About action, window-modal
// over its parent, deleting itself when closed.
//
//     auto *about = new ZELAboutDialog(this);
//     about->setModal(true);
//     about->show();
class ZELAboutDialog : public QDialog, public Ui_ZELAboutDialog
{
    Q_OBJECT

public:
    explicit ZELAboutDialog(QWidget *parent = nullptr);
    ~ZELAboutDialog() override;

    // Frame of the logo while the pointer is over it.
    static QString logoHoverStyleSheet();

    ZELFramelessHelper *frame() const { return m_frame; }

public slots:
    void windowSettings();
    void signalsAndSlots();
    void setZELStyle();

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ZELFramelessHelper *m_frame = nullptr;
};

#endif // ZELABOUTDIALOG_H
