#ifndef UI_ZELFORMPARTS_H
#define UI_ZELFORMPARTS_H

#include <QtCore/QRect>
#include <QtGui/QFont>
#include <QtWidgets/QPushButton>

// Pieces the small fixed dialogs lay out alike: their Verdana 8 text and a
// text button that never takes Return as default (Return belongs to the field).
inline QFont zelFormFont(bool bold)
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(bold);
    return font;
}

inline QPushButton *zelFormTextButton(QWidget *form, const char *name, const QRect &geometry)
{
    auto *button = new QPushButton(form);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(zelFormFont(false));
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

#endif
