// What embedding only the characters a book uses costs per book: reading
// the characters of a chapter, and cutting the four faces down to an
// English and a German book's characters with nothing kept, against the
// whole faces. The counters give the cut faces' sizes, raw and deflated at
// level 9 as the new book packs them.
#include "BookCharacters.h"
#include "FaceCache.h"
#include "FontFiles.h"
#include "FontSubsets.h"
#include "TextFile.h"

#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <filesystem>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

constexpr const char* EnglishParagraph =
    "The evening train was late again, and Margaret&#8217;s patience&#8212;never her strongest virtue&#8212;had "
    "worn thin by the time it pulled into Harwich. &#8220;Forty-five minutes,&#8221; she said to nobody in "
    "particular, checking her watch for the <em>third</em> time. The caf\xC3\xA9 across the platform had closed "
    "at 9:30; its chairs stood upside-down on the tables, legs in the air like a dead beetle&#8217;s. Somewhere "
    "a dog barked twice (or was it three times?) and fell silent. She thought of the letter in her coat pocket, "
    "dated 14 March 1923, and of the na\xC3\xAFve promise it contained: &#8220;I&#8217;ll be there, whatever "
    "happens&#8230;&#8221; &#8212; Jim, &#163;20 owed, 2&#189; miles to walk.";

constexpr const char* GermanParagraph =
    "Der Abendzug hatte wieder Versp\xC3\xA4tung, und Margaretes Geduld \xE2\x80\x93 nie ihre gr\xC3\xB6\xC3\x9F"
    "te St\xC3\xA4rke \xE2\x80\x93 war ersch\xC3\xB6pft, als er endlich in Hamburg einfuhr. \xE2\x80\x9E"
    "F\xC3\xBCnfundvierzig Minuten\xE2\x80\x9C, sagte sie zu niemandem im Besonderen und sah zum <em>dritten</em> "
    "Mal auf die Uhr. Das Caf\xC3\xA9 gegen\xC3\xBC" "ber hatte um 21:30 Uhr geschlossen; die St\xC3\xBChle standen "
    "umgedreht auf den Tischen. \xC3\x9C" "berall lag Schnee, \xC3\x84rger und \xC3\x96" "de. Irgendwo bellte ein "
    "Hund \xE2\x80\xBA" "zweimal\xE2\x80\xB9 (oder dreimal?) und verstummte. Sie dachte an den Brief vom 14. "
    "M\xC3\xA4rz 1923 und an sein Versprechen: \xC2\xBBIch werde da sein, was auch geschieht \xE2\x80\xA6\xC2\xAB "
    "\xE2\x80\x93 Jakob, 20 \xE2\x82\xAC Schulden, \xC2\xA7 3, 25 \xC2\xB0" "C.";

std::string Chapter(bool german, std::size_t size)
{
    std::string chapter =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE html>\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\">\n"
        "<head><title>Chapter One</title><link rel=\"stylesheet\" type=\"text/css\" href=\"../Styles/style.css\"/>"
        "</head>\n<body>\n<h1 class=\"chapter\">Chapter One</h1>\n";
    for (int n = 0; chapter.size() < size; ++n)
        chapter += "<p class=\"calibre" + std::to_string(n % 3) + "\">" +
                   (german ? GermanParagraph : EnglishParagraph) + "</p>\n";
    return chapter + "</body>\n</html>\n";
}

std::vector<char32_t> CharactersOf(bool german, char32_t page = 1)
{
    BookCharacters book;
    book.AddContentDocument(Chapter(german, 64u << 10));
    return book.Characters(page);
}

std::size_t Deflated(const std::string& bytes)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);  // raw deflate, as in an archive
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    const std::size_t size = stream.total_out;
    deflateEnd(&stream);
    return size;
}

void CollectChapter(benchmark::State& state)
{
    const std::string chapter = Chapter(state.range(0) != 0, 64u << 10);
    for (auto _ : state) {
        BookCharacters book;
        book.AddContentDocument(chapter);
        benchmark::DoNotOptimize(book.Readable());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * chapter.size()));
}

// The set a book's faces are cut to, case forms and all, once its
// documents are read.
void BookCharacterSet(benchmark::State& state)
{
    BookCharacters book;
    book.AddContentDocument(Chapter(state.range(0) != 0, 64u << 10));
    for (auto _ : state)
        benchmark::DoNotOptimize(book.Characters());
}

