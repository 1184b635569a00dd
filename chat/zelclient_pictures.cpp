#include "core/zelclient.h"

#include "protocol/zelpicturefield.h"

void ZELClient::saveScreenCaptureImage(QString pictureField, QString &fileName)
{
    fileName = ZELPictureField::storeReceived(m_dataFolder, pictureField).storedName;
}

QString ZELClient::showReceivedPicture(const QString &pictureField, const QString &messageHtml)
{
    if (pictureField.isEmpty())
        return messageHtml;
    // The stored name may differ from the one that travelled (a folder part
    // cut off, a number added): the HTML is pointed at what was written.
    const ZELPictureField::Stored stored = ZELPictureField::storeReceived(m_dataFolder, pictureField);
    return ZELPictureField::pointAtStoredCopy(messageHtml, stored, m_dataFolder);
}
