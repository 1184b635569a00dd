#ifndef ZELXMLCODEC_H
#define ZELXMLCODEC_H

#include <QString>
#include <QStringList>

// Turns request lists into the XML documents the server reads, and the server's
// XML messages into parsed messages: [0] the message type, then its values in
// the order fixed for that type. Stateless; both operations are reentrant.
class ZELXmlCodec
{
public:
    ZELXmlCodec();
    ~ZELXmlCodec();

    // Request list ([0] type, then values by position) -> document text with the
    // "CLIENT" document type, indented by one blank. A type the server does not
    // know gives the document-type line alone.
    QString compose(QStringList request) const;

    // One server message -> parsed message; the empty list for an unknown type
    // or for text holding no XML element.
    QStringList parse(QString message) const;
};

#endif
