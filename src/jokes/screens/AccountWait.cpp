#include "jokes/screens/AccountWait.h"

#include "net/AccountSocket.h"
#include "net/PhoneIdentity.h"

namespace tarvo {

AccountSetup AccountSetupFor(CTarvoApp& app) {
  const DeviceProfile& profile = app.GetDevice().Profile();
  AccountSetup setup;
  setup.server = profile.Server("AccountServer");
  setup.settings.stepTimeout = std::chrono::milliseconds(profile.AccountTimeoutMs());
  setup.settings.codePage = app.GetDevice().CodePage();
  // A line that cannot be opened leaves both identity fields empty.
  setup.identity = GetPhoneIdentity(profile).value_or(PhoneIdentity{});
  setup.phoneModel = app.DeviceVersion;
  return setup;
}

AccountStreamOpener AccountOpener(const AccountSetup& setup, const std::atomic<bool>* stop) {
  return [server = setup.server, step = setup.settings.stepTimeout, stop]() -> std::unique_ptr<ByteStream> {
    auto socket = std::make_unique<AccountSocket>(step, stop);
    if (!socket->Open(server)) return nullptr;
    return socket;
  };
}

WaitEnd RunAndWait(ui::Ui& ui, ui::BackgroundAction& action, ui::BackgroundAction::Work work,
                   std::chrono::milliseconds bound) {
  if (!action.Start(std::move(work), ui::BackgroundAction::Cursor::Wait)) return WaitEnd::kTimedOut;
  ui::InputBlockHold block(ui);
  if (action.WaitDispatching(bound)) return WaitEnd::kDelivered;
  const bool ended = ui.QuitRequested();
  action.StopAndJoin();
  return ended ? WaitEnd::kProgramEnded : WaitEnd::kTimedOut;
}

}  // namespace tarvo
