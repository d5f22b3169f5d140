#include "support/TestDevice.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace tarvo::testing {

bool PointServersAt(const std::string& hostDir, int port) {
  const std::string profile = hostDir + "/device.ini";
  std::ifstream in(profile, std::ios::binary);
  if (!in) return false;
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  // Every address follows "=", "," or the "//" of a scheme.
  static const std::regex loopback(R"(([=,/](?:127\.0\.0\.1|localhost)):[0-9]+)");
  const std::string rewritten = std::regex_replace(text.str(), loopback, "$1:" + std::to_string(port));
  std::ofstream out(profile, std::ios::binary | std::ios::trunc);
  out << rewritten;
  return static_cast<bool>(out);
}

std::unique_ptr<Device> OpenTestDevice(const std::string& hostDir, int port) {
  if (!Device::Open(hostDir)) return nullptr;  // made from the template
  if (!PointServersAt(hostDir, port)) return nullptr;
  return Device::Open(hostDir, nullptr, Device::IfMissing::Fail);
}

}  // namespace tarvo::testing
