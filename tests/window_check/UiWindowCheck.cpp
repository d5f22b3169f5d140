// Opens a sample screen in the SDL window (or headless) with the simulator's
// options, for checking by eye or under Xvfb that the window shows what the
// headless rendering shows:
//   ui_window_check --zoom 2 --screenshot window-headless.png --headless
//   ui_window_check --zoom 2   (then take a screenshot of the window)
#include <cstdio>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Simulator.h"
#include "platform/ui/Static.h"

namespace {

using namespace tarvo::ui;

class SampleDialog : public Dialog {
 public:
  explicit SampleDialog(Ui& ui) : Dialog(ui, u"窗口检查") {}
  bool OnInitDialog() override {
    MenuBar bar;
    bar.Add(u"确定", kIdOk).Add(u"取消", kIdCancel);
    SetMenuBar(bar);
    int unit = OwnerUi().TextHeight();
    Rect client = ClientRect();
    label_.Create(this, u"中文标签 Label", Rect::FromSize(unit / 2, unit / 2, client.Width() - unit, unit + 4));
    edit_.Create(this, Rect::FromSize(unit / 2, unit * 2, client.Width() - unit, unit + 6), 10);
    edit_.SetWindowText(u"输入框");
    button_.Create(this, u"按钮", Rect::FromSize(unit / 2, unit * 7 / 2, unit * 4, unit + 6), 11);
    list_.Create(this, Rect{0, unit * 5, client.right, client.bottom}, 12);
    list_.InsertColumn(0, u"名称", client.Width() / 2);
    list_.InsertColumn(1, u"说明", client.Width() / 2);
    for (int i = 0; i < 12; ++i) {
      list_.InsertItem(i, i % 2 == 0 ? u"优酷视频" : u"笑口常开");
      list_.SetItemText(i, 1, u"第一页");
    }
    list_.SetSelected(2);
    return true;
  }

 private:
  Static label_;
  Edit edit_;
  Button button_;
  ListView list_;
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  auto options = ParseSimulatorOptions(args);
  if (!options || !args.empty()) {
    std::fprintf(stderr, "usage: ui_window_check [--headless] [--zoom N] [--size WxH] [--screenshot FILE]\n");
    return 2;
  }
  return RunSimulator(*options, [](Ui& ui) {
    SampleDialog dialog(ui);
    dialog.DoModal();
  });
}
