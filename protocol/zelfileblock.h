#ifndef ZELFILEBLOCK_H
#define ZELFILEBLOCK_H

#include <QByteArray>
#include <QByteArrayView>

// The file block of one delivery is the payload of one file frame: the file's
// own bytes, then the markers the server closes it with. A marker counts only
// in its place; the same bytes anywhere else are the file's and stay as they are.
//
//   file          <bytes><FILEEND>
//   banner        <image><BANNEREND><FILEEND>
//   no banner     <BANNEREMPTY><BANNEREND><FILEEND>
//   voice chat    #VOICE#<data><FILEEND>
namespace ZELFileBlock {

inline constexpr QByteArrayView FileEnd("<FILEEND>");
inline constexpr QByteArrayView BannerEnd("<BANNEREND>");
inline constexpr QByteArrayView BannerEmpty("<BANNEREMPTY>");
inline constexpr QByteArrayView VoiceChat("#VOICE#");

// The block without the "<FILEEND>" that closes it (the block as it is when
// none does). Views into `block`, which must outlive them.
inline QByteArrayView content(const QByteArray &block)
{
    const QByteArrayView bytes(block);
    return bytes.endsWith(FileEnd) ? bytes.chopped(FileEnd.size()) : bytes;
}

// Data of a voice chat, which is never stored.
inline bool isVoiceChat(const QByteArray &block)
{
    return block.startsWith(VoiceChat);
}

inline bool isBanner(const QByteArray &block)
{
    return content(block).endsWith(BannerEnd);
}

// The banner's image: the content without its closing "<BANNEREND>".
inline QByteArrayView bannerImage(const QByteArray &block)
{
    const QByteArrayView bytes = content(block);
    return bytes.endsWith(BannerEnd) ? bytes.chopped(BannerEnd.size()) : bytes;
}

// The server has no banner of its own.
inline bool isEmptyBanner(const QByteArray &block)
{
    return isBanner(block) && bannerImage(block) == BannerEmpty;
}

} // namespace ZELFileBlock

#endif
