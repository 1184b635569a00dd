#include "core/zelclient.h"

#include "core/zeltcpsocket.h"
#include "core/zelxmlcodec.h"

// The one road of every request to the server: compose, encode, compress,
// terminate and write. Nothing here checks the connection or the write.
void ZELClient::convertXMLSendToServer(QStringList &request)
{
    m_tcpSocket->sendDataToServer(ZELTcpSocket::textFrame(m_xmlCodec->compose(request)));
}

void ZELClient::fileUpload(QString &filePath)
{
    m_tcpSocket->sendFile(filePath);
}

void ZELClient::setConnectionState()
{
}

void ZELClient::proxySettingsForConnect()
{
}

void ZELClient::connected()
{
}

void ZELClient::sendKeepAliveSignalToServer()
{
}

void ZELClient::closeConnection()
{
}

void ZELClient::disConnectedSignal()
{
}

void ZELClient::connectedSignal()
{
}

void ZELClient::displayError(QAbstractSocket::SocketError)
{
}

void ZELClient::displayState(QAbstractSocket::SocketState)
{
}

void ZELClient::proxyAuthenticationRequiredFunction(const QNetworkProxy &, QAuthenticator *)
{
}

void ZELClient::getHostNameAndPortValue()
{
}

void ZELClient::setHostDetails(QStringList &)
{
}

void ZELClient::connectToServer(QString, QString)
{
}

void ZELClient::callBannerLogoFileCreation(QByteArray)
{
}

void ZELClient::getUserDetails()
{
}
