#include "output/qr/qr_binary_render.h"

#include <cstdint>

namespace orvosal::qr {

namespace {

void put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// One metafile record: its size in 16-bit words, the function number and the parameters.
void putRecord(std::string& out, uint16_t function, std::initializer_list<uint16_t> parameters) {
  put32(out, static_cast<uint32_t>(3 + parameters.size()));
  put16(out, function);
  for (uint16_t parameter : parameters) put16(out, parameter);
}

constexpr uint16_t kSetWindowOrg = 0x020B;
constexpr uint16_t kSetWindowExt = 0x020C;
constexpr uint16_t kCreatePenIndirect = 0x02FA;
constexpr uint16_t kCreateBrushIndirect = 0x02FC;
constexpr uint16_t kSelectObject = 0x012D;
constexpr uint16_t kRectangle = 0x041B;
constexpr uint16_t kEndOfFile = 0x0000;
constexpr uint16_t kNullPen = 5;
constexpr uint16_t kSolidBrush = 0;
constexpr uint16_t kPlaceableUnitsPerInch = 96;

void putRectangle(std::string& out, int left, int top, int right, int bottom) {
  putRecord(out, kRectangle,
            {static_cast<uint16_t>(bottom), static_cast<uint16_t>(right), static_cast<uint16_t>(top),
             static_cast<uint16_t>(left)});
}

}  // namespace

std::string renderBmp(const Symbol& symbol, int quietZone, int scale) {
  const int modules = symbol.size + 2 * quietZone;
  const int side = modules * scale;
  const int rowBytes = (side + 31) / 32 * 4;
  const uint32_t headerBytes = 14 + 40 + 8;
  const uint32_t imageBytes = static_cast<uint32_t>(rowBytes * side);

  std::string bmp = "BM";
  put32(bmp, headerBytes + imageBytes);
  put32(bmp, 0);
  put32(bmp, headerBytes);
  put32(bmp, 40);
  put32(bmp, static_cast<uint32_t>(side));
  put32(bmp, static_cast<uint32_t>(side));
  put16(bmp, 1);  // planes
  put16(bmp, 1);  // bits per pixel
  put32(bmp, 0);  // no compression
  put32(bmp, imageBytes);
  put32(bmp, 3780);  // 96 pixels per inch
  put32(bmp, 3780);
  put32(bmp, 2);  // colours used
  put32(bmp, 2);
  put32(bmp, 0x00000000);  // colour 0: black
  put32(bmp, 0x00FFFFFF);  // colour 1: white

  for (int y = side - 1; y >= 0; --y) {
    std::string row(static_cast<size_t>(rowBytes), '\0');
    const int moduleRow = y / scale - quietZone;
    for (int x = 0; x < side; ++x) {
      const int moduleColumn = x / scale - quietZone;
      const bool inside =
          moduleRow >= 0 && moduleRow < symbol.size && moduleColumn >= 0 && moduleColumn < symbol.size;
      if (!inside || !symbol.dark(moduleRow, moduleColumn))
        row[static_cast<size_t>(x / 8)] =
            static_cast<char>(row[static_cast<size_t>(x / 8)] | (0x80 >> (x % 8)));
    }
    bmp += row;
  }
  return bmp;
}

std::string renderWmf(const Symbol& symbol, int quietZone, int scale) {
  const int side = (symbol.size + 2 * quietZone) * scale;

  std::string records;
  putRecord(records, kSetWindowOrg, {0, 0});
  putRecord(records, kSetWindowExt, {static_cast<uint16_t>(side), static_cast<uint16_t>(side)});
  putRecord(records, kCreatePenIndirect, {kNullPen, 0, 0, 0, 0});              // object 0
  putRecord(records, kCreateBrushIndirect, {kSolidBrush, 0xFFFF, 0x00FF, 0});  // object 1: white
  putRecord(records, kCreateBrushIndirect, {kSolidBrush, 0x0000, 0x0000, 0});  // object 2: black
  putRecord(records, kSelectObject, {0});
  putRecord(records, kSelectObject, {1});
  putRectangle(records, 0, 0, side, side);
  putRecord(records, kSelectObject, {2});
  for (int row = 0; row < symbol.size; ++row)
    for (int column = 0; column < symbol.size; ++column)
      if (symbol.dark(row, column)) {
        const int x = (column + quietZone) * scale;
        const int y = (row + quietZone) * scale;
        putRectangle(records, x, y, x + scale, y + scale);
      }
  putRecord(records, kEndOfFile, {});

  std::string wmf;
  // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
  put32(wmf, 0x9AC6CDD7);
  put16(wmf, 0);
  put16(wmf, 0);
  put16(wmf, 0);
  put16(wmf, static_cast<uint16_t>(side));
  put16(wmf, static_cast<uint16_t>(side));
  put16(wmf, kPlaceableUnitsPerInch);
  put32(wmf, 0);
  uint16_t checksum = 0;
  for (size_t i = 0; i < wmf.size(); i += 2)
    checksum ^= static_cast<uint16_t>(static_cast<uint8_t>(wmf[i]) | static_cast<uint8_t>(wmf[i + 1]) << 8);
  put16(wmf, checksum);
  // Metafile header: on disk, 9-word header, version 3.0, size in words, 3 objects, largest
  // record (CreatePenIndirect, 8 words), no parameters.
  put16(wmf, 1);
  put16(wmf, 9);
  put16(wmf, 0x0300);
  put32(wmf, static_cast<uint32_t>(9 + records.size() / 2));
  put16(wmf, 3);
  put32(wmf, 8);
  put16(wmf, 0);
  return wmf + records;
}

}  // namespace orvosal::qr
