#ifndef ZELSMILEYDIALOG_H
#define ZELSMILEYDIALOG_H

#include "ui/ui_zelsmileydialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidgetItem;

// The small grid from which a smiley is picked for the message being written.
// It has no parent and knows nothing of the chat window: the window keeps one,
// shows it and takes the picked name through sendSelectedSmiley().
class ZELSmileyDialog : public QDialog, public Ui_ZELSmileyDialog
{
    Q_OBJECT

public:
    ZELSmileyDialog();
    ~ZELSmileyDialog() override;

    // The names in grid order; each is also its picture "Smileys/" + name + ".png".
    static QStringList smileyNames();

signals:
    void sendSelectedSmiley(QString name);

public slots:
    void onSmileyClicked(QListWidgetItem *item);

protected slots:
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QListWidgetItem *m_item = nullptr;
};

#endif
