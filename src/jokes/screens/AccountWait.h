#pragma once
// How the login and upload forms run an exchange: the work goes to a
// BackgroundAction and the form waits for its result in a nested loop that
// keeps painting, drops the user's input and shows the wait cursor. The
// program's end, or a result later than the bound, stops the worker and
// joins it within the action's join bound.
#include <chrono>
#include <string>

#include "app/shell/TarvoApp.h"
#include "jokes/AccountExchange.h"
#include "platform/ui/BackgroundAction.h"

namespace tarvo {

// Where and how an exchange runs, taken from the device on the UI thread.
struct AccountSetup {
  std::string server;
  AccountExchangeSettings settings;
  PhoneIdentity identity;
  WString phoneModel;
  // How long a form waits for the whole exchange: the connect and the two
  // steps' bound of the exchange, and a margin.
  std::chrono::milliseconds WaitBound() const { return 3 * settings.stepTimeout + std::chrono::seconds(2); }
};

AccountSetup AccountSetupFor(CTarvoApp& app);
// Opens an AccountSocket to the setup's server, honouring stop.
AccountStreamOpener AccountOpener(const AccountSetup& setup, const std::atomic<bool>* stop);

enum class WaitEnd { kDelivered, kTimedOut, kProgramEnded };

// Starts work and waits until its posts have run, the bound has passed or
// the program ends.
WaitEnd RunAndWait(ui::Ui& ui, ui::BackgroundAction& action, ui::BackgroundAction::Work work,
                   std::chrono::milliseconds bound);

}  // namespace tarvo
