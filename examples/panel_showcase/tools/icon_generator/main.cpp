// showcase_icons OUTPUT_DIR: writes the showcase program's pictures into
// OUTPUT_DIR, laid out as the program reads them from its "icons\" folder.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "picture_writers.h"
#include "pictures.h"

using namespace showcase_icons;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path out = argv[1];
  std::error_code failed;
  std::filesystem::create_directories(out / "quarlinbox", failed);
  if (failed) {
    std::fprintf(stderr, "%s: %s\n", (out / "quarlinbox").string().c_str(), failed.message().c_str());
    return 1;
  }

  const BorderStyle outerBorder{64, 8, 8.0f, Rgb(78, 118, 178), Rgb(34, 54, 96)};
  const BorderStyle innerBorder{32, 3, 3.0f, Rgb(196, 148, 84), Rgb(140, 100, 52)};

  std::string error;
  const auto path = [&](const char* name) { return (out / name).string(); };
  const bool ok = WritePng(path("newlogo2_256x256.png"), DrawLogo(), error) &&
                  WritePng(path("quarlinbox/downloadpanel_border.png"), DrawBorder(outerBorder), error) &&
                  WritePng(path("border.png"), DrawBorder(innerBorder), error) &&
                  WritePng(path("star.png"), DrawStar(Rgb(150, 195, 255)), error) &&
                  WritePng(path("star2.png"), DrawStar(Rgb(255, 205, 110)), error) &&
                  WritePng(path("star3.png"), DrawStar(Rgb(255, 130, 190)), error) &&
                  WriteJpeg(path("stars.jpg"), DrawStarField(), 92, error);
  if (!ok) {
    std::fprintf(stderr, "showcase_icons: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
