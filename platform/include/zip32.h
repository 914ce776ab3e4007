/* zip32 — packs files and folders into one ZIP archive, driven by an
 * option record and a table of callbacks. Built on libzip. */
#ifndef ZIP32_H
#define ZIP32_H

#include <stdint.h>

#if defined(__GNUC__)
#define ZIP32_API __attribute__((visibility("default")))
#else
#define ZIP32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Results of ZpArchive. */
#define ZE_OK 0
#define ZE_MEM 4       /* out of memory */
#define ZE_ABORT 9     /* stopped by the service callback */
#define ZE_READ 11     /* a file to add could not be read */
#define ZE_NONE 12     /* nothing to do: no file matched */
#define ZE_WRITE 14    /* the archive could not be written */
#define ZE_CREAT 15    /* the archive could not be created */
#define ZE_PARMS 16    /* bad options */
#define ZE_OPEN 18     /* the folder or an existing archive could not be opened */
#define ZE_DISKFULL 50 /* the disk is full */
#define ZE_NOINIT 60   /* ZpInit was not called, or refused */
#define ZE_CARRIED 61  /* an entry to carry from the reference is damaged, or a file contradicts it */
#define ZE_SAMENAME 62 /* two files would be entries that readers read under one name */

/* Password and comment buffers the library hands to the callbacks. */
#define ZP_PASSWORD_BUFFER 81
#define ZP_COMMENT_BUFFER 4097

typedef int (*ZpPrintFn)(char* buffer, uint32_t length);
typedef int16_t (*ZpCommentFn)(char* buffer);
typedef int16_t (*ZpPasswordFn)(char* buffer, int bufferSize, const char* prompt, const char* entryName);
typedef int (*ZpServiceFn)(const char* fileName, int32_t size);

typedef struct {
    ZpPrintFn print;
    ZpCommentFn comment;
    ZpPasswordFn password;
    ZpServiceFn service; /* non-zero stops the archive */
} ZIPUSERFUNCTIONS;

typedef struct {
    const char* Date;      /* accepted, no effect */
    const char* szRootDir; /* names are taken relative to this folder; NULL for the current one */
    const char* szTempDir; /* accepted, no effect: the archive is written beside itself */
    int32_t fTemp;
    int32_t fSuffix;
    int32_t fEncrypt;      /* encrypt entries (AES-256); asks the password callback */
    int32_t fSystem;       /* accepted, no effect: no name is left out as hidden */
    int32_t fVolume;
    int32_t fExtra;
    int32_t fNoDirEntries; /* store no entries for folders */
    int32_t fExcludeDate;
    int32_t fIncludeDate;
    int32_t fVerbose;
    int32_t fQuiet;        /* print no "adding" lines */
    int32_t fCRLF_LF;
    int32_t fLF_CRLF;
    int32_t fJunkDir;      /* store names without their folders */
    int32_t fGrow;
    int32_t fForce;
    int32_t fMove;         /* delete each file once the archive is written */
    int32_t fDeleteEntries; /* delete the matching entries from the archive */
    int32_t fUpdate;       /* add only files newer than their entries, and new files */
    int32_t fFreshen;      /* replace only entries that exist, with newer files */
    int32_t fJunkSFX;
    int32_t fLatestTime;
    int32_t fComment;      /* ask the comment callback for the archive comment */
    int32_t fOffsets;
    int32_t fPrivilege;
    int32_t fEncryption;
    int32_t fRecurse;      /* 1 take the contents of matching folders, recursively */
    int32_t fRepair;
    char fLevel;           /* compression level as its digit, '0' to '9' */
} ZPOPT;

typedef struct {
    int argc;            /* number of names */
    const char* lpszZipFN; /* the archive to create or add to; relative to the current directory */
    char** FNV;          /* names or patterns with * and ?, relative to szRootDir */
} ZCL;

/* Takes the callbacks; non-zero when accepted (a print callback is required). */
ZIP32_API int ZpInit(ZIPUSERFUNCTIONS* functions);
/* Takes the options for the next archive; non-zero when accepted. */
ZIP32_API int ZpSetOptions(ZPOPT* options);
ZIP32_API ZPOPT ZpGetOptions(void);
/* Writes the archive; one of the ZE_ codes. */
ZIP32_API int ZpArchive(ZCL C);

/* Our extension, which a caller looks up and a library without it lacks:
 * names the reference archive for the archives written from now on, NULL
 * for none. A file whose size and CRC-32 are those of the reference's
 * entry of the same name (stored or deflated, not encrypted) takes that
 * entry's compressed bytes, once they are seen to inflate to the file's
 * own bytes, instead of being deflated anew. Non-zero when accepted. */
ZIP32_API int ZpSetReference(const char* archivePath);

