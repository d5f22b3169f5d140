#pragma once
// Throwaway devices for tests. The template points every server at the
// stand-ins' usual ports, where a running scripts/run may listen; a test
// device points them at the test's own server, or at a port where nothing
// listens, so that no start-up job of a test reaches anything else.
#include <memory>
#include <string>

#include "platform/device/Device.h"

namespace tarvo::testing {

// Nothing listens on port 1: connections are refused at once.
inline constexpr int kClosedPort = 1;

// Rewrites every loopback address of the profile in hostDir ("http://127.0.0.1:P",
// "localhost:P", "127.0.0.1:P") to port. False when the profile cannot be rewritten.
bool PointServersAt(const std::string& hostDir, int port);

// Creates (or opens) the device in hostDir with its servers at port.
std::unique_ptr<Device> OpenTestDevice(const std::string& hostDir, int port = kClosedPort);

}  // namespace tarvo::testing
