#ifndef ZELMESSAGEBOXCLASS_H
#define ZELMESSAGEBOXCLASS_H

#include <QMessageBox>
#include <QPointer>

#include <functional>

#include "ui/ui_zelmessageboxdialog.h"

class ZELFramelessHelper;

// The one message box of the client, in two forms:
//
//     m_informationBox = new ZELMessageBoxClass(this);
//     m_questionBox = new ZELMessageBoxClass(QString(), QString(), QMessageBox::Question,
//                                            QMessageBox::Yes, QMessageBox::No, 0, this);
//
//     m_informationBox->showInformationBox(this, "ZEL", "Saved");   // returns at once
//     if (m_questionBox->showQuestionBox(this, "ZEL", "Delete?", 3, 4) == 3) ...
//
// A box belongs to the window that made it (its parent) and is reused for every
// notice or question; showing it over another window only places it there, so
// it never dies with that window. Button codes are the toolkit's StandardButton
// values or the older integer codes (Ok 1, Cancel 2, Yes 3, No 4, Abort 5,
// Retry 6, Ignore 7, YesAll 8, NoAll 9).
class ZELMessageBoxClass : public QMessageBox, public Ui_ZELMessageBoxDialog
{
    Q_OBJECT

public:
    // Answers a question box in place of the user (tests, scripted runs):
    // return QMessageBox::Yes for Yes; any other value counts as No.
    using AnswerHook = std::function<int(const QString &title, const QString &text)>;

    static constexpr int BoxWidth = 290;
    static constexpr int BoxHeight = 108;

    explicit ZELMessageBoxClass(QWidget *parent);
    ZELMessageBoxClass(const QString &title, const QString &text, Icon icon, int button0,
                       int button1, int button2, QWidget *parent = nullptr,
                       Qt::WindowFlags flags = Qt::WindowFlags());
    ~ZELMessageBoxClass() override;

    void showInformationBox(QWidget *parent, const QString &title, QString text);
    int showQuestionBox(QWidget *parent, const QString &title, QString text, int yesId, int noId);

    // Installed hook is consulted instead of running the modal loop; an empty
    // function removes it.
    static void setTestAnswerHook(AnswerHook hook);

    // Standard button named by an older integer code or a StandardButton value.
    static StandardButton standardButtonForCode(int code);

    ZELFramelessHelper *frame() const { return m_frame; }

public slots:
    void windowSettings();
    void setZELStyle();
    void initializeMemberVariables();
    void signalsAndSlots();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void setUp();
    void prepare(QWidget *parent, const QString &title, const QString &text, const QString &icon);
    void centreOver(QWidget *parent);
    void keepAbove(QWidget *parent);
    void nameButton(int code, const QString &text);
    void keepFace();
    void placeStandardButtons();

    ZELFramelessHelper *m_frame = nullptr;
    QPointer<QWidget> m_shownOver;
    StandardButton m_answer = NoButton;
    // Size right after set-up: every showing is centred with it.
    int width = 0;
    int height = 0;
};

#endif // ZELMESSAGEBOXCLASS_H
