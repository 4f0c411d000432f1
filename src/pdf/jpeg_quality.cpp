#include "pdf/jpeg_quality.hpp"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "base/error.hpp"

namespace vezu {
namespace {

// libjpeg reports fatal errors through a callback that must not return.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

} // namespace

std::string reencodeJpeg(std::string_view jpeg, int quality) {
    jpeg_decompress_struct in{};
    jpeg_compress_struct out{};
    ErrorManager errors{};
    in.err = jpeg_std_error(&errors.base);
    out.err = &errors.base;
    errors.base.error_exit = onError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<unsigned char> row;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&in);
        jpeg_destroy_compress(&out);
        std::free(buffer);
        throw Error("Picture is not a JPEG image");
    }
    jpeg_create_decompress(&in);
    jpeg_create_compress(&out);
    jpeg_mem_src(&in, reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size());
    jpeg_read_header(&in, TRUE);
    jpeg_start_decompress(&in);

    jpeg_mem_dest(&out, &buffer, &size);
    out.image_width = in.output_width;
    out.image_height = in.output_height;
    out.input_components = in.output_components;
    out.in_color_space = in.out_color_space;
    jpeg_set_defaults(&out);
    jpeg_set_quality(&out, quality, TRUE);
    out.density_unit = in.density_unit;
    out.X_density = in.X_density;
    out.Y_density = in.Y_density;
    jpeg_start_compress(&out, TRUE);
    row.resize(static_cast<std::size_t>(in.output_width) *
               static_cast<std::size_t>(in.output_components));
    while (in.output_scanline < in.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&in, rows, 1);
        jpeg_write_scanlines(&out, rows, 1);
    }
    jpeg_finish_compress(&out);
    jpeg_finish_decompress(&in);
    std::string result(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&out);
    jpeg_destroy_decompress(&in);
    std::free(buffer);
    return result;
}

} // namespace vezu
