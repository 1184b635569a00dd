#ifndef ZELSEARCHCONTACTACTION_H
#define ZELSEARCHCONTACTACTION_H

#include <QAction>
#include <QMenu>

// Puts "&Search Contact" at the end of the Contacts menu behind a separator, or
// takes it out. The separator that stood before it goes with it, so signing in
// again or saving the setting twice never stacks separators.
inline void placeSearchContactAction(QMenu *menu, QAction *searchAction, bool offered)
{
    const QList<QAction *> actions = menu->actions();
    const qsizetype at = actions.indexOf(searchAction);
    if (at >= 0) {
        menu->removeAction(searchAction);
        if (at > 0 && actions.at(at - 1)->isSeparator()) {
            QAction *separator = actions.at(at - 1);
            menu->removeAction(separator);
            if (separator->parent() == menu)
                delete separator;
        }
    }
    if (offered) {
        menu->addSeparator();
        menu->addAction(searchAction);
    }
}

#endif
