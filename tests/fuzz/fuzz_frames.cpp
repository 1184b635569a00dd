// The frame decoder fed the way a network hands bytes over: in pieces of any size.
//
// Input: 4 bytes seeding the piece sizes, one mode byte, then
//  - mode even: raw wire bytes. Whatever they are, when the whole input read at
//    once hands a batch over, the same bytes read piece by piece hand over the
//    same text and file blocks;
//  - mode odd: payloads (2-byte little-endian length, then the bytes) framed the
//    way the client frames them; every payload must come out as it went in.
#include <QCoreApplication>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "protocol/zeltcpsocket.h"

namespace {

struct Received
{
    QByteArray text;
    QByteArray files;
    int batches = 0;
};

// Feeds the bytes in pieces of 1..64 bytes (sizes from a small generator), or all
// at once when seed is 0.
Received feed(const QByteArray &wire, uint32_t seed)
{
    ZELTcpSocket socket;
    Received got;
    QObject::connect(&socket, &ZELTcpSocket::sendDataToClient, [&got](QByteArray &text, QByteArray &files) {
        got.text += text;
        got.files += files;
        ++got.batches;
    });
    qsizetype pos = 0;
    while (pos < wire.size()) {
        qsizetype piece = wire.size() - pos;
        if (seed) {
            seed = seed * 1103515245u + 12345u;
            piece = qMin<qsizetype>(piece, 1 + (seed >> 16) % 64);
        }
        socket.processReceivedBytes(QByteArrayView(wire.constData() + pos, piece));
        pos += piece;
    }
    // On a slow or busy machine a long run of frames outlasts one time slice and
    // the rest is handed over from the event loop: let it run until nothing more
    // comes, as the client's own loop would.
    for (int before = -1; before != got.batches;) {
        before = got.batches;
        QCoreApplication::processEvents();
    }
    return got;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_frames: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    const uint32_t seed = (uint32_t(data[0]) | uint32_t(data[1]) << 8 | uint32_t(data[2]) << 16
                           | uint32_t(data[3]) << 24) | 1u;
    const bool roundTrip = data[4] & 1;
    const QByteArray rest(reinterpret_cast<const char *>(data + 5), qsizetype(size - 5));

    if (!roundTrip) {
        const Received whole = feed(rest, 0);
        const Received pieces = feed(rest, seed);
        if (whole.batches > 0 && (whole.text != pieces.text || whole.files != pieces.files))
            fail("the pieces handed over other blocks than the whole");
        if (!whole.text.isEmpty() && !whole.text.endsWith(":::"))
            fail("a text block does not end with the separator");
        return 0;
    }

    QByteArray wire, text, files;
    qsizetype pos = 0;
    while (pos + 2 <= rest.size()) {
        const qsizetype length = qMin<qsizetype>(uchar(rest[pos]) | uchar(rest[pos + 1]) << 8,
                                                 rest.size() - pos - 2);
        QByteArray payload = rest.mid(pos + 2, length);
        pos += 2 + length;
        if (payload.isEmpty())
            payload = "x"; // an empty payload is a frame that did not decode
        wire += ZELTcpSocket::frame(payload);
        if (payload.endsWith("<FILEEND>"))
            files += payload;
        else
            text += payload + ":::";
    }
    const Received got = feed(wire, seed);
    if (got.text != text)
        fail("text payloads changed on their way");
    if (got.files != files)
        fail("file payloads changed on their way");
    for (const QByteArray &payload : {text, files}) {
        if (!payload.isEmpty() && ZELTcpSocket::decodeFrame(ZELTcpSocket::frame(payload).chopped(10)) != payload)
            fail("decodeFrame does not give back the payload");
    }
    return 0;
}
