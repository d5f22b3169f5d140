#include "platform/ui/SdlDisplay.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>

#include "platform/text/Utf8.h"
#include "platform/ui/ImageCodec.h"

namespace tarvo::ui {
namespace {

int PhoneKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_BACKSPACE: return keys::kBack;
    case SDLK_TAB: return keys::kTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return keys::kReturn;
    case SDLK_ESCAPE: return keys::kEscape;
    case SDLK_PAGEUP: return keys::kPageUp;
    case SDLK_PAGEDOWN: return keys::kPageDown;
    case SDLK_HOME: return keys::kHome;
    case SDLK_LEFT: return keys::kLeft;
    case SDLK_UP: return keys::kUp;
    case SDLK_RIGHT: return keys::kRight;
    case SDLK_DOWN: return keys::kDown;
    case SDLK_DELETE: return keys::kDelete;
    case SDLK_F1: return keys::kSoftLeft;
    case SDLK_F2: return keys::kSoftRight;
    case SDLK_END:
    case SDLK_F4: return keys::kEnd;
    default: return 0;
  }
}

}  // namespace

std::unique_ptr<SdlDisplay> SdlDisplay::Open(int width, int height, int zoom, const std::string& title) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
    return nullptr;
  }
  std::unique_ptr<SdlDisplay> display(new SdlDisplay());
  display->zoom_ = std::clamp(zoom, 1, 8);
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  display->window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                      width * display->zoom_, height * display->zoom_, 0);
  if (display->window_ == nullptr) return nullptr;
  display->renderer_ = SDL_CreateRenderer(display->window_, -1, SDL_RENDERER_SOFTWARE);
  if (display->renderer_ == nullptr) return nullptr;
  if (!display->Resize(width, height)) return nullptr;
  SDL_StartTextInput();
  return display;
}

SdlDisplay::~SdlDisplay() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlDisplay::Resize(int width, int height) {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  width_ = width;
  height_ = height;
  SDL_SetWindowSize(window_, width * zoom_, height * zoom_);
  // RGB888 is XRGB8888: the canvas's own layout, copied without conversion.
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
  return texture_ != nullptr;
}

void SdlDisplay::Present(const Canvas& screen) {
  if (screen.Width() != width_ || screen.Height() != height_) {
    if (!Resize(screen.Width(), screen.Height())) return;
  }
  SDL_UpdateTexture(texture_, nullptr, screen.Pixels(), screen.Width() * 4);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

// The host's clipboard text becomes the phone's: on the first poll, when
// the host says it changed and when the window comes to the front.
void SdlDisplay::TakeHostClipboard(Ui& ui) {
  if (SDL_HasClipboardText() != SDL_TRUE) return;
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return;
  ui.SetClipboardText(FromUtf8(text));
  SDL_free(text);
}

bool SdlDisplay::Poll(Ui& ui) {
  if (!clipboardTaken_) {
    clipboardTaken_ = true;
    TakeHostClipboard(ui);
  }
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    switch (event.type) {
      case SDL_QUIT:
        return false;
      case SDL_CLIPBOARDUPDATE:
        TakeHostClipboard(ui);
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) {
          penDown_ = true;
          ui.PostInput(InputEvent{InputEvent::Type::PenDown, Point{event.button.x / zoom_, event.button.y / zoom_}, 0, {}});
        }
        break;
      case SDL_MOUSEMOTION:
        if (penDown_)
          ui.PostInput(InputEvent{InputEvent::Type::PenMove, Point{event.motion.x / zoom_, event.motion.y / zoom_}, 0, {}});
        break;
      case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT && penDown_) {
          penDown_ = false;
          ui.PostInput(InputEvent{InputEvent::Type::PenUp, Point{event.button.x / zoom_, event.button.y / zoom_}, 0, {}});
        }
        break;
      case SDL_TEXTINPUT:
        ui.PostInput(InputEvent{InputEvent::Type::Text, {}, 0, FromUtf8(event.text.text)});
        break;
      case SDL_KEYDOWN: {
        SDL_Keycode key = event.key.keysym.sym;
        if (key == SDLK_F5) {
          ui.PostTask([&ui] { ui.Rotate(); });
        } else if (key == SDLK_F12) {
          std::string path = screenshotPath_;
          ui.PostTask([&ui, path] {
            bool saved = SavePng(ui.RenderScreen(), path);
            std::fprintf(stderr, "screenshot %s: %s\n", path.c_str(), saved ? "saved" : "failed");
          });
        } else if (key == SDLK_v && (event.key.keysym.mod & KMOD_CTRL) != 0) {
          ui.PostInput(InputEvent{InputEvent::Type::Key, {}, keys::kPaste, {}});
        } else if (int phoneKey = PhoneKeyOf(key); phoneKey != 0) {
          ui.PostInput(InputEvent{InputEvent::Type::Key, {}, phoneKey, {}});
        }
        break;
      }
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED) ui.InvalidateScreen();
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) TakeHostClipboard(ui);
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace tarvo::ui
