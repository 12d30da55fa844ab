#include "cdrip/FlacTags.h"

#include <memory>
#include <taglib/xiphcomment.h>
#include <vector>

#include "cdrip/TagWriting.h"

namespace {

// FLAC metadata blocks: the type in the low seven bits of the first header byte, "last" in its high bit.
enum : int { kStreamInfo = 0, kPadding = 1, kVorbisComment = 4 };
// Room left for later tag edits that need not move the audio.
constexpr int kFlacPadding = 4096;

struct TFlacBlock {
    int Type = 0;
    QByteArray Data;
};

QByteArray FlacBlockHeader(int type, qsizetype length, bool last)
{
    const auto size = static_cast<std::uint32_t>(length);
    const char header[] = {static_cast<char>(type | (last ? 0x80 : 0)), static_cast<char>(size >> 16),
                           static_cast<char>(size >> 8), static_cast<char>(size)};
    return QByteArray(header, sizeof header);
}

std::vector<TFlacBlock> ReadFlacBlocks(QFile& in)
{
    SkipId3v2(in);
    if (in.read(4) != "fLaC")
        FailTagging(QStringLiteral("it is no FLAC file"));
    std::vector<TFlacBlock> blocks;
    for (bool last = false; !last;) {
        const QByteArray header = ReadExactly(in, 4);
        const auto byte = [&](int i) { return static_cast<unsigned char>(header.at(i)); };
        last = (byte(0) & 0x80) != 0;
        const qint64 length = byte(1) << 16 | byte(2) << 8 | byte(3);
        blocks.push_back({byte(0) & 0x7F, ReadExactly(in, length)});
    }
    if (blocks.front().Type != kStreamInfo)
        FailTagging(QStringLiteral("its first metadata block is no STREAMINFO"));
    return blocks;
}

}  // namespace

void WriteFlacTagged(QFile& in, QFile& out, const TDiscMetadata& disc, int track, const QString& encoder)
{
    // The comment block is rebuilt from the old one (its vendor and fields of other programs stay); old padding
    // is replaced by new.
    QByteArray oldComment;
    std::vector<TFlacBlock> kept;
    for (TFlacBlock& block : ReadFlacBlocks(in)) {
        if (block.Type == kVorbisComment)
            oldComment = block.Data;
        else if (block.Type != kPadding)
            kept.push_back(std::move(block));
    }
    auto comment = oldComment.isEmpty() ? std::make_unique<TagLib::Ogg::XiphComment>()
                                        : std::make_unique<TagLib::Ogg::XiphComment>(TagLib::ByteVector(
                                              oldComment.constData(), static_cast<unsigned>(oldComment.size())));
    const auto put = [&](const char* name, const QString& value) {
        if (!value.isEmpty())
            comment->addField(name, TagText(value), true);
    };
    for (const TTagField& field : CommonTagFields(disc, track, encoder))
        put(field.Vorbis, field.Value);
    put("TRACKNUMBER", QString::number(track));
    put("TRACKTOTAL", QString::number(disc.Tracks.size()));
    put("DATE", disc.Year);
    put("BARCODE", disc.Catalog);

    WriteAll(out, "fLaC");
    for (const TFlacBlock& block : kept)
        WriteAll(out, FlacBlockHeader(block.Type, block.Data.size(), false) + block.Data);
    const QByteArray rendered = TagBytes(comment->render(false));
    WriteAll(out, FlacBlockHeader(kVorbisComment, rendered.size(), false) + rendered);
    WriteAll(out, FlacBlockHeader(kPadding, kFlacPadding, true) + QByteArray(kFlacPadding, '\0'));
    CopyRest(in, out);
}

