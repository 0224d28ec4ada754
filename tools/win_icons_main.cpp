// taviron-win-icons DIRECTORY: draws the program's icon and the toolbar's image list as the Qt
// windows draw them, into the icon files the Windows program's resources are built from
// (taviron.ico and tool-NN.ico), so both window programs show the same pictures.
// scripts/make-windows-icons.sh runs it; the files it writes are kept in win/res.
#include <QBuffer>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "gui/common/QtIcons.h"
#include "views/MainWindowDesign.h"

namespace {

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

QImage Drawn(const QIcon& icon, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  icon.paint(&painter, QRect(0, 0, size, size));
  return image;
}

// One picture of an icon file, as PNG (read by every system since Windows Vista).
std::string Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

bool WriteIcon(const std::string& path, const QIcon& icon, const std::vector<int>& sizes) {
  std::vector<std::string> pictures;
  for (int size : sizes)
    pictures.push_back(Png(Drawn(icon, size)));
  std::string out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(sizes.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const int size = sizes[i];
    out += static_cast<char>(size >= 256 ? 0 : size);
    out += static_cast<char>(size >= 256 ? 0 : size);
    out += '\0';
    out += '\0';
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(pictures[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(pictures[i].size());
  }
  for (const std::string& picture : pictures)
    out += picture;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << out;
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: taviron-win-icons DIRECTORY\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const std::string directory = argv[1];
  bool written = WriteIcon(directory + "/taviron.ico", taviron::ProgramIcon(),
                           {16, 20, 24, 32, 40, 48, 64, 256});
  // The toolbar's pictures at the sizes of the common scales (100 % to 200 %).
  for (int image : taviron::kToolImages) {
    written = WriteIcon(directory + "/tool-" + std::to_string(image) + ".ico",
                        taviron::ToolbarImage(image), {24, 30, 36, 42, 48}) &&
              written;
  }
  if (!written) {
    std::fprintf(stderr, "taviron-win-icons: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
