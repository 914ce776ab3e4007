// The picture rule on libvips: decoded in strips and shrunk while decoding, one thread a picture.
#include "PictureFit.h"

#include <vips/vips.h>
#include <zlib.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <tuple>

namespace {

// libvips once for the process: its own threads to one (the zip library's
// pipeline runs one picture per core) and no cache of operations, which
// would keep decoded pictures.
bool VipsReady()
{
    static const bool ready = [] {
        if (VIPS_INIT("bindwell") != 0)
            return false;
        // A picture that does not decode is the fix's to name, in its own
        // words: libvips says nothing on the terminal.
        g_log_set_handler("VIPS", static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO),
                          [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
        vips_concurrency_set(1);
        vips_cache_set_max(0);
        vips_cache_set_max_mem(0);
        return true;
    }();
    return ready;
}

bool LargerThanScreen(int width, int height, const PictureRule& rule)
{
    const int longSide = std::max(width, height), shortSide = std::min(width, height);
    const int screenLong = std::max(rule.screenWidth, rule.screenHeight);
    const int screenShort = std::min(rule.screenWidth, rule.screenHeight);
    return longSide > screenLong || shortSide > screenShort;
}

struct Unref {
    void operator()(VipsImage* image) const { g_object_unref(image); }
};
using Image = std::unique_ptr<VipsImage, Unref>;

bool IsGrey(VipsImage* image)
{
    const VipsInterpretation kind = vips_image_get_interpretation(image);
    return kind == VIPS_INTERPRETATION_B_W || kind == VIPS_INTERPRETATION_GREY16;
}

// The picture's size as it is shown: orientations 5 to 8 turn it a quarter.
std::pair<int, int> ShownSize(VipsImage* image)
{
    int orientation = 1;
    if (vips_image_get_typeof(image, VIPS_META_ORIENTATION))
        vips_image_get_int(image, VIPS_META_ORIENTATION, &orientation);
    const int width = vips_image_get_width(image), height = vips_image_get_height(image);
    return orientation >= 5 && orientation <= 8 ? std::pair{height, width} : std::pair{width, height};
}

FittedPicture Fail()
{
    vips_error_clear();
    return {PictureVerdict::Unreadable, {}};
}

FittedPicture Fit(std::string_view bytes, const PictureRule& rule)
{
    const PictureHead head = ReadPictureHead(bytes);
    if (!RuleMayChange(head, rule))
        return {};
    if (head.sized) {
        const std::uint64_t pixels = std::uint64_t(head.width) * std::uint64_t(head.height);
        if (pixels > MostPixels)
            return {PictureVerdict::TooLarge, {}};
        if (head.decodedWhole && pixels > MostPixelsWhole)
            return {PictureVerdict::TooLargeWhole, {}};
    }
    if (!VipsReady())
        return Fail();
    const char* const loadOptions = "fail_on=error";
    Image header(vips_image_new_from_buffer(bytes.data(), bytes.size(), loadOptions, "access",
                                            VIPS_ACCESS_SEQUENTIAL, nullptr));
    if (!header)
        return Fail();
    const std::uint64_t pixels =
        std::uint64_t(vips_image_get_width(header.get())) * std::uint64_t(vips_image_get_height(header.get()));
    if (pixels > MostPixels)
        return {PictureVerdict::TooLarge, {}};
    const auto [width, height] = ShownSize(header.get());
    const bool scale = rule.fit && LargerThanScreen(width, height, rule);
    const bool makeGrey = rule.grey && !IsGrey(header.get()) && !(head.sized && head.grey);
    header.reset();
    if (!scale && !makeGrey)
        return {};

    // The box of the screen turned as the picture is; a picture that is not
    // scaled is only turned upright and its colours read.
    const int screenLong = std::max(rule.screenWidth, rule.screenHeight);
    const int screenShort = std::min(rule.screenWidth, rule.screenHeight);
    const bool landscape = width > height;
    const int boxWidth = scale ? (landscape ? screenLong : screenShort) : width;
    const int boxHeight = scale ? (landscape ? screenShort : screenLong) : height;
    VipsImage* raw = nullptr;
    if (vips_thumbnail_buffer(const_cast<char*>(bytes.data()), bytes.size(), &raw, boxWidth, "height", boxHeight,
                              "size", VIPS_SIZE_DOWN, "option_string", loadOptions, nullptr) != 0)
        return Fail();
    Image image(raw);
    if (vips_image_get_interpretation(image.get()) == VIPS_INTERPRETATION_CMYK) {
        VipsImage* srgb = nullptr;
        if (vips_colourspace(image.get(), &srgb, VIPS_INTERPRETATION_sRGB, nullptr) != 0)
            return Fail();
        image.reset(srgb);
    }
    if (makeGrey) {
        VipsImage* grey = nullptr;
        if (vips_colourspace(image.get(), &grey, VIPS_INTERPRETATION_B_W, nullptr) != 0)
            return Fail();
        image.reset(grey);
    }
    void* buffer = nullptr;
    std::size_t length = 0;
    int saved = -1;
    if (head.kind == PictureKind::Jpeg) {
        saved = vips_jpegsave_buffer(image.get(), &buffer, &length, "Q", 85, "optimize_coding", TRUE, "interlace",
                                     FALSE, "strip", TRUE, nullptr);
    } else {
        saved = vips_pngsave_buffer(image.get(), &buffer, &length, "compression", 9, "strip", TRUE, "palette",
                                    head.palette ? TRUE : FALSE, nullptr);
    }
    if (saved != 0 || !buffer)
        return Fail();
    FittedPicture out{PictureVerdict::Fitted, std::string(static_cast<const char*>(buffer), length)};
    g_free(buffer);
    // Only greyed, it keeps its bytes unless the new ones are smaller.
    if (!scale && out.bytes.size() >= bytes.size())
        return {};
    return out;
}

// The verdicts FitCarriedPicture gave, by rule, size and CRC-32.
class Verdicts {
public:
    using Key = std::tuple<PictureRule, std::uint64_t, std::uint32_t>;

    void Note(const Key& key, PictureVerdict verdict)
    {
        std::lock_guard<std::mutex> hold(mutex_);
        if (byKey_.size() >= Most)
            byKey_.clear();
        byKey_[key] = verdict;
    }
    std::optional<PictureVerdict> Find(const Key& key)
    {
        std::lock_guard<std::mutex> hold(mutex_);
        const auto it = byKey_.find(key);
        return it == byKey_.end() ? std::nullopt : std::optional(it->second);
    }

private:
    static constexpr std::size_t Most = 1u << 16;
    std::mutex mutex_;
    std::map<Key, PictureVerdict> byKey_;
};

Verdicts g_verdicts;

std::uint32_t Crc(std::string_view bytes)
{
    uLong crc = crc32(0, nullptr, 0);
    while (!bytes.empty()) {
        const auto piece = static_cast<uInt>(std::min<std::size_t>(bytes.size(), 1u << 30));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), piece);
        bytes.remove_prefix(piece);
    }
    return static_cast<std::uint32_t>(crc);
}

