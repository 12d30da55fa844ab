/* ScriptedCDRip.h: a stand-in for the CD extraction library (libcdrip.so, every CR_ function of CDRip.h) that
 * plays a script instead of reading a disc, for testing the program's ripping component. It is built as
 * build/tests/scripted/libcdrip.so; point the program's loader at that folder.
 *
 * The script comes from SCRIPT_Load, or else from the file named by the environment variable
 * TRACKWELL_CDRIP_SCRIPT, read at the first CR_ call. One statement per line, words separated by blanks,
 * '#' starts a comment. Everything not scripted succeeds: one drive, an empty table of contents.
 *
 *   version N                     CR_GetCDRipVersion answers N (default 100)
 *   init ok|fail                  CR_Init
 *   active N                      CR_GetActiveCDROM before any selection (default 0)
 *   drive                         starts the next drive (0, 1, ...); the statements up to the next "drive" or
 *                                 "range" describe it
 *     select ok|fail              CR_SetActiveCDROM with this drive's index
 *     parameters ok|fail [KEY=VALUE ...]
 *                                 CR_GetCDROMParameters; keys: id (text without blanks), speed, jitter, type,
 *                                 read, setspeed, endian, enable, density, atapi, format
 *     toc ok|fail                 CR_ReadToc
 *     track SECTOR audio|data     the next table-of-contents entry
 *     leadout SECTOR              the lead-out entry
 *     catalog DIGITS              CR_GetDiscCatalog
 *     isrc TRACK CODE             the ISRC of CR_GetTrackExtras for a track (1-based)
 *     text FIELD TRACK WORDS...   CR_GetDiscText of the disc (TRACK 0) or a track: FIELD is title, performer,
 *                                 songwriter, genre or date; the words joined by single blanks, \xHH an escaped
 *                                 byte (UTF-8 passes as it is)
 *   setparameters ok|fail         answers of successive CR_SetCDROMParameters calls; the last one repeats
 *   range                         starts the next range; each CR_OpenRipper takes the next one, and fails
 *                                 when none is left
 *     open ok|fail BUFFERSIZE     CR_OpenRipper's answer and reported buffer size
 *     chunk STATUS BYTES PERCENT [jitter FIRST LAST]
 *                                 the next CR_RipChunk: its status and byte count, then the answer of
 *                                 CR_GetPercentCompleted, and with "jitter" CR_GetLastJitterErrorPosition
 *                                 (also for a range's last chunk, which answers 4 whether corrected or not)
 *     jittercount N               CR_GetNumberOfJitterErrors while this range is open
 *
 * Chunk data: the bytes of a range's chunks whose status is not 1 continue one pattern, byte k of the range
 * being k % 251, so a test can check that nothing was lost or doubled; a status-1 chunk is filled with 0xEE,
 * which must never reach a file. After its scripted chunks a range answers 4 with 0 bytes.
 *
 * Every CR_ call is logged, one line each: the function's name followed by its arguments (CR_SetActiveCDROM 1,
 * CR_OpenRipper 0 1000, CR_GetTocEntry 2, CR_SetCDROMParameters format=3 jitter=-1 speed=0).
 */
#ifndef TRACKWELL_TESTS_SCRIPTEDCDRIP_H
#define TRACKWELL_TESTS_SCRIPTEDCDRIP_H

#include "libs/cdrip/CDRip.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces the script and empties the call log; answers 0, or the number of the first line it cannot read (the
 * previous script then stays). */
CDRIP_API int32_t SCRIPT_Load(const char* text);
/* The calls since the last load, each line ending in '\n'; valid until the next CR_ or SCRIPT_ call. */
CDRIP_API const char* SCRIPT_CallLog(void);

#ifdef __cplusplus
}
#endif

#endif
