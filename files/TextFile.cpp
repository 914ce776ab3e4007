#include "TextFile.h"

#include "FileHandle.h"
#include "RunTimeError.h"
#include "Translation.h"

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>

std::string ReadTextFile(const std::string& path)
{
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "opening"), path);
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "opening"), path);
    if (S_ISDIR(st.st_mode))
        throw ErrorFromErrno(EISDIR, QT_TRANSLATE_NOOP("FileErrors", "opening"), path);

    std::string text(static_cast<std::size_t>(st.st_size), '\0');
    text.resize(file.ReadUpTo(text.data(), text.size(), path));  // a file that shrank meanwhile: what is there
    return text;
}

namespace {

void WriteBytes(const std::string& path, std::string_view bytes)
{
    FileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0)
        throw ErrorFromErrno(errno, QT_TRANSLATE_NOOP("FileErrors", "opening for writing"), path);
    file.WriteAll(bytes.data(), bytes.size(), path);
    file.Close(path);
}

}  // namespace

void WriteWholeFile(const std::string& path, std::string_view bytes)
{
    std::error_code ignored;  // a folder that cannot be made fails the writing, which says so
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    WriteBytes(path, bytes);
}

std::optional<EditableText> ReadEditableText(const std::string& path)
{
    return DecodeForEditing(ReadTextFile(path));
}

EditableStylesheet ReadEditableStylesheet(const std::string& path)
{
    return DecodeStylesheet(ReadTextFile(path));
}

void WriteEditedText(const std::string& path, const std::string& text, TextEncoding encoding)
{
    WriteBytes(path, EncodeEdited(text + LineBreak, encoding));
}

bool WriteEditedText(const std::string& path, const std::string& text, const EditableText& original)
{
    const std::optional<std::string> bytes = EncodeAsRead(text + LineBreak, original);
    if (bytes)
        WriteBytes(path, *bytes);
    return bytes.has_value();
}
