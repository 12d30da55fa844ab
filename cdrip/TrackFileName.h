#pragma once
// Track files named from the disc's metadata by a template, made safe to stand in one folder: no separators,
// control or reserved characters, no hidden or dot names, lengths cut on a character's boundary, and never a name
// that is taken already unless overwriting is asked for.
#include <QString>

#include "cdrip/DiscMetadata.h"

class TFileNameTemplate {
public:
    // %n the track number in two digits, %t title, %a artist, %A album, %y year, %% a percent sign. A field the
    // disc does not tell becomes TrackNN (%t), "Unknown Artist" (%a), "Unknown Album" (%A) or nothing (%y).
    explicit TFileNameTemplate(QString text) : text_(std::move(text)) {}
    // The names the window gives its files: Track01, Track02, ...
    static TFileNameTemplate TrackNumbers() { return TFileNameTemplate(QStringLiteral("Track%n")); }

    // Why text cannot be a template (an unknown %-code, a folder separator, nothing at all); empty when it can.
    static QString Problem(const QString& text);

    // The name of track (1-based) without an extension: never empty, never "." or "..", at most kNameBytes
    // bytes of UTF-8, a single file name whatever the disc's texts hold.
    QString Name(const TDiscMetadata& disc, int track) const;

    // Longest UTF-8 a field of the disc is cut to, and the longest whole name: room is left for " (99)" and an
    // extension within the 255 bytes a file name may have.
    static constexpr int kFieldBytes = 100;
    static constexpr int kNameBytes = 200;

private:
    QString text_;
};

// folder/name + extension; when that file exists and overwrite is not set, the first of "name (2)", "name (3)",
// ... that does not.
QString FreeFileName(const QString& folder, const QString& name, const QString& extension, bool overwrite);

// text cut to at most bytes bytes of UTF-8, never inside a character.
QString CutUtf8(const QString& text, int bytes);
