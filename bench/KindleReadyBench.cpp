// What readying a book for reading systems that want declared encodings
// and language codes costs: a content document that already names its
// encoding (its first bytes read), one that needs a declaration (checked
// to be UTF-8 throughout), the registered language codes read from their
// tables (once a run), the language guess over the text, and the markup
// and cover mends, which read every content document whole.
#include "Cover.h"
#include "EncodingDeclaration.h"
#include "KindleMarkup.h"
#include "LanguageTag.h"
#include "PackageLanguage.h"
#include "TextLanguage.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace {

std::string Chapter(std::size_t size, bool declared)
{
    std::string document = declared ? "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" : "";
    document += "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>1</title></head><body>\n";
    while (document.size() < size)
        document += "<p>Die Gro\xC3\x9Fmutter hatte das Kind sehr lieb und schenkte ihm ein K\xC3\xA4ppchen von rotem "
                    "Samt, und weil ihm das so wohl stand, hie\xC3\x9F es nur das Rotk\xC3\xA4ppchen.</p>\n";
    return document + "</body></html>\n";
}

void DeclaredDocument(benchmark::State& state)
{
    const std::string document = Chapter(static_cast<std::size_t>(state.range(0)) << 10, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(FixEncodingDeclaration(document));
}

void UndeclaredDocument(benchmark::State& state)
{
    const std::string document = Chapter(static_cast<std::size_t>(state.range(0)) << 10, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(FixEncodingDeclaration(document));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}

// A second pass over a package document of 300 items: its language is
// judged usable from the metadata alone.
void UsablePackageLanguage(benchmark::State& state)
{
    std::string package =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\">\n"
        "  <metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n    <dc:title>T</dc:title>\n"
        "    <dc:creator>A</dc:creator>\n    <dc:language>de</dc:language>\n  </metadata>\n  <manifest>\n";
    for (int i = 0; i < 300; ++i)
        package += "    <item id=\"c" + std::to_string(i) + "\" href=\"Text/c" + std::to_string(i) +
                   ".xhtml\" media-type=\"application/xhtml+xml\"/>\n";
    package += "  </manifest>\n  <spine/>\n</package>\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(JudgePackageLanguage(package));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * package.size()));
}

// What a run pays once, at its first language value: iso-codes' tables
// of ISO 639 read with Qt's JSON reader.
void ReadRegisteredCodes(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadIso639Codes("/usr/share/iso-codes/json"));
}

// The collector over a book's first chapters, and the guess over what it
// gathered; the guesser's one-time set-up is left out.
void GuessFromText(benchmark::State& state)
{
    const std::string chapter = Chapter(8 << 10, true);
    GuessLanguage(std::string(1024, 'a'));
    for (auto _ : state) {
        TextLanguageCollector collector;
        for (int i = 0; collector.WantsText(); ++i)
            collector.Add("ch" + std::to_string(i) + ".xhtml", chapter);
        benchmark::DoNotOptimize(collector.Language());
    }
}

// What every content document now costs: its tags read for links with a
// fragment and pictures without a source, where it has none.
void MarkupWithoutMends(benchmark::State& state)
{
    const std::string document = Chapter(static_cast<std::size_t>(state.range(0)) << 10, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BodyId(document));
        benchmark::DoNotOptimize(MayNeedKindleMends(document));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}

// A chapter whose every paragraph links to a note elsewhere, one in ten
// to a chapter's body: read, and mended.
void MarkupMended(benchmark::State& state)
{
    std::string document = Chapter(static_cast<std::size_t>(state.range(0)) << 10, true);
    std::size_t n = 0;
    for (std::size_t at = document.find("</p>"); at != std::string::npos; at = document.find("</p>", at)) {
        const std::string link = ++n % 10 ? "<a href=\"notes.xhtml#n" + std::to_string(n) + "\">*</a>"
                                          : std::string("<a href=\"../Text/c2.xhtml#body\">*</a>");
        document.insert(at, link);
        at += link.size() + 4;
    }
    const std::map<std::string, std::string> bodies = {{"OEBPS/Text/c2.xhtml", "body"}};
    for (auto _ : state)
        benchmark::DoNotOptimize(MendKindleMarkup(document, "OEBPS/Text/c1.xhtml", bodies));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
}

// A package document of 300 items whose cover the meta alone names.
void CoverNamedBothWays(benchmark::State& state)
{
    std::string package =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\">\n"
        "  <metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n    <dc:title>T</dc:title>\n"
        "    <meta name=\"cover\" content=\"img\"/>\n  </metadata>\n  <manifest>\n"
        "    <item id=\"img\" href=\"Images/front.jpg\" media-type=\"image/jpeg\"/>\n";
    for (int i = 0; i < 300; ++i)
        package += "    <item id=\"c" + std::to_string(i) + "\" href=\"Text/c" + std::to_string(i) +
                   ".xhtml\" media-type=\"application/xhtml+xml\"/>\n";
    package += "  </manifest>\n  <spine/>\n</package>\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(NameCoverBothWays(package));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * package.size()));
}

}  // namespace

BENCHMARK(DeclaredDocument)->Arg(64)->Arg(1024);
BENCHMARK(UndeclaredDocument)->Arg(64)->Arg(1024);
BENCHMARK(UsablePackageLanguage);
BENCHMARK(ReadRegisteredCodes)->Unit(benchmark::kMillisecond);
BENCHMARK(GuessFromText)->Unit(benchmark::kMillisecond);
BENCHMARK(MarkupWithoutMends)->Arg(64)->Arg(1024);
BENCHMARK(MarkupMended)->Arg(64)->Arg(1024);
BENCHMARK(CoverNamedBothWays);
BENCHMARK_MAIN();
