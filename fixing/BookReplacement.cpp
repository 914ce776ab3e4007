#include "BookReplacement.h"

#include "FileSystemObject.h"
#include "LineBreak.h"
#include "SettingsStore.h"
#include "Trash.h"
#include "Translation.h"

void BookReplacer::Hand(NewArchive archive)
{
    FileSystem().BeginFlush(archive.archive);
    waiting_ = std::move(archive);
}

std::optional<ReplacementFailure> BookReplacer::Finish()
{
    if (!waiting_)
        return std::nullopt;
    inHand_ = std::move(*waiting_);
    waiting_.reset();
    // Only the file that was unpacked is replaced: one that another
    // program wrote meanwhile stays as that program left it.
    if (!(IdentityOf(inHand_.book) == inHand_.asUnpacked)) {
        DeleteFileIfExists(inHand_.archive);
        inHand_.archive.clear();
        return ReplacementFailure{inHand_.bookPath,
                                  inHand_.bookPath + LineBreak +
                                      Words::translate("BookFix", "The book changed on disk while Bindwell was "
                                                                  "fixing it, so Bindwell left it as the other "
                                                                  "program wrote it.")};
    }
    if (SettingsStore::IsOptionOn(OptionKey::KeepOriginals))
        keptOriginal_ = Trash::For(inHand_.book).ReplaceKeepingOriginal(inHand_.archive, inHand_.book);
    else
        FileSystem().ReplaceFile(inHand_.archive, inHand_.book);
    inHand_.archive.clear();
    return std::nullopt;
}

void BookReplacer::Discard()
{
    for (const std::string* archive : {&inHand_.archive, waiting_ ? &waiting_->archive : nullptr})
        if (archive && !archive->empty())
            DeleteFileIfExists(*archive);
    inHand_.archive.clear();
    waiting_.reset();
}
