#include "platform/device/SerialPort.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>

#include "platform/device/SerialLine.h"
#include "support/TempDir.h"
#include "support/TestPty.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using testing::TestPty;

SerialSettings AtSpeed(int speed) {
  SerialSettings settings;
  settings.speed = speed;
  return settings;
}

DeviceProfile ProfileWith(const std::string& serialPorts) {
  return DeviceProfile::Parse("[SerialPorts]\n" + serialPorts);
}

TEST(SerialPortSettings, ReadBackAsEightNoneOneWithXonXoffBothWaysAndNoHandshake) {
  TestPty pty;
  auto port = SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800));
  ASSERT_TRUE(port);
  serial::LineState line;
  ASSERT_TRUE(serial::ReadLineState(port->Descriptor(), line));
  EXPECT_EQ(line.inputSpeed, 4800);
  EXPECT_EQ(line.outputSpeed, 4800);
  EXPECT_EQ(line.dataBits, 8);
  EXPECT_EQ(line.stopBits, 1);
  EXPECT_FALSE(line.parity);
  EXPECT_TRUE(line.xonOutput);
  EXPECT_TRUE(line.xonInput);
  EXPECT_FALSE(line.rtsCts);
  EXPECT_TRUE(line.localLine);
  EXPECT_TRUE(line.receiver);
  EXPECT_FALSE(line.canonical);
  EXPECT_FALSE(line.echo);
}

TEST(SerialPortSettings, SpeedOutsideTheUsualTableIsSetAsTyped) {
  TestPty pty;
  auto port = SerialPort::OpenHost(pty.SlavePath(), AtSpeed(14400));
  ASSERT_TRUE(port);
  serial::LineState line;
  ASSERT_TRUE(serial::ReadLineState(port->Descriptor(), line));
  EXPECT_EQ(line.outputSpeed, 14400);
  EXPECT_EQ(line.inputSpeed, 14400);
}

TEST(SerialPortSettings, ZeroOrNegativeSpeedIsAnOpenFailure) {
  TestPty pty;
  std::string error;
  EXPECT_FALSE(SerialPort::OpenHost(pty.SlavePath(), AtSpeed(0), &error));
  EXPECT_NE(error.find("speed"), std::string::npos) << error;
  EXPECT_FALSE(SerialPort::OpenHost(pty.SlavePath(), AtSpeed(-9600)));
  // Neither attempt left the port held.
  EXPECT_TRUE(SerialPort::OpenHost(pty.SlavePath(), AtSpeed(9600)));
}

TEST(SerialPortExclusive, SecondOpenIsRefusedUntilTheFirstCloses) {
  TestPty pty;
  auto first = SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800));
  ASSERT_TRUE(first);
  std::string error;
  EXPECT_FALSE(SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800), &error));
  EXPECT_NE(error.find("in use"), std::string::npos) << error;
  first.reset();
  EXPECT_TRUE(SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800)));
}

TEST(SerialPortExclusive, ClosingClearsTheExclusiveModeWhileTheFarEndHoldsTheSlave) {
  TestPty pty;
  const int held = pty.HoldSlave();
  ASSERT_GE(held, 0);
  {
    auto port = SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800));
    ASSERT_TRUE(port);
    int exclusive = 0;
    ASSERT_EQ(ioctl(held, TIOCGEXCL, &exclusive), 0);
    EXPECT_NE(exclusive, 0);
  }
  // The mode belongs to the tty, which outlives the closed descriptor.
  int exclusive = 1;
  ASSERT_EQ(ioctl(held, TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);
  EXPECT_TRUE(SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800)));
}

TEST(SerialPortReading, InputFromBeforeTheOpenIsDropped) {
  TestPty pty;
  pty.HoldSlave();
  ASSERT_TRUE(pty.Send("stale bytes"));
  auto port = SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800));
  ASSERT_TRUE(port);
  EXPECT_FALSE(port->ReadByte(0ms).has_value());
  ASSERT_TRUE(pty.Send("$"));
  EXPECT_EQ(port->ReadByte(1000ms), std::optional<uint8_t>('$'));
}

TEST(SerialPortReading, ReadReturnsAtOnceWhenNothingWaitsAndWaitsAtMostTheBound) {
  TestPty pty;
  auto port = SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800));
  ASSERT_TRUE(port);
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(port->ReadByte(0ms).has_value());
  EXPECT_LT(std::chrono::steady_clock::now() - start, 50ms);
  start = std::chrono::steady_clock::now();
  EXPECT_FALSE(port->ReadByte(300ms).has_value());
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 250ms);
  EXPECT_LT(waited, 600ms);
}

TEST(SerialPortReading, BytesWrittenReachTheFarEnd) {
  TestPty pty;
  auto port = SerialPort::OpenHost(pty.SlavePath(), AtSpeed(4800));
  ASSERT_TRUE(port);
  ASSERT_TRUE(port->Write("$PMTK\r\n"));
  EXPECT_EQ(pty.Receive(500ms), "$PMTK\r\n");
}

TEST(ComPortNames, ListedNameOpensItsHostDeviceWhateverTheCase) {
  TestPty pty;
  testing::TempDir dir;
  auto port = OpenComPort(ProfileWith("COM5:=" + pty.SlavePath() + "\n"), dir.Path(), "com5:", 4800);
  EXPECT_TRUE(port);
}

TEST(ComPortNames, RelativePathLiesUnderTheDeviceDirectory) {
  TestPty pty;
  testing::TempDir dir;
  ASSERT_EQ(symlink(pty.SlavePath().c_str(), dir.File("gps-pty").c_str()), 0);
  const DeviceProfile profile = ProfileWith("COM5:=gps-pty\n");
  EXPECT_EQ(SerialPortHostPath(profile, dir.Path(), "COM5:"), dir.File("gps-pty"));
  EXPECT_TRUE(OpenComPort(profile, dir.Path(), "COM5:", 4800));
}

TEST(ComPortNames, UnlistedNamesAndHostPathsNeverOpen) {
  TestPty pty;
  testing::TempDir dir;
  const DeviceProfile profile = ProfileWith("COM5:=" + pty.SlavePath() + "\n");
  std::string error;
  EXPECT_FALSE(OpenComPort(profile, dir.Path(), "COM6:", 4800, 8, 1, SerialParity::None, kFlowXonXoff, &error));
  EXPECT_NE(error.find("COM6:"), std::string::npos) << error;
  EXPECT_FALSE(OpenComPort(profile, dir.Path(), "COM5", 4800));  // the colon is part of the name
  EXPECT_FALSE(OpenComPort(profile, dir.Path(), pty.SlavePath(), 4800));
  EXPECT_FALSE(OpenComPort(profile, dir.Path(), "", 4800));
  EXPECT_FALSE(SerialPortHostPath(profile, dir.Path(), pty.SlavePath()).has_value());
}

TEST(ComPortNames, OrdinaryFileIsNoSerialLine) {
  testing::TempDir dir;
  dir.Write("not-a-tty", "x");
  EXPECT_FALSE(OpenComPort(ProfileWith("COM1:=not-a-tty\n"), dir.Path(), "COM1:", 4800));
}

}  // namespace
}  // namespace tarvo
