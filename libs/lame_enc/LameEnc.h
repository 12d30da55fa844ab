/* LameEnc.h: the C interface of the MP3 encoder library liblame_enc.so (libmp3lame behind the five be calls).
 *
 * The program loads the library at run time with dlopen and looks each function up by name; C++ callers can
 * write decltype(&beInitStream) for the pointer types. Results: BE_ERR_SUCCESSFUL (0) or an error code.
 *
 * Per output file: beInitStream, any number of beEncodeChunk, beDeinitStream, beCloseStream; the bytes of each
 * call are appended to the MP3 file in call order. A sample counts one 16-bit value (a stereo pair is two).
 * beEncodeChunk takes any sample count whose output fits the reported buffer size, which is sized for at least
 * eight times the samples per chunk; a stereo stream keeps an odd sample for the next call.
 *
 * Info tag: a stream with bWriteVBRHeader (or bEnableVBR) starts with a placeholder frame. After beDeinitStream,
 * beGetInfoTag gives the final tag frame, of the same size, to be written over that first frame (offset 0 of a
 * file that holds only the stream's bytes) so that players show the true duration. It answers
 * BE_ERR_INVALID_FORMAT_PARAMETERS for a stream written without the tag. The program looks it up optionally.
 */
#ifndef TRACKWELL_LIBS_LAMEENC_H
#define TRACKWELL_LIBS_LAMEENC_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(LAMEENC_BUILDING)
#define LAMEENC_API __attribute__((visibility("default")))
#else
#define LAMEENC_API
#endif

/* File name the program loads from beside its executable. */
#define LAMEENC_LIBRARY_NAME "liblame_enc.so"

#define BE_ERR_SUCCESSFUL 0u
#define BE_ERR_INVALID_FORMAT 1u            /* record kind, version or size not ours */
#define BE_ERR_INVALID_FORMAT_PARAMETERS 2u /* a field out of range, or LAME refused the combination */
#define BE_ERR_NO_MORE_HANDLES 3u
#define BE_ERR_INVALID_HANDLE 4u
#define BE_ERR_BUFFER_TOO_SMALL 5u
#define BE_ERR_ENCODING_FAILED 6u

#define BE_CONFIG_LAME 256
#define BE_CONFIG_STRUCT_VERSION 1
#define BE_CONFIG_STRUCT_SIZE 331

enum { BE_MODE_STEREO = 0, BE_MODE_JSTEREO = 1, BE_MODE_DUALCHANNEL = 2, BE_MODE_MONO = 3 };
enum { BE_QUALITY_NORMAL = 0, BE_QUALITY_LOW = 1, BE_QUALITY_HIGH = 2, BE_QUALITY_VOICE = 3 };

#pragma pack(push, 1)

/* The configuration record; booleans are 0 or -1 (any non-zero value counts as true). */
typedef struct BE_Config {
    uint32_t Config;          /* 0: BE_CONFIG_LAME */
    uint32_t StructVersion;   /* 4: BE_CONFIG_STRUCT_VERSION */
    uint32_t StructSize;      /* 8: BE_CONFIG_STRUCT_SIZE (the record is 4 bytes more) */
    uint32_t SampleRate;      /* 12: input rate, 8000 to 48000 Hz */
    uint32_t ReSampleRate;    /* 16: the MP3's rate (LAME resamples), 0 to let LAME choose */
    int32_t Mode;             /* 20: BE_MODE_...: the MP3's channel mode */
    uint32_t Bitrate;         /* 24: kbit/s, 8 to 320; the VBR minimum */
    uint32_t MaxBitrate;      /* 28: kbit/s, the VBR maximum */
    int32_t Quality;          /* 32: BE_QUALITY_... */
    uint32_t MpegVersion;     /* 36: 0 or 1; LAME picks the version from the rate */
    uint32_t PsyModel;        /* 40 */
    uint32_t Emphasis;        /* 44: 0 none, 1 50/15 ms, 3 CCITT */
    int32_t Private;          /* 48 */
    int32_t CRC;              /* 52 */
    int32_t Copyright;        /* 56 */
    int32_t Original;         /* 60 */
    int32_t WriteVBRHeader;   /* 64 */
    int32_t EnableVBR;        /* 68 */
    int32_t VBRQuality;       /* 72: 0 best to 9; 10 counts as 9 */
    /* 76, extension: channels of the input, 1 or 2; 0 takes them from Mode (mono one, otherwise two). Mono input
       under a two-channel mode is put in both channels; stereo input under BE_MODE_MONO is mixed down. */
    uint32_t InputChannels;
    uint8_t Reserved[255];    /* 80 to 334: zero */
} BE_Config;

/* Version record: library major and minor version, then LAME's. */
typedef struct BE_Version {
    uint8_t DLLMajorVersion;
    uint8_t DLLMinorVersion;
    uint8_t MajorVersion;
    uint8_t MinorVersion;
    uint8_t Reserved[264];
} BE_Version;

#pragma pack(pop)

LAMEENC_API void beVersion(BE_Version* version);
LAMEENC_API uint32_t beInitStream(const BE_Config* config, uint32_t* samplesPerChunk, uint32_t* outputBufferSize,
    uint32_t* stream);
LAMEENC_API uint32_t beEncodeChunk(uint32_t stream, uint32_t samples, const int16_t* input, uint8_t* output,
    uint32_t* outputBytes);
LAMEENC_API uint32_t beDeinitStream(uint32_t stream, uint8_t* output, uint32_t* outputBytes);
LAMEENC_API uint32_t beCloseStream(uint32_t stream);
/* Extension: buffer of at least bufferSize bytes (the output buffer size suffices). */
LAMEENC_API uint32_t beGetInfoTag(uint32_t stream, uint8_t* buffer, uint32_t bufferSize, uint32_t* tagBytes);

#ifdef __cplusplus
}

#include <cstddef>
static_assert(sizeof(BE_Config) == 4 + BE_CONFIG_STRUCT_SIZE);
static_assert(offsetof(BE_Config, SampleRate) == 12);
static_assert(offsetof(BE_Config, Quality) == 32);
static_assert(offsetof(BE_Config, Private) == 48);
static_assert(offsetof(BE_Config, VBRQuality) == 72);
static_assert(offsetof(BE_Config, InputChannels) == 76);
static_assert(offsetof(BE_Config, Reserved) == 80);
static_assert(sizeof(BE_Version) == 268);
#endif

#endif