void SubsetFourFaces(benchmark::State& state)
{
    const std::vector<char32_t> characters = CharactersOf(state.range(0) != 0);
    FontSubsetter subsetter(0);  // keeps nothing: every book cuts
    std::shared_ptr<const SubsetFaces> faces;
    for (auto _ : state)
        faces = subsetter.FacesFor(characters);
    if (!faces) {
        state.SkipWithError("the faces could not be cut");
        return;
    }
    std::size_t deflated = 0;
    for (const std::string& face : faces->bytes)
        deflated += Deflated(face);
    std::size_t whole = 0;
    std::size_t wholeDeflated = 0;
    for (const LiberationFace& face : LiberationFaces::CopyOrder) {
        const std::string bytes = ReadTextFile(FontSource(face.fileName));
        whole += bytes.size();
        wholeDeflated += Deflated(bytes);
    }
    state.counters["characters"] = static_cast<double>(characters.size());
    state.counters["cut_KB"] = static_cast<double>(faces->Size()) / 1024;
    state.counters["cut_deflated_KB"] = static_cast<double>(deflated) / 1024;
    state.counters["regular_deflated_KB"] =
        static_cast<double>(Deflated(faces->Of(LiberationFaces::Regular))) / 1024;
    state.counters["whole_KB"] = static_cast<double>(whole) / 1024;
    state.counters["whole_deflated_KB"] = static_cast<double>(wholeDeflated) / 1024;
}

// Packing the four cut faces at level 9: paid by every book whose cut
// faces are not packed already (whole faces are packed once per run).
void DeflateCutFaces(benchmark::State& state)
{
    const std::shared_ptr<const SubsetFaces> faces = FontSubsetter().FacesFor(CharactersOf(state.range(0) != 0));
    for (auto _ : state)
        for (const std::string& face : faces->bytes)
            benchmark::DoNotOptimize(Deflated(face));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * faces->Size()));
}

// The four cut faces, exact (page 1) or cut to pages of characters, deflated
// by libdeflate at a level against zlib at 9 (level 0 here): the time and
// the packed size of the set, which every book of that set carries.
void DeflateCutSet(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(1));
    const std::shared_ptr<const SubsetFaces> faces =
        FontSubsetter().FacesFor(CharactersOf(true, static_cast<char32_t>(state.range(0))));
    libdeflate_compressor* deflater = level > 0 ? libdeflate_alloc_compressor(level) : nullptr;
    std::string out(1u << 20, '\0');
    std::size_t packed = 0;
    for (auto _ : state) {
        packed = 0;
        for (const std::string& face : faces->bytes)
            packed += deflater ? libdeflate_deflate_compress(deflater, face.data(), face.size(), out.data(), out.size())
                               : Deflated(face);
    }
    if (deflater)
        libdeflate_free_compressor(deflater);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * faces->Size()));
    state.counters["cut_KB"] = static_cast<double>(faces->Size()) / 1024;
    state.counters["packed_KB"] = static_cast<double>(packed) / 1024;
}

// A set stored in the cache of cut faces read back: the file read, every
// face inflated and checked. What a warm run pays once per set instead of
// cutting and deflating.
void CachedSetReadBack(benchmark::State& state)
{
    const std::vector<char32_t> characters = CharactersOf(true);
    const std::shared_ptr<const SubsetFaces> faces = FontSubsetter().FacesFor(characters);
    const std::string folder = std::filesystem::temp_directory_path() / ("face-cache-bench-" + std::to_string(::getpid()));
    FaceCache cache(folder);
    PackedFaces packed;
    for (std::size_t i = 0; i < packed.size(); ++i)
        packed[i] = PackFace(faces->bytes[i]);
    cache.Store("bench", characters, packed);
    cache.Finish();
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.Find("bench", characters));
    std::filesystem::remove_all(folder);
}

// A set cut before: what a library of books with the same characters pays.
void KeptFourFaces(benchmark::State& state)
{
    const std::vector<char32_t> characters = CharactersOf(state.range(0) != 0);
    FontSubsetter subsetter;
    subsetter.FacesFor(characters);
    for (auto _ : state)
        benchmark::DoNotOptimize(subsetter.FacesFor(characters));
}

}  // namespace

BENCHMARK(CollectChapter)->ArgName("german")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BookCharacterSet)->ArgName("german")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(SubsetFourFaces)->ArgName("german")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DeflateCutFaces)->ArgName("german")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DeflateCutSet)
    ->ArgNames({"page", "level"})
    ->ArgsProduct({{1, 32, 128}, {0, 6, 9, 12}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CachedSetReadBack)->Unit(benchmark::kMillisecond);
BENCHMARK(KeptFourFaces)->ArgName("german")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
