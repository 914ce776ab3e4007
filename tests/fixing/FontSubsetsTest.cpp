// The faces cut down to a book's characters, read back with HarfBuzz and
// FreeType as a reader's engine reads them.
#include "BookCharacters.h"
#include "FontFiles.h"
#include "FontSubsets.h"
#include "TestFiles.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<char32_t> CharactersOf(const std::string& text)
{
    BookCharacters book;
    book.AddContentDocument("<html><body><p>" + text + "</p></body></html>");
    return book.Characters();
}

// German with typographic quotes, a ligature, a combining accent and a
// character no Liberation face has (中).
std::vector<char32_t> GermanCharacters()
{
    return CharactersOf("F\xC3\xBCnf B\xC3\xBC" "cher \xC3\xBC" "ber Stra\xC3\x9F" "en \xE2\x80\x93 "
                        "\xE2\x80\x9EZitat\xE2\x80\x9C: 5 \xE2\x82\xAC \xC2\xB7 \xEF\xAC\x81 e\xCC\x81 \xE4\xB8\xAD");
}

struct HbFace {
    explicit HbFace(const std::string& bytes)
        : blob(hb_blob_create(bytes.data(), static_cast<unsigned>(bytes.size()), HB_MEMORY_MODE_READONLY, nullptr,
                              nullptr)),
          face(hb_face_create(blob, 0)), unicodes(hb_set_create())
    {
        hb_face_collect_unicodes(face, unicodes);
    }
    ~HbFace()
    {
        hb_set_destroy(unicodes);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
    }
    std::string Table(const char* tag) const
    {
        hb_blob_t* table = hb_face_reference_table(face, hb_tag_from_string(tag, 4));
        unsigned length = 0;
        const char* data = hb_blob_get_data(table, &length);
        std::string bytes(data ? data : "", length);
        hb_blob_destroy(table);
        return bytes;
    }
    hb_blob_t* blob;
    hb_face_t* face;
    hb_set_t* unicodes;
};

TEST(FontSubsetsTest, EachCutFaceDrawsEveryCharacterTheWholeFaceHasWithItsNamesAndHinting)
{
    const std::vector<char32_t> characters = GermanCharacters();
    FontSubsetter subsetter;
    const std::shared_ptr<const SubsetFaces> faces = subsetter.FacesFor(characters);
    ASSERT_TRUE(faces);

    FT_Library freeType = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&freeType), 0);
    for (const LiberationFace& face : LiberationFaces::CopyOrder) {
        SCOPED_TRACE(face.fileName);
        const std::string whole = ReadFile(FontSource(face.fileName));
        const std::string& cut = faces->Of(face);
        EXPECT_LT(cut.size(), whole.size() / 4);
        const HbFace wholeFace(whole);
        const HbFace cutFace(cut);
        EXPECT_TRUE(hb_set_has(wholeFace.unicodes, 0x1E9E));  // not asked for, so not kept
        EXPECT_FALSE(hb_set_has(cutFace.unicodes, 0x1E9E));

        FT_Face ftFace = nullptr;
        ASSERT_EQ(FT_New_Memory_Face(freeType, reinterpret_cast<const FT_Byte*>(cut.data()),
                                     static_cast<FT_Long>(cut.size()), 0, &ftFace), 0);
        ASSERT_EQ(FT_Set_Pixel_Sizes(ftFace, 0, 16), 0);
        for (const char32_t c : characters) {
            if (!hb_set_has(wholeFace.unicodes, c))
                continue;
            EXPECT_TRUE(hb_set_has(cutFace.unicodes, c)) << std::hex << static_cast<unsigned>(c);
            const FT_UInt glyph = FT_Get_Char_Index(ftFace, c);
            EXPECT_NE(glyph, 0u) << std::hex << static_cast<unsigned>(c);
            // hinted as the whole face hints it: the bytecode interpreter runs
            EXPECT_EQ(FT_Load_Glyph(ftFace, glyph, FT_LOAD_DEFAULT | FT_LOAD_NO_AUTOHINT), 0)
                << std::hex << static_cast<unsigned>(c);
        }
        FT_Done_Face(ftFace);

        // Every name record, and the hinting programs, as they were.
        const std::string wholeNames = wholeFace.Table("name");
        const std::string cutNames = cutFace.Table("name");
        ASSERT_GE(cutNames.size(), 4u);
        EXPECT_EQ(cutNames.substr(2, 2), wholeNames.substr(2, 2));  // the number of records
        for (const char* program : {"fpgm", "prep", "cvt "}) {
            EXPECT_FALSE(cutFace.Table(program).empty()) << program;
            EXPECT_EQ(cutFace.Table(program), wholeFace.Table(program)) << program;
        }

        // A second pass knows the cut for the fix's own, and nothing else.
        EXPECT_TRUE(subsetter.IsCutFace(face, cut));
        std::string changed = cut;
        changed[changed.size() / 2] ^= 1;
        EXPECT_FALSE(subsetter.IsCutFace(face, changed));
        EXPECT_FALSE(subsetter.IsCutFace(face, whole));
        EXPECT_FALSE(subsetter.IsCutFace(LiberationFaces::Regular, faces->Of(LiberationFaces::Bold)));
    }
    FT_Done_FreeType(freeType);
    EXPECT_FALSE(SubsetFace("not a font", characters));
}

TEST(FontSubsetsTest, EqualCharactersGiveEqualBytesAndAreCutOnce)
{
    const std::vector<char32_t> german = GermanCharacters();
    const std::vector<char32_t> english = CharactersOf("The naïve café’s “quotes” — and more");

    FontSubsetter subsetter;
    const std::shared_ptr<const SubsetFaces> first = subsetter.FacesFor(german);
    ASSERT_TRUE(first);
    EXPECT_EQ(subsetter.FacesFor(GermanCharacters()), first);
    EXPECT_EQ(subsetter.SetsCut(), 1u);

    // Another run cuts the same bytes.
    FontSubsetter another;
    EXPECT_EQ(another.FacesFor(german)->bytes, first->bytes);

    // What is no longer kept is cut again.
    FontSubsetter keepingOne(1);
    for (const auto* characters : {&german, &english, &german})
        ASSERT_TRUE(keepingOne.FacesFor(*characters));
    EXPECT_EQ(keepingOne.SetsCut(), 3u);
    FontSubsetter keepingLittle(FontSubsetter::MostSets, first->Size() / 2);
    keepingLittle.FacesFor(german);
    keepingLittle.FacesFor(german);
    EXPECT_EQ(keepingLittle.SetsCut(), 2u);
}

}  // namespace
