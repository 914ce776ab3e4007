// The four faces cut down to a book's characters with HarfBuzz's subsetter.
#include "FontSubsets.h"

#include "FaceSource.h"
#include "TextFile.h"

#include <hb-subset.h>

#include <QCryptographicHash>

#include <algorithm>

namespace {

template <typename T, void (*Destroy)(T*)>
struct HbDeleter {
    void operator()(T* object) const { Destroy(object); }
};
using Blob = std::unique_ptr<hb_blob_t, HbDeleter<hb_blob_t, hb_blob_destroy>>;
using FaceHandle = std::unique_ptr<hb_face_t, HbDeleter<hb_face_t, hb_face_destroy>>;
using Set = std::unique_ptr<hb_set_t, HbDeleter<hb_set_t, hb_set_destroy>>;
using Input = std::unique_ptr<hb_subset_input_t, HbDeleter<hb_subset_input_t, hb_subset_input_destroy>>;

Set Unicodes(hb_face_t* face)
{
    Set unicodes(hb_set_create());
    hb_face_collect_unicodes(face, unicodes.get());
    return unicodes;
}

// Cuts source down to characters; nullopt when HarfBuzz fails or the cut
// lacks a character of source's (wholeUnicodes).
std::optional<std::string> Cut(hb_face_t* source, const hb_set_t* wholeUnicodes,
                               const std::vector<char32_t>& characters)
{
    const Input input(hb_subset_input_create_or_fail());
    if (!input)
        return std::nullopt;
    hb_set_t* unicodes = hb_subset_input_unicode_set(input.get());
    for (const char32_t c : characters)
        hb_set_add(unicodes, c);
    // Every name record in every language and platform (the legacy ones
    // too), where the default keeps a few English ones; every layout
    // feature, where the default keeps the common ones. The hinting stays:
    // HB_SUBSET_FLAGS_NO_HINTING is not set.
    for (const hb_subset_sets_t kept : {HB_SUBSET_SETS_NAME_ID, HB_SUBSET_SETS_NAME_LANG_ID,
                                        HB_SUBSET_SETS_LAYOUT_FEATURE_TAG}) {
        hb_set_t* set = hb_subset_input_set(input.get(), kept);
        hb_set_clear(set);
        hb_set_invert(set);
    }
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_NAME_LEGACY);

    const FaceHandle cut(hb_subset_or_fail(source, input.get()));
    if (!cut)
        return std::nullopt;

    // Whatever the whole face has of the characters, the cut has.
    const Set wanted(hb_set_copy(unicodes));
    hb_set_intersect(wanted.get(), wholeUnicodes);
    if (!hb_set_is_subset(wanted.get(), Unicodes(cut.get()).get()))
        return std::nullopt;

    const Blob blob(hb_face_reference_blob(cut.get()));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(blob.get(), &length);
    if (data == nullptr || length == 0)
        return std::nullopt;
    return std::string(data, length);
}

FaceHandle FaceOf(std::string_view bytes)
{
    // The blob only refers to the bytes: they outlive the face.
    const Blob blob(hb_blob_create_or_fail(bytes.data(), static_cast<unsigned int>(bytes.size()),
                                           HB_MEMORY_MODE_READONLY, nullptr, nullptr));
    if (!blob)
        return nullptr;
    FaceHandle face(hb_face_create(blob.get(), 0));
    if (hb_face_get_glyph_count(face.get()) == 0)
        return nullptr;
    return face;
}

}  // namespace

std::optional<std::string> SubsetFace(std::string_view wholeFace, const std::vector<char32_t>& characters)
{
    const FaceHandle face = FaceOf(wholeFace);
    if (!face)
        return std::nullopt;
    return Cut(face.get(), Unicodes(face.get()).get(), characters);
}

namespace {

bool IsCutOf(hb_face_t* whole, const hb_set_t* wholeUnicodes, std::string_view candidate)
{
    const FaceHandle face = FaceOf(candidate);
    if (!face)
        return false;
    std::vector<char32_t> characters;
    const Set unicodes = Unicodes(face.get());
    for (hb_codepoint_t c = HB_SET_VALUE_INVALID; hb_set_next(unicodes.get(), &c);)
        characters.push_back(c);
    const std::optional<std::string> again = Cut(whole, wholeUnicodes, characters);
    return again && *again == candidate;
}

}  // namespace

bool IsCutFace(std::string_view wholeFace, std::string_view candidate)
{
    const FaceHandle face = FaceOf(wholeFace);
    return face && IsCutOf(face.get(), Unicodes(face.get()).get(), candidate);
}

const std::string& SubsetFaces::Of(const LiberationFace& face) const
{
    for (std::size_t i = 0; i < LiberationFaces::CopyOrder.size(); ++i)
        if (std::string_view(LiberationFaces::CopyOrder[i].fileName) == face.fileName)
            return bytes[i];
    return bytes[0];  // every LiberationFace is one of the four
}

std::size_t SubsetFaces::Size() const
{
    std::size_t size = 0;
    for (const std::string& face : bytes)
        size += face.size();
    return size;
}

// One whole face: its bytes, read by HarfBuzz, and the characters it has;
// the name records every cut of it has, once asked for.
struct FontSubsetter::Face {
    std::string bytes;
    FaceHandle face;
    Set unicodes;
    std::optional<std::string> cutNames;
};

namespace {

// A face's name table, as it is in its bytes; empty when it has none.
std::string NameTable(hb_face_t* face)
{
    const Blob table(hb_face_reference_table(face, HB_TAG('n', 'a', 'm', 'e')));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(table.get(), &length);
    return data ? std::string(data, length) : std::string();
}

}  // namespace

