#ifndef ZELCONTACTCARDDELEGATE_H
#define ZELCONTACTCARDDELEGATE_H

#include <QStyledItemDelegate>

// Paints the contact tree's rows as usual, but lays a row's contact card over
// the whole row from the tree's left edge, at the card's own width, rather
// than into the text area behind the row's indentation and icon.
class ZELContactCardDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int CardWidth = 275;

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};

#endif
