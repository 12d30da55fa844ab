#include "cdrip/DiscMetadata.h"

#include "cdrip/CDRipLibrary.h"

bool TDiscMetadata::IsEmpty() const
{
    if (!Album.isEmpty() || !AlbumArtist.isEmpty() || !Year.isEmpty() || !Genre.isEmpty() || !Catalog.isEmpty())
        return false;
    for (const TTrackMetadata& track : Tracks)
        if (!track.Title.isEmpty() || !track.Artist.isEmpty() || !track.Songwriter.isEmpty() || !track.Isrc.isEmpty())
            return false;
    return true;
}

const TTrackMetadata& TDiscMetadata::Track(int track) const
{
    static const TTrackMetadata kNone;
    return track >= 1 && static_cast<std::size_t>(track) <= Tracks.size() ? Tracks[static_cast<std::size_t>(track - 1)] : kNone;
}

QString TDiscMetadata::TrackArtist(int track) const
{
    const QString& own = Track(track).Artist;
    return own.isEmpty() ? AlbumArtist : own;
}

TDiscMetadata ReadDiscMetadata(int trackCount)
{
    TCDRipLibrary& library = TCDRipLibrary::Instance();
    TDiscMetadata disc;
    disc.Album = library.DiscText(0, CR_TEXT_TITLE);
    disc.AlbumArtist = library.DiscText(0, CR_TEXT_PERFORMER);
    disc.Year = library.DiscText(0, CR_TEXT_DATE);
    disc.Genre = library.DiscText(0, CR_TEXT_GENRE);
    disc.Catalog = library.DiscCatalog();
    for (int i = 0; i < trackCount; ++i) {
        TTrackMetadata track;
        track.Title = library.DiscText(i + 1, CR_TEXT_TITLE);
        track.Artist = library.DiscText(i + 1, CR_TEXT_PERFORMER);
        track.Songwriter = library.DiscText(i + 1, CR_TEXT_SONGWRITER);
        if (CR_TrackExtras extras{}; library.GetTrackExtras(i, &extras) != CR_FAILURE)
            track.Isrc = QString::fromLatin1(extras.Isrc);
        disc.Tracks.push_back(track);
    }
    return disc;
}

QString OneLine(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    return text;
}