FontSubsetter::FontSubsetter(std::size_t mostSets, std::size_t mostBytes) : mostSets_(mostSets), mostBytes_(mostBytes)
{
}

FontSubsetter::~FontSubsetter() = default;

const std::vector<std::unique_ptr<FontSubsetter::Face>>& FontSubsetter::WholeFaces()
{
    const std::lock_guard lock(mutex_);
    if (faces_.empty()) {
        std::vector<std::unique_ptr<Face>> read;
        for (const LiberationFace& face : LiberationFaces::CopyOrder) {
            auto whole = std::make_unique<Face>();
            whole->bytes = ReadTextFile(FontSource(face.fileName));
            whole->face = FaceOf(whole->bytes);
            if (whole->face)
                whole->unicodes = Unicodes(whole->face.get());
            read.push_back(std::move(whole));
        }
        faces_ = std::move(read);
    }
    return faces_;
}

std::shared_ptr<const SubsetFaces> FontSubsetter::KeptFaces(const std::vector<char32_t>& characters)
{
    const std::lock_guard lock(mutex_);
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
        if (it->characters == characters) {
            kept_.splice(kept_.begin(), kept_, it);
            return it->faces;
        }
    }
    return nullptr;
}

void FontSubsetter::Keep(const std::vector<char32_t>& characters, const std::shared_ptr<const SubsetFaces>& faces)
{
    const std::size_t size = faces->Size() + characters.size() * sizeof(char32_t);
    if (size > mostBytes_ || mostSets_ == 0)
        return;
    const std::lock_guard lock(mutex_);
    if (std::any_of(kept_.begin(), kept_.end(), [&](const Kept& k) { return k.characters == characters; }))
        return;  // another thread cut it meanwhile
    kept_.push_front({characters, faces});
    keptBytes_ += size;
    while (kept_.size() > mostSets_ || keptBytes_ > mostBytes_) {
        keptBytes_ -= kept_.back().faces->Size() + kept_.back().characters.size() * sizeof(char32_t);
        kept_.pop_back();
    }
}

bool FontSubsetter::NamesItselfOurs(const LiberationFace& face, std::string_view candidate)
{
    const std::vector<std::unique_ptr<Face>>& faces = WholeFaces();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        Face& whole = *faces[i];
        if (std::string_view(LiberationFaces::CopyOrder[i].fileName) != face.fileName || !whole.face)
            continue;
        std::string names;
        {
            const std::lock_guard lock(mutex_);
            if (!whole.cutNames) {
                // The names do not depend on the characters: any cut has them.
                const std::optional<std::string> cut = Cut(whole.face.get(), whole.unicodes.get(), {U' '});
                const FaceHandle cutFace = cut ? FaceOf(*cut) : nullptr;
                whole.cutNames = cutFace ? NameTable(cutFace.get()) : std::string();
            }
            names = *whole.cutNames;
        }
        const FaceHandle read = FaceOf(candidate);
        return read && !names.empty() && NameTable(read.get()) == names;
    }
    return false;
}

bool FontSubsetter::IsCutFace(const LiberationFace& face, std::string_view candidate)
{
    const std::vector<std::unique_ptr<Face>>& faces = WholeFaces();
    for (std::size_t i = 0; i < faces.size(); ++i)
        if (std::string_view(LiberationFaces::CopyOrder[i].fileName) == face.fileName)
            return faces[i]->face && IsCutOf(faces[i]->face.get(), faces[i]->unicodes.get(), candidate);
    return false;
}

std::string FontSubsetter::WholeFacesDigest()
{
    const std::vector<std::unique_ptr<Face>>& faces = WholeFaces();
    const std::lock_guard lock(mutex_);
    if (digest_.empty()) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        const std::string version = std::string("harfbuzz ") + hb_version_string() + "\n";
        hash.addData(QByteArrayView(version.data(), static_cast<qsizetype>(version.size())));
        for (const std::unique_ptr<Face>& face : faces) {
            const std::string size = std::to_string(face->bytes.size()) + "\n";
            hash.addData(QByteArrayView(size.data(), static_cast<qsizetype>(size.size())));
            hash.addData(QByteArrayView(face->bytes.data(), static_cast<qsizetype>(face->bytes.size())));
        }
        digest_ = hash.result().toHex().toStdString();
    }
    return digest_;
}

std::vector<char32_t> FontSubsetter::Covered(const std::vector<char32_t>& characters)
{
    const std::vector<std::unique_ptr<Face>>& faces = WholeFaces();
    std::vector<char32_t> covered;
    for (const char32_t c : characters)
        if (std::any_of(faces.begin(), faces.end(), [c](const std::unique_ptr<Face>& face) {
                return face->unicodes && hb_set_has(face->unicodes.get(), c);
            }))
            covered.push_back(c);
    return covered;
}

std::shared_ptr<const SubsetFaces> FontSubsetter::FacesFor(const std::vector<char32_t>& asked)
{
    // The whole faces never change once read, and HarfBuzz reads a face
    // from several threads at once: the cutting needs no lock.
    const std::vector<std::unique_ptr<Face>>& faces = WholeFaces();
    // Characters no face has change no cut: sets that differ only in them
    // are one set.
    const std::vector<char32_t> characters = Covered(asked);
    if (std::shared_ptr<const SubsetFaces> kept = KeptFaces(characters))
        return kept;
    auto cut = std::make_shared<SubsetFaces>();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const Face& whole = *faces[i];
        if (!whole.face)
            return nullptr;
        std::optional<std::string> bytes = Cut(whole.face.get(), whole.unicodes.get(), characters);
        if (!bytes)
            return nullptr;
        cut->bytes[i] = std::move(*bytes);
    }
    ++setsCut_;
    Keep(characters, cut);
    return cut;
}
