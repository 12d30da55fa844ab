/* CDRip.h: the C interface of the CD extraction library libcdrip.so (drives through libcdio, disc images).
 *
 * The program loads the library at run time with dlopen and looks each function up by name; C++ callers can
 * write decltype(&CR_Init) for the pointer types. All calls come from one thread; there is one open range at a
 * time, so the calls take no handle. Statuses: CR_FAILURE (1) means failure, every other value success.
 *
 * Drives: when the environment variable TRACKWELL_DEVICE names a drive (/dev/sr0) or a disc image (.cue, .toc,
 * .nrg), that is drive 0 and the drives libcdio finds follow it; otherwise the drives libcdio finds, from 0.
 * Drives and .nrg images are read through libcdio. Cue sheets and cdrdao .toc files are read by the library's own
 * sheet reader, which takes them as rippers write them: any file names (relative to the sheet's folder), one file
 * or one per track, raw little-endian (BINARY), big-endian (MOTOROLA, and cdrdao's raw audio unless SWAP) or WAVE
 * files of 16-bit 44100 Hz stereo PCM; audio tracks and raw 2352-byte data tracks. A track starts at its INDEX 01
 * (cdrdao: START); the pregap before it is the end of the previous track. PREGAP and POSTGAP lines add silence.
 * Image reads are plain reads of the files' bytes: there is no jitter to correct, so JitterCorrection changes
 * nothing for them and CR_JITTER_FIXED never comes.
 * CR_Init fails when there is no drive or the named one does not exist; CR_ReadToc fails when the active drive
 * cannot be opened, holds no readable disc, or its table of contents is damaged (track starts that do not
 * increase, a lead-out before the last track's start), and a sheet that is damaged (unknown lines, a missing or
 * too short file, indexes that go backwards) fails it too. CR_GetLastErrorText then says why, naming the device
 * (and the sheet's line).
 *
 * Data tracks are listed with flags 0 and ripped like audio tracks: their raw 2352-byte sectors, converted to the
 * output format like audio. Paranoia can never verify them, so a range that touches one is read with plain reads
 * whatever JitterCorrection says.
 *
 * Sectors are logical sector numbers (a cue sheet's first file starts at sector 0).
 * CR_OpenRipper opens [first, last], both inclusive; each CR_RipChunk then delivers the next chunk of at most
 * the reported buffer size, in the output format of the parameters record:
 *   CR_CHUNK_READ     the chunk was read;
 *   CR_JITTER_FIXED   the chunk was read, and paranoia had to correct jitter in it; CR_GetLastJitterErrorPosition
 *                     then gives the chunk's first and last sector;
 *   CR_RANGE_DONE     the range's last chunk (its data is valid; later calls deliver 0 bytes with the same status);
 *   CR_FAILURE        the chunk could not be read even after retries; it delivers no data and the range moves
 *                     on past it, so a damaged disc still reaches CR_RANGE_DONE.
 * The library reads ahead on a thread of its own into a bounded buffer while the caller encodes; every call still
 * answers on the caller's thread in the order the reads were made.
 */
#ifndef TRACKWELL_LIBS_CDRIP_H
#define TRACKWELL_LIBS_CDRIP_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(CDRIP_BUILDING)
#define CDRIP_API __attribute__((visibility("default")))
#else
#define CDRIP_API
#endif

/* File name the program loads from beside its executable. */
#define CDRIP_LIBRARY_NAME "libcdrip.so"

enum {
    CR_CHUNK_READ = 0,
    CR_FAILURE = 1,
    CR_JITTER_FIXED = 3,
    CR_RANGE_DONE = 4
};

/* TOC entry flag of an audio track. */
#define CR_TOC_AUDIO 0x10

/* Output formats, in the order of the program's TOutputFormat. */
enum {
    CR_STEREO44100 = 0,
    CR_MONO44100 = 1,
    CR_STEREO22050 = 2,
    CR_MONO22050 = 3,
    CR_STEREO11025 = 4,
    CR_MONO11025 = 5
};

#pragma pack(push, 1)

/* Drive parameters, filled by CR_GetCDROMParameters and handed back to CR_SetCDROMParameters. The library reads
 * ReadSpeed (0: the drive's own speed), JitterCorrection and OutputFormat back; every other byte is the caller's
 * to keep. */
