// Draws the program's artwork and writes it as the icon file, the logo JPEG
// and the desktop icons:
//   make_assets OUTPUT_FOLDER
// The artwork: a picture cut into tiles by light gutters, as the program does.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <png.h>

namespace {

struct Colour {
  uint8_t red, green, blue, alpha;
};

// A warm sunset over blue: the "picture" that the tiles are cut from.
Colour Scene(double u, double v) {
  const double sun = std::exp(-((u - 0.68) * (u - 0.68) + (v - 0.35) * (v - 0.35)) * 18);
  const double red = 40 + 200 * (1 - v) * 0.8 + 120 * sun;
  const double green = 70 + 110 * (1 - v) * 0.5 + 100 * sun;
  const double blue = 150 + 90 * v - 60 * sun;
  auto clamp = [](double c) {
    return static_cast<uint8_t>(std::clamp(c, 0.0, 255.0));
  };
  return {clamp(red), clamp(green), clamp(blue), 255};
}

// Tiles with gutters, inside a rounded square for the icon.
Colour IconPixel(int x, int y, int size) {
  const double u = (x + 0.5) / size, v = (y + 0.5) / size;
  const double radius = 0.16, inset = 0.04;
  const double dx = std::max({inset + radius - u, 0.0, u - (1 - inset - radius)});
  const double dy = std::max({inset + radius - v, 0.0, v - (1 - inset - radius)});
  if (dx * dx + dy * dy > radius * radius) return {0, 0, 0, 0};
  const double gutter = std::max(1.0, size / 16.0) / size;
  if (std::fabs(u - 0.5) < gutter / 2 || std::fabs(v - 0.5) < gutter / 2) {
    return {245, 245, 240, 255};
  }
  return Scene(u, v);
}

// Eight tiles in two rows, like the program's tile canvases.
Colour LogoPixel(int x, int y) {
  const int width = 160, height = 66;
  const int pitch_x = width / 4, pitch_y = height / 2;
  if (x % pitch_x >= pitch_x - 3 || y % pitch_y >= pitch_y - 3) {
    return {236, 236, 236, 255};
  }
  return Scene((x + 0.5) / width, (y + 0.5) / height);
}

std::vector<Colour> Draw(int size) {
  std::vector<Colour> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(IconPixel(x, y, size));
  return pixels;
}

void Put16(std::vector<uint8_t>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::vector<Colour> Palette(int bits) {
  std::vector<Colour> palette;
  if (bits == 1) return {{0, 0, 0, 255}, {255, 255, 255, 255}};
  if (bits == 4) {
    for (int i = 0; i < 16; ++i) {
      const uint8_t high = (i & 8) ? 255 : 128;
      palette.push_back({static_cast<uint8_t>((i & 4) ? high : 0),
                         static_cast<uint8_t>((i & 2) ? high : 0),
                         static_cast<uint8_t>((i & 1) ? high : 0), 255});
    }
    palette[8] = {192, 192, 192, 255};
    return palette;
  }
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        palette.push_back({static_cast<uint8_t>(r * 51),
                           static_cast<uint8_t>(g * 51),
                           static_cast<uint8_t>(b * 51), 255});
  while (palette.size() < 256) {
    const uint8_t grey = static_cast<uint8_t>((palette.size() - 216) * 6);
    palette.push_back({grey, grey, grey, 255});
  }
  return palette;
}

int Nearest(const std::vector<Colour>& palette, Colour colour) {
  int best = 0, best_distance = 1 << 30;
  for (size_t i = 0; i < palette.size(); ++i) {
    const int dr = palette[i].red - colour.red;
    const int dg = palette[i].green - colour.green;
    const int db = palette[i].blue - colour.blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) best = static_cast<int>(i), best_distance = distance;
  }
  return best;
}

// One icon image: a DIB of height 2 x size (colour rows, then the AND mask).
std::vector<uint8_t> IconImage(int size, int bits) {
  const std::vector<Colour> pixels = Draw(size);
  const std::vector<Colour> palette = bits <= 8 ? Palette(bits) : std::vector<Colour>();
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, size);
  Put32(out, 2 * size);
  Put16(out, 1);
  Put16(out, bits);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (const Colour& c : palette) {
    out.insert(out.end(), {c.blue, c.green, c.red, 0});
  }
  const int stride = (size * bits + 31) / 32 * 4;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < size; ++x) {
      const Colour c = pixels[y * size + x];
      if (bits == 32) {
        row[4 * x] = c.blue, row[4 * x + 1] = c.green, row[4 * x + 2] = c.red;
        row[4 * x + 3] = c.alpha;
        continue;
      }
      const int index = c.alpha == 0 ? 0 : Nearest(palette, c);
      const int per_byte = 8 / bits;
      const int shift = (per_byte - 1 - x % per_byte) * bits;
      row[x / per_byte] |= static_cast<uint8_t>(index << shift);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  const int mask_stride = (size + 31) / 32 * 4;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(mask_stride, 0);
    for (int x = 0; x < size; ++x) {
      if (pixels[y * size + x].alpha == 0) row[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool WriteIcon(const std::string& path) {
  const struct { int size, bits; } entries[] = {
      {16, 8}, {16, 32}, {32, 1}, {32, 8}, {32, 32},
      {48, 4}, {48, 8}, {48, 32}, {128, 32}};
  std::vector<std::vector<uint8_t>> images;
  for (const auto& entry : entries) images.push_back(IconImage(entry.size, entry.bits));
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, std::size(entries));
  uint32_t offset = 6 + 16 * std::size(entries);
  for (size_t i = 0; i < std::size(entries); ++i) {
    const int bits = entries[i].bits;
    out.push_back(static_cast<uint8_t>(entries[i].size));
    out.push_back(static_cast<uint8_t>(entries[i].size));
    out.push_back(bits < 8 ? static_cast<uint8_t>(1 << bits) : 0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, images[i].size());
    Put32(out, offset);
    offset += images[i].size();
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  return WriteFile(path, out);
}

bool WriteLogo(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr error;
  cinfo.err = jpeg_std_error(&error);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = 160;
  cinfo.image_height = 66;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(160 * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < 160; ++x) {
      const Colour c = LogoPixel(x, static_cast<int>(cinfo.next_scanline));
      row[3 * x] = c.red, row[3 * x + 1] = c.green, row[3 * x + 2] = c.blue;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}

bool WritePng(const std::string& path, int size) {
  const std::vector<Colour> pixels = Draw(size);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = size;
  image.height = size;
  image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0,
                                 nullptr) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_assets OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = WriteIcon(folder + "/pelorine.ico") && WriteLogo(folder + "/logo.jpg");
  for (int size : {16, 32, 48, 128}) {
    ok = ok && WritePng(folder + "/icons/" + std::to_string(size) + ".png", size);
  }
  if (!ok) std::fprintf(stderr, "make_assets: could not write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
