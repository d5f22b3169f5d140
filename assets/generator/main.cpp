// Writes the pictures the program installs with itself: launcher icons, the
// default background, the page buttons of every colour style, the logo and
// the caption button faces, below the given phone file-system root.
//
//   tarvo-picture-generator --out ROOT --font BOLD_TTF [--sheet FILE]
//
// --sheet also writes a contact sheet of all icons at full and half size.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Backdrop.h"
#include "Buttons.h"
#include "Catalog.h"
#include "ContactSheet.h"

namespace fs = std::filesystem;
using namespace tarvo::pictures;

namespace {

class Writer {
 public:
  explicit Writer(fs::path root) : root_(std::move(root)) {}

  bool Png(const char* folder, const std::string& file, const Raster& picture, bool withAlpha) {
    std::string error;
    const fs::path path = Prepare(folder, file);
    if (!picture.SavePng(path.string(), withAlpha, &error)) return Fail(error);
    ++written_;
    return true;
  }

  bool Jpeg(const char* folder, const std::string& file, const Raster& picture) {
    std::string error;
    const fs::path path = Prepare(folder, file);
    if (!picture.SaveJpeg(path.string(), 92, &error)) return Fail(error);
    ++written_;
    return true;
  }

  int Written() const { return written_; }

 private:
  fs::path Prepare(const char* folder, const std::string& file) {
    const fs::path dir = root_ / folder;
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir / file;
  }

  static bool Fail(const std::string& error) {
    std::fprintf(stderr, "tarvo-picture-generator: cannot write %s\n", error.c_str());
    return false;
  }

  fs::path root_;
  int written_ = 0;
};

bool WriteIcons(Writer& out, const Lettering& bold, const std::string& sheetPath) {
  const SymbolCanvas canvas(kIconSize, bold);
  std::vector<Raster> drawn;
  bool ok = true;
  const auto write = [&](const IconEntry& icon) {
    drawn.push_back(DrawIcon(kIconSize, icon.color, icon.symbol(canvas)));
    ok &= out.Png(icon.folder, icon.file, drawn.back(), true);
  };
  for (const IconEntry& icon : LauncherIcons()) write(icon);
  write(kLogo);
  write(kGenericProgramIcon);
  if (!sheetPath.empty()) {
    std::string error;
    if (!DrawContactSheet(drawn).SavePng(sheetPath, false, &error)) {
      std::fprintf(stderr, "tarvo-picture-generator: cannot write %s\n", error.c_str());
      ok = false;
    }
  }
  return ok;
}

bool WritePageButtons(Writer& out) {
  bool ok = true;
  for (const PageButtonStyle& style : PageButtonStyles()) {
    const std::string stem = style.stem;
    for (const bool small : {false, true}) {
      const int w = small ? kSmallPageButtonWidth : kPageButtonWidth;
      const int h = small ? kSmallPageButtonHeight : kPageButtonHeight;
      const std::string suffix = small ? "_Small.png" : ".png";
      ok &= out.Png(kTarvoImageFolder, stem + "_Left" + suffix,
                    DrawPageButton(w, h, style.color, ArrowDirection::Left), true);
      ok &= out.Png(kTarvoImageFolder, stem + "_Right" + suffix,
                    DrawPageButton(w, h, style.color, ArrowDirection::Right), true);
    }
  }
  return ok;
}

bool WriteButtonFaces(Writer& out) {
  bool ok = true;
  for (const ButtonFace& face : ButtonFaces())
    ok &= out.Png(kResourceFolder, std::to_string(face.resourceId) + ".png",
                  DrawButtonFace(face.width, face.height, face.pressed), false);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::string root;
  std::string font;
  std::string sheet;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--out") root = argv[i + 1];
    else if (option == "--font") font = argv[i + 1];
    else if (option == "--sheet") sheet = argv[i + 1];
  }
  if (root.empty() || font.empty()) {
    std::fprintf(stderr, "usage: tarvo-picture-generator --out ROOT --font BOLD_TTF [--sheet FILE]\n");
    return 2;
  }
  const Lettering bold(font);
  if (!bold.IsOpen()) {
    std::fprintf(stderr, "tarvo-picture-generator: cannot open font %s: %s\n", font.c_str(),
                 TTF_GetError());
    return 1;
  }
  Writer out(root);
  bool ok = WriteIcons(out, bold, sheet);
  ok &= WritePageButtons(out);
  ok &= WriteButtonFaces(out);
  ok &= out.Jpeg(kTarvoImageFolder, kBackgroundFile, DrawBackground(kBackgroundWidth, kBackgroundHeight));
  std::printf("tarvo-picture-generator: %d pictures below %s\n", out.Written(), root.c_str());
  return ok ? 0 : 1;
}
