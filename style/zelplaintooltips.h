#ifndef ZELPLAINTOOLTIPS_H
#define ZELPLAINTOOLTIPS_H

#include <QObject>

class QEvent;

// Shows every tooltip of the application as plain text. Contact rows,
// member lists and history entries carry names and status messages peers
// wrote in their tooltips, and the toolkit takes a tooltip that looks like
// markup for rich text: its label then reads every picture and style sheet
// the text names, and lays out any depth of nesting. The stored tooltips
// stay as they are (code reads them back); only what is shown changes, and
// only for text that would be read as markup or is longer than a tooltip
// shows.
//
//     ZELPlainToolTips::install(); // once, at start-up
class ZELPlainToolTips : public QObject
{
    Q_OBJECT

public:
    static void install();

    // What a tooltip of this text shows, as rich text that holds it plain;
    // the text itself when the toolkit would show it plain and whole.
    static QString shown(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

#endif
