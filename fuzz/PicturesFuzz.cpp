// The picture rule on arbitrary bytes taken as a book's picture: the first byte picks the rule (screen,
// grey), the rest is the picture. Nothing may crash; a picture given new bytes is one that decoded whole,
// and its new bytes are a whole picture of the same kind that fits the screen; one kept puts nothing.
#include "PictureFit.h"
#include "PictureHead.h"

#include <vips/vips.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct Sink {
    std::string bytes;
    int puts = 0;
};

void Put(void* sink, const char* data, uint64_t size)
{
    Sink& s = *static_cast<Sink*>(sink);
    s.bytes.assign(data, size);
    ++s.puts;
}

// Whether bytes decode whole, every pixel read; their size.
bool DecodesWhole(std::string_view bytes, int& width, int& height)
{
    VipsImage* image = vips_image_new_from_buffer(bytes.data(), bytes.size(), "fail_on=error", nullptr);
    if (!image)
        return false;
    double average = 0;
    const bool read = vips_avg(image, &average, nullptr) == 0;
    width = vips_image_get_width(image);
    height = vips_image_get_height(image);
    g_object_unref(image);
    vips_error_clear();
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const PictureRule rule{100 + (data[0] & 0x0F) * 10, 100 + (data[0] >> 4) * 10, (data[0] & 0x01) != 0,
                           (data[0] & 0x02) != 0};
    const std::string picture(reinterpret_cast<const char*>(data) + 1, size - 1);
    ReadPictureHead(picture);
    Sink sink;
    const int replaced = FitCarriedPicture("OEBPS/p.jpg", picture.data(), picture.size(), Put, &sink,
                                           const_cast<PictureRule*>(&SharedRule(rule)));
    if (replaced != (sink.puts > 0 ? 1 : 0) || sink.puts > 1)
        std::abort();
    if (!replaced)
        return 0;
    int width = 0, height = 0, newWidth = 0, newHeight = 0;
    if (!DecodesWhole(picture, width, height) || !DecodesWhole(sink.bytes, newWidth, newHeight))
        std::abort();  // a picture the library refused, or new bytes that are not whole
    if (KindOf(sink.bytes) != KindOf(picture))
        std::abort();
    const int screenLong = std::max(rule.screenWidth, rule.screenHeight);
    const int screenShort = std::min(rule.screenWidth, rule.screenHeight);
    if (rule.fit && (std::max(newWidth, newHeight) > screenLong || std::min(newWidth, newHeight) > screenShort))
        std::abort();
    return 0;
}
