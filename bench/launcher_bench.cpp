// The launcher's speed: one drag frame at 480x800 (the frame cache copied at
// a new offset with the scroll strip), and a full first paint with the
// frame cache rendered.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"

namespace {

struct Launcher {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "tarvo-bench-launcher";
  std::unique_ptr<tarvo::Device> device;
  std::unique_ptr<tarvo::ui::Ui> ui;
  std::unique_ptr<tarvo::CTarvoApp> app;
  std::unique_ptr<tarvo::CTarvoDlg> dialog;
  tarvo::ui::VirtualClock clock;

  Launcher(int width, int height) {
    device = tarvo::Device::Open(dir.string());
    tarvo::ui::UiOptions options;
    options.width = width;
    options.height = height;
    options.answerMessageBoxes = true;
    options.clock = &clock;
    ui = std::make_unique<tarvo::ui::Ui>(options);
    app = std::make_unique<tarvo::CTarvoApp>(*device, *ui);
    app->PrepareApplication();
    dialog = std::make_unique<tarvo::CTarvoDlg>(*app);
    dialog->CreateModeless();
    ui->ProcessPending();
    ui->RenderScreen();
  }
};

void BM_DragFrame480x800(benchmark::State& state) {
  Launcher launcher(480, 800);
  auto& dialog = *launcher.dialog;
  dialog.OnPenDown({200, 400});
  launcher.clock.Advance(100);  // past the delay after which a move drags
  int y = 400;
  int direction = -6;
  for (auto _ : state) {
    // Alternate up and down so the grid stays within its range.
    y += direction;
    if (y < 300 || y > 500) direction = -direction;
    dialog.OnPenMove({200, y});
    benchmark::DoNotOptimize(launcher.ui->RenderScreen());
  }
}
BENCHMARK(BM_DragFrame480x800)->Unit(benchmark::kMicrosecond);

// Shows one server message of the given length on the ticker.
void ShowMessage(Launcher& launcher, size_t characters) {
  tarvo::Ticker& ticker = launcher.dialog->GetTicker();
  tarvo::TickerConfig config;
  config.types = tarvo::kTickerMessages;
  ticker.ApplyConfig(config);
  tarvo::WString text;
  for (size_t i = 0; i < characters; ++i) text.push_back(i % 3 == 0 ? u'讯' : u'a');
  ticker.SetMessages({{0, u"", text}});
  launcher.dialog->OnTimer(tarvo::CTarvoDlg::kTickerTimer);
}

// One tick of timer 1 and the frame it paints, at 480x800.
void BM_TickerTick480x800(benchmark::State& state) {
  Launcher launcher(480, 800);
  ShowMessage(launcher, static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    launcher.dialog->OnTimer(tarvo::CTarvoDlg::kTickerTimer);
    benchmark::DoNotOptimize(launcher.ui->RenderScreen());
  }
}
BENCHMARK(BM_TickerTick480x800)->Arg(20)->Arg(2000)->Unit(benchmark::kMicrosecond);

// A drag frame while the ticker shows a message.
void BM_DragFrameWithTicker480x800(benchmark::State& state) {
  Launcher launcher(480, 800);
  ShowMessage(launcher, 20);
  auto& dialog = *launcher.dialog;
  dialog.OnPenDown({200, 400});
  launcher.clock.Advance(100);
  int y = 400;
  int direction = -6;
  for (auto _ : state) {
    y += direction;
    if (y < 300 || y > 500) direction = -direction;
    dialog.OnPenMove({200, y});
    benchmark::DoNotOptimize(launcher.ui->RenderScreen());
  }
}
BENCHMARK(BM_DragFrameWithTicker480x800)->Unit(benchmark::kMicrosecond);

void BM_FirstPaintWithFrameCache240x320(benchmark::State& state) {
  Launcher launcher(240, 320);
  for (auto _ : state) {
    launcher.dialog->OnSettingChange(tarvo::ui::SettingChange::InputPanel);  // drops the cache
    benchmark::DoNotOptimize(launcher.ui->RenderScreen());
  }
}
BENCHMARK(BM_FirstPaintWithFrameCache240x320)->Unit(benchmark::kMillisecond);

}  // namespace
