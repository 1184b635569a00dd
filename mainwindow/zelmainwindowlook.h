#ifndef ZELMAINWINDOWLOOK_H
#define ZELMAINWINDOWLOOK_H

#include <QBrush>
#include <QList>
#include <QPalette>
#include <QString>

class QMenu;
class QStyle;
class QWidget;
class Ui_Zembrio;

// The main window's look: image faces, palettes, plain styles and the shared
// style sheet. Kept apart from ZELClient so the hover handling can reuse the
// pieces and the look can be applied to a bare form.
namespace ZELMainWindowLook {

// Gives the widget a plain Windows style of its own (owned by the widget), so
// it paints its palette's Button brush instead of the application's images.
QStyle *setPlainStyle(QWidget *widget);

// Stands in for the Windows XP style, which exists only on Windows.
QStyle *setXpStyle(QWidget *widget);

// Sets one role in the active, inactive and disabled groups alike.
void setRole(QPalette &palette, QPalette::ColorRole role, const QBrush &brush);

// A palette whose Button role is the tiled image; every other role follows the parent.
QPalette imageFacePalette(const QString &image);

// Makes the image the button's face; with shapeByImage its transparency also
// becomes the widget's mask (an opaque or missing image leaves no mask).
void setImageFace(QWidget *button, const QString &image, bool shapeByImage);

// The text of ":images/stylesheet.qss", read whole as Latin-1 (empty if unreadable).
QString sharedStyleSheet();

// Applies the whole look to the form built on mainWidget; menus are the main
// widget's menus that hold entries (null entries are skipped).
void apply(QWidget *mainWidget, Ui_Zembrio &form, const QList<QMenu *> &menus);

} // namespace ZELMainWindowLook

#endif
