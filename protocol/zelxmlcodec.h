#ifndef ZELXMLCODEC_H
#define ZELXMLCODEC_H

#include <QByteArrayView>
#include <QList>
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

    // One server message -> parsed message; the empty list for an unknown type,
    // for text that is not one well-formed XML document, and for a document
    // past the bounds of ZELXmlBounds.
    QStringList parse(QString message) const;

    // A received text block (Latin-1 messages, each followed by ":::") -> its
    // messages, like a split at every ":::" with empty parts kept, except that a
    // ":::" inside a message (in element text, an attribute value, a comment or
    // other markup) does not split it. From the first piece that is not a
    // complete document, the rest of the block is split at every ":::".
    static QStringList splitBatch(QByteArrayView block);

    // A received text block -> the parsed messages its pieces hold, in order;
    // empty pieces (the end of the block, or a frame that did not decompress)
    // and pieces that parse to nothing are left out.
    static QList<QStringList> parseBlock(QByteArrayView block);
};

#endif