bool DotName(std::string_view name)
{
    const std::size_t slash = name.rfind('/');
    return name.substr(slash == std::string_view::npos ? 0 : slash + 1).starts_with('.');
}

}  // namespace

bool RuleMayChange(const PictureHead& head, const PictureRule& rule)
{
    if (head.kind == PictureKind::None || (!rule.fit && !rule.grey))
        return false;
    if (!head.sized)
        return true;
    return (rule.fit && LargerThanScreen(head.width, head.height, rule)) || (rule.grey && !head.grey);
}

FittedPicture FitPicture(std::string_view bytes, const PictureRule& rule) noexcept
{
    try {
        return Fit(bytes, rule);
    } catch (...) {
        return {PictureVerdict::Unreadable, {}};
    }
}

const PictureRule& SharedRule(const PictureRule& rule)
{
    static std::mutex mutex;
    static std::set<PictureRule> rules;
    std::lock_guard<std::mutex> hold(mutex);
    return *rules.insert(rule).first;
}

int FitCarriedPicture(const char* name, const char* data, std::uint64_t size,
                      void (*put)(void* sink, const char* data, std::uint64_t size), void* sink,
                      void* context) noexcept
{
    try {
        if (!name || !data || !put || !context || DotName(name))
            return 0;
        const PictureRule& rule = *static_cast<const PictureRule*>(context);
        const std::string_view bytes(data, static_cast<std::size_t>(size));
        if (KindOf(bytes) == PictureKind::None)
            return 0;
        const FittedPicture fitted = FitPicture(bytes, rule);
        g_verdicts.Note({rule, size, Crc(bytes)}, fitted.verdict);
        if (fitted.verdict != PictureVerdict::Fitted)
            return 0;
        put(sink, fitted.bytes.data(), fitted.bytes.size());
        return 1;
    } catch (...) {
        return 0;
    }
}

std::optional<PictureVerdict> VerdictOf(const PictureRule& rule, std::uint64_t size, std::uint32_t crc)
{
    try {
        return g_verdicts.Find({rule, size, crc});
    } catch (...) {
        return std::nullopt;
    }
}
