#ifndef ZELSHAREDSHEET_H
#define ZELSHAREDSHEET_H

#include <QList>
#include <QString>

class QAbstractScrollArea;
class QWidget;

// Qt parses a style sheet once for every widget it is set on. Where one sheet
// styles several widgets inside a widget that carries rules of its own (a
// table with its corner sheet, say), that widget carries the shared sheet too,
// its rules narrowed to those widgets and what lies inside them: one sheet
// parsed instead of several, and every widget looks as before.
namespace ZELSharedSheet {

// The dynamic property that marks a widget as styled by its carrier's sheet.
constexpr const char *MarkProperty = "zelSharedSheet";

// Styles each of `targets` as if `sheet` were set on it (replacing any sheet it
// had). `carrier` (an ancestor of the targets) adds the narrowed rules to the
// rules it carries; further calls with the same sheet add targets. Where that
// could change a look, each target gets the sheet itself: a carrier without
// rules of its own (widgets first put under a sheet lose the palettes they
// inherit), a target outside it or with another sheet in between. A target
// must not be given a sheet of its own later: the carrier's rules would still
// reach it.
void apply(QWidget *carrier, const QList<QWidget *> &targets, const QString &sheet);

// `sheet` with every selector narrowed to marked widgets and their insides.
// Empty when the sheet is not plain rules (only comments and rules).
QString scoped(const QString &sheet);

// `sheet` with only the rules that can reach `widget`: those whose subject is a
// class of the widget, of what lies inside it, or of the menus, tool tips and
// pop-up lists the toolkit may build inside it later; rules for any class
// ("*", a property, a name) always stay. Qt keeps a parsed copy of a sheet for
// every widget it is set on, and most of the shared sheet styles kinds of
// widget a line edit never holds. The result is worked out once for each set
// of classes. A sheet that is not plain rules comes back whole, and so does
// any sheet for a date edit with a calendar pop-up.
QString fitted(const QString &sheet, const QWidget *widget);

// Sets fitted(sheet, widget) on `widget` through setShared(): it looks as with
// the whole sheet, as long as no widget of another kind is put inside it later
// (nor a completer into a line edit that had none).
void setFitted(QWidget *widget, const QString &sheet);

// Sets `sheet` on `widget` as QWidget::setStyleSheet() does, through the one
// style-sheet style every widget styled this way shares. The toolkit gives each
// widget a sheet is set on a style-sheet style of its own, and each keeps the
// text of the last sheet it read, in pieces, for as long as it lives: some
// 100 KB for a text view's share of the shared sheet. Shared, that is kept
// once. A widget with a style of its own, under a sheet already, or holding a
// window or a widget with a style or sheet of its own is given the sheet as
// setStyleSheet() gives it.
void setShared(QWidget *widget, const QString &sheet);

// Sets fitted(sheet, view) on a scroll view as setFitted() does, the rules for
// scroll bars held back: each bar takes them the first time it has anything to
// scroll. Most views never show a bar, and those rules, with the bars under
// them, are most of what the sheet costs a view.
void setFittedView(QAbstractScrollArea *view, const QString &sheet);

// Sets `sheet` through setShared() when `widget`, hidden now, is first shown
// (at once if it is not hidden), unless it has been given a sheet by then.
void setSharedWhenShown(QWidget *widget, const QString &sheet);

} // namespace ZELSharedSheet

#endif