/* Our extension, looked up like ZpSetReference: the next archive written
 * also carries the entries of the reference archive that match none of the
 * patterns (case ignored; * and ? as wildcards) and that no file below the
 * root folder stands for, as if unpacking had put their files there: in
 * the place the folder walk gives them, with their folders' entries, and
 * packed as such files would be, their compressed bytes taken as they are
 * where they may. Each is checked once, by inflating it in memory against
 * its declared size and CRC-32; a damaged one, or a file or folder where
 * the other is carried, fails the archive with ZE_CARRIED. Returns how many
 * file entries will be carried; -1 when some entry would not come out of
 * unpacking and packing as it is (a name unpacking changes or refuses, a
 * file named twice, an encrypted entry, one neither stored nor deflated),
 * or there is no reference: then none is carried. Applies to the next
 * archive only. */
ZIP32_API int ZpCarryReference(int patternCount, const char* const* patterns);

/* Our extension, looked up like ZpSetReference: begins checking and
 * packing, on the library's threads and with the options last set, the
 * entries of the archive at archivePath that an archive carrying them with
 * the same patterns would take, so that they are ready when that archive is
 * written (while the archive before it is written, say); those matching
 * one of seen (case ignored) also keep their inflated bytes for
 * ZpSeeCarried. What is done ahead is used only while the file is
 * unchanged, and waits within the library's memory budget; the last two
 * archives asked for are kept, and a NULL path drops them. Non-zero when
 * accepted. */
ZIP32_API int ZpPrefetchReference(const char* archivePath, int patternCount, const char* const* patterns,
                                  int seenCount, const char* const* seen);

/* Our extension, looked up like ZpSetReference: after ZpCarryReference,
 * the next archive carries the entry name with the length bytes at prefix
 * put before its own, its compressed bytes kept as they are behind them
 * (an edit such as a declaration put first costs no packing anew).
 * Non-zero when accepted; zero when no file entry name is to be carried. */
ZIP32_API int ZpPrefixCarried(const char* name, const char* prefix, uint32_t length);

/* Shown one entry's inflated bytes; non-zero stops. */
typedef int (*ZpSeeFn)(const char* name, const char* data, uint64_t size, void* context);

/* Our extension, looked up like ZpSetReference: after ZpCarryReference,
 * hands see the inflated bytes of every entry to carry whose name matches
 * one of patterns (case ignored), one by one in the order the archive packs
 * them, on the caller's thread, each once it is checked against its
 * declared size and CRC-32. Nothing is written out, and the next archive
 * takes the checks as they are (it checks again only what the memory
 * budget could not keep). Returns how many entries were shown; -1 when one
 * is damaged (the next ZpArchive then fails with ZE_CARRIED) or nothing is
 * to be carried. */
ZIP32_API int ZpSeeCarried(int patternCount, const char* const* patterns, ZpSeeFn see, void* context);

/* Hands a transform the bytes to put in place of the entry's own. */
typedef void (*ZpPutFn)(void* sink, const char* data, uint64_t size);

/* Shown one entry's inflated bytes, on one of the library's threads (several
 * at once, so it must be safe to call so): returns 1 once it has handed put
 * the entry's new bytes, which replace the entry's own, stored as they are;
 * 0 keeps the entry as it is. */
typedef int (*ZpTransformFn)(const char* name, const char* data, uint64_t size, ZpPutFn put, void* sink,
                             void* context);

/* Our extension, looked up like ZpSetReference: after ZpCarryReference,
 * the next archive hands transform, as each is packed, the inflated bytes
 * of every file entry to carry whose name matches one of patterns (case
 * ignored; * and ? as wildcards), once they are checked against their
 * declared size and CRC-32. transform and context must stay valid while
 * any archive or check ahead may use them. Returns how many entries will
 * be shown; -1 when nothing is to be carried. */
ZIP32_API int ZpTransformCarried(int patternCount, const char* const* patterns, ZpTransformFn transform,
                                 void* context);

/* Our extension, looked up like ZpSetReference: ZpPrefetchReference, the
 * entries matching one of transformed (case ignored) also shown to
 * transform as they are checked ahead, so that an archive that transforms
 * them with the same transform and context takes what was done. Non-zero
 * when accepted. */
ZIP32_API int ZpPrefetchTransformed(const char* archivePath, int patternCount, const char* const* patterns,
                                    int seenCount, const char* const* seen, int transformedCount,
                                    const char* const* transformed, ZpTransformFn transform, void* context);

/* Our extension, looked up like ZpSetReference: deflated (length bytes) is
 * a raw deflate stream of size bytes with CRC-32 crc. A file packed from
 * now on, in any archive, whose entry is named name and whose bytes have
 * that size and CRC-32 takes these bytes as they are, instead of being
 * deflated anew (at any level but 0, which stores), once they are seen to
 * inflate to exactly the file's own bytes; an entry a reference gives its
 * bytes to keeps those. The library keeps the most recent offers within
 * its memory budget. Non-zero when accepted. */
ZIP32_API int ZpOfferDeflated(const char* name, const char* deflated, uint64_t length, uint32_t crc, uint64_t size);

#ifdef __cplusplus
}
#endif

#endif
