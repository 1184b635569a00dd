#ifndef ZELPOPUP_H
#define ZELPOPUP_H

#include <QWidget>

class QLabel;

// The notification pop-up: a chat preview or a notice over the picture
// ":images/image1.png". One instance lives for the whole run, top-level; the
// main widget filters its labels' events (leaving one closes the pop-up,
// pressing one opens what it speaks of).
class ZELPopup : public QWidget
{
    Q_OBJECT

public:
    // The parent is not passed on: the pop-up shows while the main window is hidden.
    explicit ZELPopup(QWidget *parent = nullptr);
    ~ZELPopup() override;

    QLabel *m_messageLabel = nullptr; // chat previews
    QLabel *m_noticeLabel = nullptr;  // notices after sign-in
};

#endif
