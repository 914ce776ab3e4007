#pragma once

#include <string>

// The file and folder operations the fixing code relies on. Every operation
// that cannot do its work raises RunTimeError with a number and a
// description; nothing here catches a failure.
class FileSystemObject {
public:
    bool FileExists(const std::string& path) const;
    bool FolderExists(const std::string& path) const;

    // Both deletes take the force flag the callers always set: a read-only
    // file, or a folder holding read-only entries, goes all the same.
    void DeleteFile(const std::string& path, bool force) const;
    void DeleteFolder(const std::string& path, bool force) const;

    // Fails when anything already exists at the path.
    void CreateFolder(const std::string& path) const;

    // Copies source under its own name into destinationFolder, which ends in
    // the separator; with overwrite, a file of that name is replaced.
    void CopyFile(const std::string& source, const std::string& destinationFolder, bool overwrite) const;

    // Fails when the destination exists.
    void MoveFile(const std::string& source, const std::string& destination) const;

    // Puts source in destination's place in one step: source takes
    // destination's permission bits, is flushed to disk, and is renamed over
    // it, so that destination always holds either the old file or the whole
    // new one. With FolderFlush::Later the caller flushes destination's
    // folder, which makes the rename last, once for several.
    enum class FolderFlush { Now, Later };
    void ReplaceFile(const std::string& source, const std::string& destination,
                     FolderFlush folderFlush = FolderFlush::Now) const;

    // Makes what was created, renamed or removed in folder last on disk.
    // Does nothing where the folder cannot be opened.
    void FlushFolder(const std::string& folder) const;

    // The first half of ReplaceFile: source takes destination's permission
    // bits and is flushed to disk, ready to be renamed over it.
    void PrepareReplacement(const std::string& source, const std::string& destination) const;

    // Asks the system to start writing the file to disk now, without
    // waiting: a later flush of it has less to wait for. Does nothing where
    // the platform cannot, or when the file cannot be opened.
    void BeginFlush(const std::string& path) const;
};

// The one instance the program uses, created on first use.
FileSystemObject& FileSystem();

// Deletes the file (forced) when one exists at the path; otherwise nothing.
void DeleteFileIfExists(const std::string& path);

// Deletes the folder with all it holds (forced) when one exists at the
// path; otherwise nothing.
void DeleteFolderIfExists(const std::string& path);

// Deletes the folder with all it holds, if any, and creates it empty.
void RecreateFolder(const std::string& path);
