#pragma once
// Runs the program's launcher, with the tool table, on a test's UI thread as
// tarvo does, and waits until it shows. For suites that link the program.
#include <gtest/gtest.h>

#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"
#include "main/ToolTable.h"
#include "platform/text/Utf8.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::testing {

// launcher points at the running launcher while it runs, null before and after.
inline ::testing::AssertionResult RunLauncherWithTools(ScreenDriver& driver, CTarvoApp& app, CTarvoDlg*& launcher) {
  driver.Start([&app, &launcher] {
    app.InitInstance([&app, &launcher] {
      CTarvoDlg dialog(app);
      RegisterTools(dialog, app);
      launcher = &dialog;
      const int code = dialog.DoModal();
      launcher = nullptr;
      return code;
    });
  });
  if (driver.WaitFor([&launcher] { return launcher != nullptr && launcher->IsVisible(); }))
    return ::testing::AssertionSuccess();
  auto box = driver.ShownMessageBox();
  return ::testing::AssertionFailure() << "shown instead: " << ToUtf8(driver.TopCaption()) << " "
                                       << (box ? ToUtf8(box->text) : std::string());
}

}  // namespace tarvo::testing
