#include "tools/screenshots/png_file.h"

#include <png.h>

#include <stdexcept>

void writePng(const std::string& path, const ScreenPicture& picture) {
    std::vector<png_byte> colourMap;
    for (const auto& entry : picture.palette)
        colourMap.insert(colourMap.end(), entry.begin(), entry.end());
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = static_cast<png_uint_32>(picture.palette.size());
    if (!png_image_write_to_file(&image, path.c_str(), 0, picture.colours.data(), 0,
                                 colourMap.data()))
        throw std::runtime_error(path + ": " + image.message);
}

RgbImage readPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw std::runtime_error(path + ": " + image.message);
    image.format = PNG_FORMAT_RGB;
    RgbImage read;
    read.width = static_cast<int>(image.width);
    read.height = static_cast<int>(image.height);
    read.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, read.rgb.data(), 0, nullptr))
        throw std::runtime_error(path + ": " + image.message);
    return read;
}
