// zorvik_resgen: writes every picture, the icon and the sounds of zorvik.exe
// into the folder named on the command line, ready for the resource compiler,
// and the icon's images as PNG files for the Linux package.
//
//   zorvik_resgen [--font FILE.ttf] OUTPUT_FOLDER
#include <cstdio>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "ByteWriter.h"
#include "Font.h"
#include "Icon.h"
#include "Pictures.h"
#include "PngFile.h"
#include "Sounds.h"
#include "TileStrip.h"
#include "WavFile.h"

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";

int Usage() {
  std::fprintf(stderr, "usage: zorvik_resgen [--font FILE.ttf] OUTPUT_FOLDER\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string fontPath = kDefaultFont, folder;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--font" && i + 1 < argc) {
      fontPath = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && folder.empty()) {
      folder = arg;
    } else {
      return Usage();
    }
  }
  if (folder.empty()) return Usage();

  Font font;
  std::string error;
  if (!font.Open(fontPath, error)) {
    std::fprintf(stderr, "zorvik_resgen: %s\n", error.c_str());
    return 1;
  }

  const std::vector<IconImage> icon = DrawIconImages(font);
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"tiles.bmp", EncodeBmp24(DrawTileStrip(font))},
      {"logo.bmp", EncodeBmp24(DrawLogo(font))},
      {"mission.bmp", EncodeBmp24(DrawMission(font))},
      {"aboutlogo.bmp", EncodeBmp24(DrawAboutLogo(font))},
      {"zorvik.ico", EncodeIcon(icon, BombIconPalette())},
      {"safe.wav", EncodeWav(SynthesiseSafe())},
      {"mine.wav", EncodeWav(SynthesiseMine())},
  };
  // The same images once more for the Linux desktop's icon theme.
  for (const IconImage& image : icon)
    files.push_back({"zorvik-" + std::to_string(image.size) + ".png", EncodePng(image, BombIconPalette())});
  for (const auto& [name, bytes] : files) {
    const std::string path = folder + "/" + name;
    if (!WriteBytes(path, bytes)) {
      std::fprintf(stderr, "zorvik_resgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
