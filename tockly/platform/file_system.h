#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tockly::platform {

// Files and folders, with Windows paths ("C:\Tockly\sy\s7") as UTF-8 text.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The folder that holds the program, as the system gives it (a drive root ends in "\").
    virtual std::string program_folder() = 0;
    // The running program's own file, path and name as the system gives them.
    virtual std::string program_file() = 0;
    // True for an existing file, hidden, system and read-only files included.
    virtual bool file_exists(const std::string& path) = 0;
    // Names of the sub-folders of `folder`, in the order the file system lists them, without
    // "." and "..". Empty when the folder is missing.
    virtual std::vector<std::string> subfolders(const std::string& folder) = 0;
    // The bytes of a file, nothing when it cannot be read.
    virtual std::optional<std::string> read_file(const std::string& path) = 0;
    // Replaces the file with `bytes`; false when it could not be written.
    virtual bool write_file(const std::string& path, const std::string& bytes) = 0;
    // Waits until the written file's bytes are on the disk, so that a power loss after a rename
    // cannot leave the renamed file empty; false when it could not (a missing file included).
    // Win32: FlushFileBuffers.
    virtual bool flush_file(const std::string& path) = 0;
    // Puts `from` in place of `to` (same folder), replacing an existing `to`; false when it
    // could not (then `to` is untouched). Win32: MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING
    // | MOVEFILE_WRITE_THROUGH).
    virtual bool replace_file(const std::string& from, const std::string& to) = 0;
    // Deletes a file; a missing file is no error.
    virtual void remove_file(const std::string& path) = 0;
};

}  // namespace tockly::platform
