#include "link/memory_dumps.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>

namespace zelto {
namespace {

constexpr int kRowBytes = 16;
constexpr int kFloatsPerLine = 4;

// Where each part of the table area starts in the image.
constexpr int kRangeWords = 0x010;
constexpr int kCalibrationReals = 0x020;
constexpr int kCorrectionReals = 0x054;
constexpr int kTable1Range = 0x080;
constexpr int kTable1Counts = 0x084;
constexpr int kTable1Knots = 0x08C;
constexpr int kTable1Coefficients = 0x0A0;
constexpr int kTable2Counts = 0x120;
constexpr int kTable2Knots = 0x124;
constexpr int kTable2Coefficients = 0x130;
constexpr int kTable3Range = 0x190;
constexpr int kTable3Counts = 0x194;
constexpr int kTable3Knots = 0x19C;
constexpr int kTable3Coefficients = 0x1B0;

template <typename... Values>
std::string Format(const char* format, Values... values) {
  std::array<char, 128> line{};
  std::snprintf(line.data(), line.size(), format, values...);
  return line.data();
}

std::uint32_t Word(const EEImage& image, int offset) {
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i)
    word |= static_cast<std::uint32_t>(image[static_cast<std::size_t>(offset + i)]) << (8 * i);
  return word;
}

int Int32At(const EEImage& image, int offset) {
  return static_cast<std::int32_t>(Word(image, offset));
}

int Int16At(const EEImage& image, int offset) {
  const auto low = static_cast<unsigned int>(image[static_cast<std::size_t>(offset)]);
  const auto high = static_cast<unsigned int>(image[static_cast<std::size_t>(offset + 1)]);
  return static_cast<std::int16_t>(low | high << 8);
}

double FloatAt(const EEImage& image, int offset) {
  return static_cast<double>(std::bit_cast<float>(Word(image, offset)));
}

int ByteAt(const EEImage& image, int offset) {
  return image[static_cast<std::size_t>(offset)];
}

std::string FourFloats(const EEImage& image, int offset) {
  return Format("%12.5e, %12.5e, %12.5e, %12.5e", FloatAt(image, offset),
                FloatAt(image, offset + 4), FloatAt(image, offset + 8),
                FloatAt(image, offset + 12));
}

std::string RangeLine(const EEImage& image, int offset) {
  return Format("%04d,  %04d", Int16At(image, offset), Int16At(image, offset + 2));
}

std::string CountsLine(const EEImage& image, int offset) {
  return Format("%02d, %02d, %02d, %02d, %02d", ByteAt(image, offset), ByteAt(image, offset + 1),
                ByteAt(image, offset + 2), ByteAt(image, offset + 3), ByteAt(image, offset + 4));
}

std::string KnotsLine(const EEImage& image, int offset) {
  return Format("%06d, %06d, %06d, %06d, %06d", Int32At(image, offset), Int32At(image, offset + 4),
                Int32At(image, offset + 8), Int32At(image, offset + 12),
                Int32At(image, offset + 16));
}

void AddCoefficientLines(const EEImage& image, int offset, int count,
                         std::vector<std::string>& lines) {
  constexpr int kLineBytes = kFloatsPerLine * 4;
  for (int line = 0; line < count / kFloatsPerLine; ++line) {
    const int start = offset + line * kLineBytes;
    if (start + kLineBytes > kEEImageSize)
      return;
    lines.push_back(FourFloats(image, start));
  }
}

}  // namespace

std::vector<std::string> EEImageDumpLines(const EEImage& image) {
  std::vector<std::string> lines;
  for (int row = 0; row < kEEImageSize / kRowBytes; ++row) {
    std::array<char, 8 + 3 * kRowBytes> line{};
    int used = std::snprintf(line.data(), line.size(), "%04x  ",
                             static_cast<unsigned int>(row * kRowBytes));
    for (int i = 0; i < kRowBytes; ++i) {
      used += std::snprintf(line.data() + used, line.size() - static_cast<std::size_t>(used),
                            "%02x ", ByteAt(image, row * kRowBytes + i));
    }
    lines.emplace_back(line.data());
  }
  lines.emplace_back();
  return lines;
}

std::vector<std::string> TablesDumpLines(const EEImage& image, int count1, int count2, int count3) {
  std::vector<std::string> lines = EEImageDumpLines(image);
  lines.push_back(Format("%06d, %06d, %06d, %06d", Int32At(image, kRangeWords),
                         Int32At(image, kRangeWords + 4), Int32At(image, kRangeWords + 8),
                         Int32At(image, kRangeWords + 12)));
  lines.push_back(FourFloats(image, kCalibrationReals));
  lines.push_back(Format("%12.5e, %12.5e", FloatAt(image, kCorrectionReals),
                         FloatAt(image, kCorrectionReals + 4)));

  lines.push_back(RangeLine(image, kTable1Range));
  lines.push_back(CountsLine(image, kTable1Counts));
  lines.push_back(KnotsLine(image, kTable1Knots));
  AddCoefficientLines(image, kTable1Coefficients, count1, lines);

  lines.push_back(CountsLine(image, kTable2Counts));
  lines.push_back(KnotsLine(image, kTable2Knots));
  AddCoefficientLines(image, kTable2Coefficients, count2, lines);

  lines.push_back(RangeLine(image, kTable3Range));
  lines.push_back(CountsLine(image, kTable3Counts));
  lines.push_back(KnotsLine(image, kTable3Knots));
  AddCoefficientLines(image, kTable3Coefficients, count3, lines);
  return lines;
}

void DumpEEImage(const EEImage& image, Reporter& reporter) {
  for (const std::string& line : EEImageDumpLines(image))
    reporter.AddMemoLine(line);
}

void DumpTables(const EEImage& image, int count1, int count2, int count3, Reporter& reporter) {
  for (const std::string& line : TablesDumpLines(image, count1, count2, count3))
    reporter.AddMemoLine(line);
}

}  // namespace zelto
