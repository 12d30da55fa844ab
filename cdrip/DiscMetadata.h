#pragma once
// What a disc tells about its music: album, artists, titles, year, genre, catalogue number and ISRCs, as its
// CD-Text or cue sheet gives them. Tags and file names are made from it.
#include <QString>
#include <vector>

struct TTrackMetadata {
    QString Title;
    QString Artist;      // the track's own performer; empty when only the album's is known
    QString Songwriter;
    QString Isrc;
};

struct TDiscMetadata {
    QString Album;
    QString AlbumArtist;
    QString Year;
    QString Genre;
    QString Catalog;
    std::vector<TTrackMetadata> Tracks;  // in disc order, one per track of the table of contents

    // True when the disc told none of it: such a disc gets no tags.
    bool IsEmpty() const;
    // The track's (1-based) performer, else the album's.
    QString TrackArtist(int track) const;
    // The track's (1-based) entry; an empty one beyond the list.
    const TTrackMetadata& Track(int track) const;
};

// Asks the CD library about the disc whose table of contents was read last, which has trackCount tracks; a
// library that does not tell gives an empty record of trackCount tracks.
TDiscMetadata ReadDiscMetadata(int trackCount);

// A disc's text made fit for one line of a cue sheet, a log or a listing: control characters and line breaks become
// blanks, so no text can start a line of its own.
QString OneLine(QString text);
