#include "mainwindow/zelcontactcarddelegate.h"

#include <QWidget>

void ZELContactCardDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                  const QModelIndex &index) const
{
    Q_UNUSED(index);
    editor->setGeometry(0, option.rect.y(), CardWidth, option.rect.height());
}
