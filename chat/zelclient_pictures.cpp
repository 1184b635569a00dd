#include "core/zelclient.h"

#include "protocol/zelpicturefield.h"

void ZELClient::saveScreenCaptureImage(QString pictureField, QString &fileName)
{
    fileName = ZELPictureField::storeReceived(m_dataFolder, pictureField, m_receivedPictures).storedName;
}

QString ZELClient::showReceivedPicture(const QString &pictureField, const QString &messageHtml)
{
    if (pictureField.isEmpty())
        return messageHtml;
    // The stored name may differ from the one that travelled (a folder part
    // cut off, a name shortened, a number added): the HTML is pointed at what
    // was written, or says that nothing was.
    const ZELPictureField::Stored stored = ZELPictureField::storeReceived(m_dataFolder, pictureField, m_receivedPictures);
    return ZELPictureField::pointAtStoredCopy(messageHtml, stored, m_dataFolder);
}
