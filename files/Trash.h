#pragma once

#include "FileSystemObject.h"

#include <string>

// The desktop's Trash, laid out as file managers read it, so that they
// list what is put there and their Restore puts it back: a trash folder
// holds files/NAME and info/NAME.trashinfo, which says where NAME came from
// and when.
class Trash {
public:
    enum class HardLinks { Try, Never };

    // The trash of a file's own filesystem, created where it is missing:
    // the home trash ($XDG_DATA_HOME/Trash) when the file is on the same
    // filesystem as that, else the trash in its filesystem's top folder.
    // Raises RunTimeError when neither can be had.
    static Trash For(const std::string& path);

    // folder: a trash folder, with or without its files/ and info/.
    // HardLinks::Never behaves as on a filesystem without hard links.
    explicit Trash(std::string folder, HardLinks links = HardLinks::Try);

    const std::string& Folder() const { return folder_; }

    // Puts replacement in path's place and the file that was there in the
    // trash, never losing either. Where the filesystem has hard links, the
    // original is linked into files/ first and replacement then renamed
    // over path, so that path holds a whole book at every moment. Where it
    // has none (FAT, exFAT), the original is renamed into files/ just
    // before replacement is renamed into its place. Either way the
    // .trashinfo is made first, with a name no other run can take. A failure
    // raises RunTimeError and leaves path, replacement and the trash as
    // they were. Returns where the original now is. With FolderFlush::Later
    // the caller flushes path's folder, as for FileSystemObject::ReplaceFile.
    std::string ReplaceKeepingOriginal(const std::string& replacement, const std::string& path,
                                       FileSystemObject::FolderFlush folderFlush =
                                           FileSystemObject::FolderFlush::Now) const;

    // Moves the file at path into the trash, its .trashinfo made first, with
    // a name no other run can take. A failure raises RunTimeError and leaves
    // path and the trash as they were. Returns where the file now is.
    std::string MoveIn(const std::string& path) const;

private:
    // Makes info/NAME.trashinfo for path under the first free NAME.
    std::string ReserveName(const std::string& path) const;
    // ReserveName for the book at path, its failure saying the book did not go.
    std::string ReserveNameFor(const std::string& path) const;

    std::string folder_;
    HardLinks links_;
};

// The trash of a filesystem's top folder: $topdir/.Trash/$uid where .Trash
// is a real folder (not a link) with the sticky bit, else $topdir/.Trash-$uid,
// created with mode 0700. Raises RunTimeError when the one chosen is not a
// folder of this user's own (a link, another's).
std::string TopFolderTrash(const std::string& topFolder);

// The home trash: $XDG_DATA_HOME/Trash, by default ~/.local/share/Trash.
std::string HomeTrash();

// The path a .trashinfo names: absolutePath itself in the home trash (or
// any other), and in a top folder's trash ($topdir/.Trash/$uid,
// $topdir/.Trash-$uid) the path relative to $topdir, so that the file
// manager restores it wherever the filesystem is mounted next.
std::string PathInTrashInfo(const std::string& trashFolder, const std::string& absolutePath);

// What a .trashinfo says: the [Trash Info] group, Path= path
// percent-encoded, DeletionDate= local time as YYYY-MM-DDThh:mm:ss.
std::string TrashInfo(const std::string& path, long long secondsSinceEpoch);
