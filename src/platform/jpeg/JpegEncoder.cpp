#include "platform/jpeg/JpegEncoder.h"

#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <vector>

#include "platform/ui/BitmapBits.h"

namespace {
// Compressed bytes go into a string that grows by whole blocks.
struct TStringDestination {
    jpeg_destination_mgr Manager;
    std::string* Bytes;
    std::vector<JOCTET> Block;
};

constexpr size_t kJpegBlockSize = 16384;

void InitDestination(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TStringDestination*>(Info->dest);
    dest->Block.resize(kJpegBlockSize);
    dest->Manager.next_output_byte = dest->Block.data();
    dest->Manager.free_in_buffer = dest->Block.size();
}

boolean EmptyOutputBuffer(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TStringDestination*>(Info->dest);
    dest->Bytes->append(reinterpret_cast<const char*>(dest->Block.data()), dest->Block.size());
    dest->Manager.next_output_byte = dest->Block.data();
    dest->Manager.free_in_buffer = dest->Block.size();
    return TRUE;
}

void TermDestination(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TStringDestination*>(Info->dest);
    dest->Bytes->append(reinterpret_cast<const char*>(dest->Block.data()),
                        dest->Block.size() - dest->Manager.free_in_buffer);
}

// The library reports errors through a call that must not return: it jumps back here.
struct TJpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Back;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JpegErrorExit(j_common_ptr Info)
{
    auto* errors = reinterpret_cast<TJpegErrors*>(Info->err);
    (*Info->err->format_message)(Info, errors->Message);
    std::longjmp(errors->Back, 1);
}
} // namespace

std::string EncodeJpeg(const TBitmap& Bitmap)
{
    const int width = Bitmap.Width(), height = Bitmap.Height();
    if (width <= 0 || height <= 0) throw EInvalidGraphic("An empty picture cannot be saved as JPEG");

    // The pixels are converted first: from the setjmp below on, only objects made before it
    // may own memory, so that a jump back from the library leaks nothing.
    std::vector<JSAMPLE> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const uint32_t* line = BitmapScanLine(Bitmap, y);
        JSAMPLE* out = rgb.data() + static_cast<size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<JSAMPLE>(line[x] >> 16);
            out[3 * x + 1] = static_cast<JSAMPLE>(line[x] >> 8);
            out[3 * x + 2] = static_cast<JSAMPLE>(line[x]);
        }
    }

    std::string bytes;
    TStringDestination dest{};
    dest.Bytes = &bytes;
    dest.Manager.init_destination = InitDestination;
    dest.Manager.empty_output_buffer = EmptyOutputBuffer;
    dest.Manager.term_destination = TermDestination;

    jpeg_compress_struct info{};
    TJpegErrors errors{};
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = JpegErrorExit;
    if (setjmp(errors.Back)) {
        jpeg_destroy_compress(&info);
        throw EInvalidGraphic(std::string("The picture cannot be compressed as JPEG: ") + errors.Message);
    }
    jpeg_create_compress(&info);
    info.dest = &dest.Manager;
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(info.next_scanline) * width * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return bytes;
}
