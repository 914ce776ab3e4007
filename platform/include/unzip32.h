/* unzip32 — unpacks one ZIP archive, driven by an option record and a
 * table of callbacks. Built on libzip. */
#ifndef UNZIP32_H
#define UNZIP32_H

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__)
#define UNZIP32_API __attribute__((visibility("default")))
#else
#define UNZIP32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define UZ_STRUCT_VERSION 0x600 /* DCL.StructVersID */
#define UZ_UZPVER2_LENGTH 68    /* UZPVER2.structlen the library needs */

/* Results of Wiz_SingleEntryUnzip. */
#define UZ_OK 0         /* success */
#define UZ_WARN 1       /* done, with warnings (names cut back, links skipped) */
#define UZ_ERR 2        /* an error in the archive; some entries were not unpacked */
#define UZ_BADERR 3     /* a damaged archive */
#define UZ_MEM 4        /* out of memory */
#define UZ_NOZIP 9      /* the archive is missing or is not a ZIP archive */
#define UZ_PARAM 10     /* bad options */
#define UZ_FIND 11      /* no entry matched the names asked for */
#define UZ_DISK 50      /* the disk is full */
#define UZ_EOF 51       /* the archive ends too early (truncated) */
#define UZ_CTRLC 80     /* stopped by the service callback */
#define UZ_BADPWD 82    /* no correct password for an encrypted entry */
#define UZ_TOOBIG 83    /* the entries would expand past the size limit */

/* Answers of the replace callback. */
#define UZ_REPLACE_NO 100   /* keep this file */
#define UZ_REPLACE_YES 102  /* replace this file */
#define UZ_REPLACE_ALL 103  /* replace this and every later file */
#define UZ_REPLACE_NONE 104 /* replace no file from now on */

/* Password buffer the library hands to the password callback. */
#define UZ_PASSWORD_BUFFER 81

typedef struct {
    int32_t StructVersID;
    int32_t ExtractOnlyNewer;  /* only entries newer than the files on disk, and new ones */
    int32_t SpaceToUnderscore; /* blanks in names become underscores */
    int32_t PromptToOverwrite; /* ask the replace callback before overwriting */
    int32_t fQuiet;            /* 0 print everything, 1 warnings only, 2 nothing */
    int32_t ncflag;            /* print entry data through the print callback */
    int32_t ntflag;            /* test the archive only */
    int32_t nvflag;            /* 1 list entries through the listing callback */
    int32_t nfflag;            /* freshen: only files already on disk */
    int32_t nzflag;            /* print the archive comment */
    int32_t ndflag;            /* 1 re-create stored folders; 0 put every file in the target folder */
    int32_t noflag;            /* overwrite without asking */
    int32_t naflag;            /* accepted, no effect: text entries are unpacked as they are */
    int32_t nZIflag;           /* list as nvflag does */
    int32_t B_flag;            /* accepted, no effect */
    int32_t C_flag;            /* match names without regard to case */
    int32_t D_flag;            /* 1 do not restore modification times */
    int32_t U_flag;            /* accepted, no effect */
    int32_t fPrivilege;        /* accepted, no effect */
    const char* lpszZipFN;     /* the archive */
    const char* lpszExtractDir; /* the target folder; NULL for the current one */
} DCL;

typedef int (*UzPrintFn)(char* buffer, uint32_t length);
typedef void (*UzSoundFn)(void);
typedef int (*UzReplaceFn)(char* fileName, uint32_t bufferSize);
typedef int (*UzPasswordFn)(char* buffer, int bufferSize, const char* prompt, const char* entryName);
typedef void (*UzListing64Fn)(uint64_t uncompressedSize, uint64_t compressedSize, uint32_t factor, uint32_t month,
                              uint32_t day, uint32_t year, uint32_t hour, uint32_t minute, char c,
                              const char* entryName, const char* method, uint32_t crc, char encrypted);
typedef int (*UzService64Fn)(const char* entryName, uint64_t size);
typedef void (*UzListing32Fn)(uint32_t uncompressedLow, uint32_t uncompressedHigh, uint32_t compressedLow,
                              uint32_t compressedHigh, uint32_t factor, uint32_t month, uint32_t day, uint32_t year,
                              uint32_t hour, uint32_t minute, char c, const char* entryName, const char* method,
                              uint32_t crc, char encrypted);
typedef int (*UzService32Fn)(const char* entryName, uint32_t sizeLow, uint32_t sizeHigh);

/* The callbacks; a NULL slot is not called. The 64-bit listing and service
 * forms are preferred where both are given. */
typedef struct {
    UzPrintFn print;
    UzSoundFn sound;
    UzReplaceFn replace;
    UzPasswordFn password;
    UzListing64Fn listing64;
    UzService64Fn service64;
    UzListing32Fn listing32;
    UzService32Fn service32;
    uint32_t TotalSizeComp;     /* filled by the library: compressed size of the archive */
    uint32_t TotalSizeCompHigh;
    uint32_t TotalSize;         /* total uncompressed size */
    uint32_t TotalSizeHigh;
    uint32_t NumMembers;        /* number of entries */
    uint32_t NumMembersHigh;
} USERFUNCTION;

typedef struct {
    unsigned char major;
    unsigned char minor;
    unsigned char patchlevel;
    unsigned char not_used;
} UzpVersionNumber;

typedef struct {
    uint32_t structlen;
    uint32_t flag;
    char betalevel[10];
    char date[20];
    char zlib_version[10];
    UzpVersionNumber unzip;
    UzpVersionNumber zipinfo;
    UzpVersionNumber os2dll;
    UzpVersionNumber windll;
    UzpVersionNumber dllapimin;
} UZPVER2;

/* Fills the version record; 0 when structlen fits, otherwise the length
 * the library needs (nothing is filled then). */
UNZIP32_API uint32_t UzpVersion2(UZPVER2* version);

/* Unpacks (or lists, or tests) the archive lpDCL->lpszZipFN. includeNames
 * and excludeNames hold patterns with * and ?; includeCount 0 takes every
 * entry. Returns one of the UZ_ codes. */
UNZIP32_API int Wiz_SingleEntryUnzip(int includeCount, char** includeNames, int excludeCount, char** excludeNames, DCL* lpDCL,
                         USERFUNCTION* lpUserFunctions);

/* Our extension, which a caller looks up and a library without it lacks:
 * hands see the first headSize bytes of every file entry of the archive
 * whose name matches one of patterns (case ignored; * and ?), inflated (the
 * whole entry where it is shorter), in the archive's order; nothing is
 * written. Names are as the archive holds them. Links and encrypted
 * entries are passed over. see returns non-zero to stop. UZ_OK; UZ_ERR
 * when an entry cannot be read that far (it is passed over); or what kept
 * the archive from being read (UZ_NOZIP, UZ_BADERR, UZ_MEM, UZ_PARAM). */
typedef int (*UzHeadFn)(const char* name, const char* data, uint32_t length, void* context);
UNZIP32_API int UzpReadHeads(const char* archivePath, int patternCount, const char* const* patterns,
                             uint32_t headSize, UzHeadFn see, void* context);

#ifdef __cplusplus
}
#endif

#endif
