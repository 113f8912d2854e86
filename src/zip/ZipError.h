#pragma once

#include <string>
#include <vector>

namespace orlivo::zip {

// A failure inside an operation: a message id of the table and the arguments of its text.
struct ZipError {
    int id = 0;
    std::vector<std::string> args;
};

[[noreturn]] inline void fail(int id, std::vector<std::string> args = {}) {
    throw ZipError{id, std::move(args)};
}

// Message ids the engine raises.
namespace msg {
constexpr int Success = 0, CrcError = 24, InvalidFilename = 26, Busy = 27, BuildBasePath = 29, BuildPath = 30,
              ReadCentralHeader = 31, CentralSignature = 34, EntryCancelled = 45, ReadEndRecord = 46,
              FileChanged = 56, CreateFile = 57, FileError = 58, InvalidEntry = 66, ReadLocalHeader = 71,
              InputMissing = 86, NoFilesSelected = 89, CannotOverwrite = 92, FileNotFound = 100,
              NothingToDo = 102, NoZipFile = 109, PasswordCancelled = 110, PasswordFailed = 111,
              SeekError = 114, SetFileDate = 117, SetAttributes = 118, TooManyParts = 126,
              NoExtractPassword = 128, UnknownErrorD = 130, UnsupportedVersion = 131, NoWildcards = 132,
              WriteError = 133, Zip64Field = 136, DataError = 137, UserAbort = 139, UserCancelled = 143,
              CommentLength = 159, StructureWarning = 160, NotAZip = 105, WriteOutput = 107,
              DuplicateName = 44, NoDeleteSelection = 101, NoFilesToZip = 103, DestinationMissing = 77,
              CannotWrite = 98, NoAddPassword = 127, UnattendedNoPassword = 129, CannotChangePath = 75,
              WriteLocalHeader = 72, CopyData = 39, WriteCentralHeader = 32, HeaderTooLong = 33,
              WriteEndRecord = 47, NotEnoughSpace = 78, PasswordsDiffer = 135, TempFileFailed = 99,
              CreateOutput = 90, WriteDescriptor = 40, RequestedMemory = 88, LoadingDirectory = 180,
              SkippedItem = 157;
}  // namespace msg

}  // namespace orlivo::zip
