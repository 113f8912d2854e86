#pragma once

#include "EnumSet.h"

#include <cstdint>
#include <string>

namespace orlivo::zip {

enum class TZipExtrOptsEnum {
    ExtrDirNames,
    ExtrOverWrite,
    ExtrFreshen,
    ExtrUpdate,
    ExtrTest,
    ExtrForceDirs,
    ExtrNTFS,
    ExtrSafe
};
enum class TZipAddOptsEnum {
    AddDirNames,
    AddRecurseDirs,
    AddMove,
    AddFreshen,
    AddUpdate,
    AddHiddenFiles,
    AddArchiveOnly,
    AddResetArchive,
    AddEncrypt,
    AddEmptyDirs,
    AddVolume,
    AddFromDate,
    AddVersion,
    AddNTFS
};
enum class TZipWriteOptsEnum {
    ZwoDiskSpan,
    ZwoZipTime,
    ZwoForceDest,
    ZwoSafe,
    ZwoSkipDup,
    ZwoAutoDup,
    ZwoAllowDup,
    ZwoExtDup
};
enum class TZipSkipTypes {
    StNoSkip,
    StOnFreshen,
    StNoOverwrite,
    StFileExists,
    StBadPassword,
    StBadName,
    StCompressionUnknown,
    StUnknownZipHost,
    StZipFileFormatWrong,
    StGeneralExtractError,
    StUser,
    StCannotDo,
    StNotFound,
    StNoShare,
    StNoAccess,
    StNoOpen,
    StDupName,
    StReadError,
    StSizeChange,
    StNothingToDo,
    StCRCError,
    StPathError,
    StWarning
};
enum class TZipStates { ZsDisabled, ZsIdle, ZsReentered, ZsBusy, ZsReentry };
enum class TZipProgressType {
    NewFile,
    ProgressUpdate,
    EndOfItem,
    EndOfBatch,
    TotalFiles2Process,
    TotalSize2Process,
    NewExtra,
    ExtraUpdate
};

enum class TZipRenameOpts { HtrDefault, HtrOnce, HtrFull };
enum class TZipDeleteOpts { HtdFinal, HtdAllowUndo };
enum class TZipSpanOptsEnum { SpNoVolumeName, SpCompatName, SpWipeFiles, SpTryFormat };
enum class TZipAddStoreSuffixEnum {
    AssGIF,
    AssPNG,
    AssZ,
    AssZIP,
    AssZOO,
    AssARC,
    AssLZH,
    AssARJ,
    AssTAZ,
    AssTGZ,
    AssLHA,
    AssRAR,
    AssACE,
    AssCAB,
    AssGZ,
    AssGZIP,
    AssJAR,
    AssEXE,
    AssEXT,
    AssJPG,
    AssJPEG,
    Ass7Zp,
    AssMP3,
    AssWMV,
    AssWMA,
    AssDVR,
    AssAVI
};

using TZipExtrOpts = EnumSet<TZipExtrOptsEnum>;
using TZipSpanOpts = EnumSet<TZipSpanOptsEnum>;
using TZipAddStoreSuffixes = EnumSet<TZipAddStoreSuffixEnum>;

// One rename: the entry name (or part of it) to change, the new text, and optionally a comment and time.
struct TZipRenameRec {
    std::string Source;
    std::string Dest;
    std::string Comment;
    std::uint32_t DateTime = 0;
};
using TZipAddOpts = EnumSet<TZipAddOptsEnum>;
using TZipWriteOpts = EnumSet<TZipWriteOptsEnum>;
using TZipSkipSet = EnumSet<TZipSkipTypes>;

// What callers see of one directory entry.
struct TZipDirEntry {
    std::string FileName;  // UTF-8, folders separated by '\'
    std::uint64_t CompressedSize = 0;
    std::uint64_t UncompressedSize = 0;
    std::uint32_t DateTime = 0;  // MS-DOS date in the high word, time in the low word
    bool Encrypted = false;
    std::uint32_t CRC32 = 0;
    std::uint32_t ExtFileAttrib = 0;
    bool IsDirOnly = false;
};

struct TZipProgressDetails {
    TZipProgressType Order = TZipProgressType::NewFile;
    std::string ItemName;
    std::int32_t ItemNumber = 0;
    std::int64_t ItemSize = 0, ItemPosition = 0;
    std::int64_t TotalCount = 0;
    std::int64_t TotalSize = 0, TotalPosition = 0;
    bool Stop = false;

    std::int32_t ItemPerCent() const { return percent(ItemPosition, ItemSize); }
    std::int32_t TotalPerCent() const { return percent(TotalPosition, TotalSize); }
    static std::int32_t percent(std::int64_t position, std::int64_t size) {
        if (position <= 0 || size <= 0)
            return 0;
        __extension__ using Wide = __int128;
        return std::int32_t((Wide(position) * 100) / size);
    }
};

}  // namespace orlivo::zip