typedef struct CR_DriveParameters {
    char DriveId[256];        /* drive or image name, zero-terminated */
    uint8_t Reserved1[20];
    int32_t ReadSpeed;        /* 276 */
    uint8_t Reserved2[4];
    int32_t JitterCorrection; /* 284: -1 full paranoia, 0 plain reads */
    uint8_t Reserved3[4];
    int32_t DriveType;        /* 292: 0 generic */
    int32_t ReadMethod;       /* 296: 0 MMC */
    int32_t SetSpeed;         /* 300: 1 MMC */
    int32_t Endian;           /* 304: 1 little-endian */
    int32_t EnableMode;       /* 308: 0 none */
    int32_t Density;          /* 312 */
    int32_t Atapi;            /* 316: -1 for a drive, 0 for an image */
    uint8_t Reserved4[7];
    int32_t OutputFormat;     /* 327, unaligned: CR_STEREO44100 ... CR_MONO11025; C++ must read it into a copy,
                                 never bind a reference or pointer to it */
    uint8_t Reserved5[9];
} CR_DriveParameters;

/* One entry of the table of contents; entry N (N = CR_GetNumTocEntries) is the lead-out. */
typedef struct CR_TocEntry {
    uint32_t FirstSector;
    uint8_t Flags;            /* CR_TOC_AUDIO for an audio track */
    uint8_t Unused;
} CR_TocEntry;

#pragma pack(pop)

CDRIP_API int32_t CR_GetCDRipVersion(void);
CDRIP_API int32_t CR_Init(void);
CDRIP_API int32_t CR_GetCDROMParameters(CR_DriveParameters* parameters);
CDRIP_API int32_t CR_GetActiveCDROM(void);
CDRIP_API int32_t CR_SetActiveCDROM(int32_t drive);
CDRIP_API int32_t CR_SetCDROMParameters(const CR_DriveParameters* parameters);
CDRIP_API int32_t CR_ReadToc(void);
CDRIP_API int32_t CR_GetNumTocEntries(void);
CDRIP_API CR_TocEntry CR_GetTocEntry(int32_t index);       /* 0 to N; all zero outside */
CDRIP_API int32_t CR_OpenRipper(int32_t* bufferSize, int32_t firstSector, int32_t lastSector);
CDRIP_API int32_t CR_RipChunk(uint8_t* buffer, int32_t* bytesRead);
CDRIP_API void CR_GetLastJitterErrorPosition(uint32_t* firstSector, uint32_t* lastSector);
CDRIP_API int32_t CR_GetPercentCompleted(void);            /* sectors delivered of the open range, 0 to 100 */
CDRIP_API int32_t CR_GetNumberOfJitterErrors(void);        /* chunks of the open range answered CR_JITTER_FIXED */
CDRIP_API int32_t CR_CloseRipper(void);

/* Extension, looked up as an optional call: copies the zero-terminated text of why the last CR_Init, CR_ReadToc or
 * CR_OpenRipper failed (empty after its success) into buffer, cut to size - 1 characters, and returns the text's
 * full length; a null buffer or a size of 0 only returns the length. */
CDRIP_API int32_t CR_GetLastErrorText(char* buffer, int32_t size);

/* Extension, looked up as an optional call: the drive's read offset in samples (-44100 to 44100; fails outside),
 * kept across drives and discs. Ranges opened later deliver the audio shifted by it: sample i of a range is the
 * disc's sample at i + samples, so a drive that delivers audio 667 samples early is corrected by +667. Samples
 * before the disc's start or from its lead-out on are silence. */
CDRIP_API int32_t CR_SetReadOffset(int32_t samples);

/* The checksums of the audio an open range has delivered so far, summed on the read-ahead thread as it reads. */
typedef struct CR_RangeChecksums {
    uint32_t Crc32;           /* of the delivered bytes, in the output format */
    uint32_t AccurateRipV1;   /* AccurateRip sums, when AccurateRip is 1: the output is 44100 Hz stereo; a range */
    uint32_t AccurateRipV2;   /* that starts the first audio track or ends the last leaves out what AccurateRip */
                              /* leaves out there (the first 5 sectors but one sample, the last 5 sectors) */
    uint32_t Peak;            /* largest sample magnitude, 0 to 32768 */
    uint64_t Bytes;
    int32_t AccurateRip;
    uint32_t AccurateRipWords; /* the plain sum of the sample words AccurateRip sums, by which its v1 sum at */
                               /* another offset follows from the samples at the range's edges */
} CR_RangeChecksums;

