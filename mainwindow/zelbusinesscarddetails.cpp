#include "mainwindow/zelbusinesscarddetails.h"

ZELBusinessCardDetails::ZELBusinessCardDetails(QWidget *parent)
    : QWidget(nullptr)
{
    Q_UNUSED(parent);
    setObjectName(QStringLiteral("BusinessCard"));
    setWindowFlags(Qt::Popup);
    resize(191, 68);
    hide();
}
