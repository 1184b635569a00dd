#ifndef ZELGROUPMESSAGEDIALOG_H
#define ZELGROUPMESSAGEDIALOG_H

#include /* form */ "ui/ui_zelgroupmessagedialog.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QStringList>

class QAction;
class QComboBox;
class QFontComboBox;
class QMenu;
class QToolButton;
class QTreeWidgetItem;
class ZELFramelessHelper;
class ZELMessageBoxClass;

// Composer of one formatted message to several ticked contacts, online now or
// offline. Made anew for each use as a window-modal child of the main widget;
// deletes itself on close. The main widget finds an open one by its object
// name. It never talks to the server: a confirmed send emits the request.
//
// Recipient records are four fields joined by "##": first grouping row,
// second grouping row, shown name, user name.
class ZELGroupMessageDialog : public QDialog, public Ui_ZELGroupMessageDialog
{
    Q_OBJECT

public:
    explicit ZELGroupMessageDialog(QWidget *parent);
    ~ZELGroupMessageDialog() override;

    // The request a confirmed send emits, from the editor, the radio choice
    // and the ticked recipients.
    QStringList buildRequest() const;
    // Turns web and mail addresses of the editor's text into links.
    void convertLinksInEditor();

    QPoint dragPosition;
    int checkedCount = 0;                // ticked contact rows
    QTreeWidgetItem *rootItem = nullptr; // top row of the tree, re-made by every fill
    ZELMessageBoxClass *questionBox = nullptr;
    bool dragging = false;
    bool resizing = false;
    bool disconnected = false;  // the connection to the server is down
    bool contactsShown = false; // ticks are ignored until the first fill
    QStringList onlineContacts;
    QStringList offlineContacts;
    QStringList recipients; // user names in ticking order, no duplicates

    // Formatting toolbar.
    QFontComboBox *fontComboBox = nullptr;
    QComboBox *fontSizeComboBox = nullptr;
    QToolButton *boldButton = nullptr;
    QToolButton *italicButton = nullptr;
    QToolButton *underlineButton = nullptr;
    QToolButton *textColorButton = nullptr;
    QColor textColor = Qt::black;
    QFont textFont;
    QAction *textAction = nullptr;
    QAction *moreColorAction = nullptr;

signals:
    void sendGroupMessageSignal(QStringList &request);

public slots:
    void showGroupMessageDialog(QStringList online, QStringList offline);
    void enableSendButton();
    void itemChangeStatus(QTreeWidgetItem *item, int column);
    void sendGroupMessage();
    void selectAllContacts(int state);
    void displayUserWise(bool checked);
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
    void connectedServer();
    void closeConnection();

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void windowSettings(QWidget *parent);
    void initializeMemberVariables();
    void signalsAndSlots();
    void setZELStyle();
    void fillTree();
    void setTreeChecks(bool ticked);

    ZELFramelessHelper *m_frame = nullptr;
};

#endif
