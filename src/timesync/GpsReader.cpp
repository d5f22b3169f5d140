#include "timesync/GpsReader.h"

#include <memory>
#include <thread>

#include "platform/device/SerialPort.h"
#include "timesync/Nmea.h"

namespace tarvo {
namespace {

// The reader's port: a read gives what has arrived and returns at once,
// followed by a 1 ms pause when nothing had.
class PortSource : public NmeaByteSource {
 public:
  explicit PortSource(SerialPort& port) : port_(port) {}
  std::optional<uint8_t> ReadByte() override { return port_.ReadByte(std::chrono::milliseconds(0)); }
  void PauseAfterEmptyRead() override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

 private:
  SerialPort& port_;
};

}  // namespace

PortProbe ProbeComPorts(const DeviceProfile& profile, const std::string& deviceDir, const ProbeTimings& timings) {
  PortProbe probe;
  std::vector<std::unique_ptr<SerialPort>> ports;
  for (int i = 0; i < kProbedPorts; ++i) {
    const std::string name = "COM" + std::to_string(i) + ":";
    if (auto port = OpenComPort(profile, deviceDir, name, kProbeSpeed)) {
      probe.opened.push_back(name);
      ports.push_back(std::move(port));
    }
  }
  if (ports.empty()) return probe;
  std::this_thread::sleep_for(timings.settle);
  for (size_t i = 0; i < ports.size() && probe.selected < 0; ++i) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      std::this_thread::sleep_for(timings.pause);
      if (ports[i]->ReadByte(timings.readWait)) {
        probe.selected = static_cast<int>(i);
        break;
      }
    }
  }
  if (probe.selected < 0) probe.selected = 0;
  return probe;
}

std::string ComPortName(std::string text) {
  if (text.empty() || text.back() != ':') text += ':';
  return text;
}

SystemTime LocalFromUtc(const SystemTime& utc, int zoneMinutes) {
  auto epoch = EpochMsFromSystemTime(utc);
  if (!epoch) return utc;
  return SystemTimeFromEpochMs(*epoch + zoneMinutes * 60000LL);
}

GpsOutcome ReadGpsTime(const DeviceProfile& profile, const std::string& deviceDir, const std::string& portName,
                       int speed, DeviceClock& clock, const std::atomic<bool>& stop,
                       const GpsReadOptions& options) {
  auto port = OpenComPort(profile, deviceDir, portName, speed, 8, 1, SerialParity::None, kFlowXonXoff);
  if (!port) return GpsOutcome::OpenFailed;
  PortSource source(*port);
  int silent = 0;
  std::string line;
  while (!stop.load()) {
    if (ReadNmeaLine(source, line, kMaxNmeaLine, &stop) < 0) {
      if (++silent >= options.silenceLimit) return GpsOutcome::TimedOut;
      continue;
    }
    silent = 0;
    const RmcReading reading = ParseRmc(line);
    if (!reading.utc) continue;
    if (options.onTime) options.onTime(LocalFromUtc(*reading.utc, clock.ZoneMinutes()));
    if (reading.fix) return clock.SetSystemTime(*reading.utc) ? GpsOutcome::Synced : GpsOutcome::SetFailed;
  }
  return GpsOutcome::Stopped;
}

}  // namespace tarvo
