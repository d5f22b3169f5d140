#pragma once
// The SDL2 window showing the phone screen scaled up (nearest neighbour).
// It only turns host events into pen, key and text input and presents the
// screen canvas; the mouse is the stylus. Host keys: End or F4 = the phone's
// End key, F1/F2 = soft keys, F5 = rotate, F12 = screenshot.
#include <memory>
#include <string>

#include "platform/ui/Ui.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace tarvo::ui {

class SdlDisplay : public Display {
 public:
  // Null when SDL video cannot start (no display).
  static std::unique_ptr<SdlDisplay> Open(int width, int height, int zoom, const std::string& title);
  ~SdlDisplay() override;

  void SetScreenshotPath(std::string path) { screenshotPath_ = std::move(path); }
  void Present(const Canvas& screen) override;
  bool Poll(Ui& ui) override;

 private:
  SdlDisplay() = default;
  bool Resize(int width, int height);
  void TakeHostClipboard(Ui& ui);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int zoom_ = 2;
  bool penDown_ = false;
  bool clipboardTaken_ = false;
  std::string screenshotPath_ = "tarvo-screenshot.png";
};

}  // namespace tarvo::ui