/* What paranoia met while reading an open range, by kind (all 0 for plain reads and disc images, which
 * report only failed chunks). */
typedef struct CR_ReadEvents {
    uint32_t EdgeFixups;      /* jitter at the edge of a read, corrected */
    uint32_t AtomFixups;      /* jitter inside a read, corrected */
    uint32_t Dropped;         /* dropped bytes put back */
    uint32_t Duplicated;      /* duplicated bytes taken out */
    uint32_t Drift;           /* drift corrected */
    uint32_t ReadErrors;      /* reads the drive failed, retried */
    uint32_t Scratches;       /* scratches found */
    uint32_t Repairs;         /* scratches repaired */
    uint32_t Skips;           /* stretches given up on after the retries */
} CR_ReadEvents;

/* Extension, looked up as an optional call: the read events of the chunks CR_RipChunk has delivered from the
 * open range; fails when no range is open. */
CDRIP_API int32_t CR_GetReadEvents(CR_ReadEvents* events);

/* Extension, looked up as an optional call: the checksums of the chunks CR_RipChunk has delivered from the open
 * range (failed chunks deliver nothing and add nothing); fails when no range is open. */
CDRIP_API int32_t CR_GetRangeChecksums(CR_RangeChecksums* checksums);
/* Extension, looked up as an optional call: whether ranges opened later sum their checksums (1, the default) or
 * not (0; CR_GetRangeChecksums then gives zeros), for measuring what they cost. */
CDRIP_API int32_t CR_SetRangeChecksums(int32_t enabled);

/* What the disc tells beyond its track starts, where the drive reports it (or the sheet lists it). */
typedef struct CR_TrackExtras {
    char Isrc[13];            /* 12 characters, zero-terminated; empty when none is known */
    uint32_t PregapSector;    /* first sector of the track's pregap (INDEX 00); its start when it has none */
} CR_TrackExtras;

/* Extension, looked up as an optional call: copies the disc's media catalogue number (13 digits; empty when it has
 * none or no table of contents was read) like CR_GetLastErrorText and returns its length. */
CDRIP_API int32_t CR_GetDiscCatalog(char* buffer, int32_t size);
/* Extension, looked up as an optional call: the extras of track index (0-based); fails outside the tracks. */
CDRIP_API int32_t CR_GetTrackExtras(int32_t index, CR_TrackExtras* extras);

/* The texts a disc names itself and its tracks with: its CD-Text, or a cue sheet's TITLE, PERFORMER, SONGWRITER,
 * REM GENRE and REM DATE lines (CD-Text has no date). */
enum {
    CR_TEXT_TITLE = 0,        /* the album's title, or the track's */
    CR_TEXT_PERFORMER = 1,    /* the album's artist, or the track's */
    CR_TEXT_SONGWRITER = 2,
    CR_TEXT_GENRE = 3,        /* the disc's only */
    CR_TEXT_DATE = 4          /* the disc's only: a year, as the sheet gives it */
};
/* Extension, looked up as an optional call: copies a text of the disc (track 0) or of a track (1 to N) in UTF-8,
 * like CR_GetLastErrorText, and returns its length; 0 with an empty text when the disc does not tell it or no
 * table of contents was read. */
CDRIP_API int32_t CR_GetDiscText(int32_t track, int32_t field, char* buffer, int32_t size);

#ifdef __cplusplus
}

#include <cstddef>
static_assert(sizeof(CR_DriveParameters) == 340);
static_assert(offsetof(CR_DriveParameters, ReadSpeed) == 276);
static_assert(offsetof(CR_DriveParameters, JitterCorrection) == 284);
static_assert(offsetof(CR_DriveParameters, DriveType) == 292);
static_assert(offsetof(CR_DriveParameters, Atapi) == 316);
static_assert(offsetof(CR_DriveParameters, OutputFormat) == 327);
static_assert(sizeof(CR_TocEntry) == 6);
#endif

#endif
