#include "net/Frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "SocketPairStream.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using testing::SocketPair;

std::string Header(uint8_t type, uint32_t length) {
  std::string bytes(1, static_cast<char>(type));
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((length >> shift) & 0xFF);
  return bytes;
}

TEST(EncodeFrame, TypeLengthAndBigEndianText) {
  auto bytes = EncodeFrame(kFrameLogin, u"A中");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, Header(3, 4) + std::string("\x00\x41\x4E\x2D", 4));
}

TEST(EncodeFrame, RefusesTextsOverTheLimit) {
  EXPECT_TRUE(EncodeFrame(kFrameUpload, WString(kMaxFramePayload / 2, u'x')).has_value());
  EXPECT_FALSE(EncodeFrame(kFrameUpload, WString(kMaxFramePayload / 2 + 1, u'x')).has_value());
}

TEST(DecodeFrame, ReadsWhatEncodeWrote) {
  auto frame = DecodeFrame(*EncodeFrame(kFrameHello, u"RESULT={0},CONTENT={好}"));
  ASSERT_TRUE(frame.has_value());
  EXPECT_EQ(frame->type, kFrameHello);
  EXPECT_EQ(frame->text, u"RESULT={0},CONTENT={好}");
}

TEST(DecodeFrame, RefusesOddShortAndOversizedLengths) {
  EXPECT_FALSE(DecodeFrame(Header(2, 3) + "abc").has_value());
  EXPECT_FALSE(DecodeFrame(Header(2, 4) + "ab").has_value());
  EXPECT_FALSE(DecodeFrame(Header(2, 0xFFFFFFFEu) + "ab").has_value());
  EXPECT_FALSE(DecodeFrame(std::string("\x02\x00\x00", 3)).has_value());
  auto empty = DecodeFrame(Header(2, 0));
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(empty->text, u"");
}

TEST(DecodeReceivedText, DecodesOnlyTheBytesPresent) {
  std::string frame = *EncodeFrame(kFrameUpload, u"CONTENT={ok}");
  EXPECT_EQ(DecodeReceivedText(frame.substr(0, 5 + 7)), u"CON");  // odd byte dropped
  EXPECT_EQ(DecodeReceivedText(frame + "\x00\x41"), u"CONTENT={ok}");
  EXPECT_EQ(DecodeReceivedText("\x11"), u"");
}

TEST(SendFrame, DeliversTheWholeFrame) {
  SocketPair pair;
  ASSERT_TRUE(SendFrame(*pair.client, kFrameLogin, u"NAME={abc},PASSWORD={x}"));
  ReceivedFrame got = ReceiveFrame(*pair.server);
  ASSERT_EQ(got.status, ReceiveStatus::kFrame);
  EXPECT_EQ(got.frame.type, kFrameLogin);
  EXPECT_EQ(got.frame.text, u"NAME={abc},PASSWORD={x}");
}

TEST(SendFrame, FalseWhenThePeerIsGone) {
  SocketPair pair;
  pair.server->Close();
  EXPECT_FALSE(SendFrame(*pair.client, kFrameHello, u"NAME={a}"));
}

TEST(SendFrame, LargeFrameNeedsSeveralSendsAndArrivesWhole) {
  SocketPair pair;
  WString text(30000, u'字');
  std::thread sender([&] { EXPECT_TRUE(SendFrame(*pair.client, kFrameUpload, text)); });
  ReceivedFrame got = ReceiveFrame(*pair.server);
  sender.join();
  ASSERT_EQ(got.status, ReceiveStatus::kFrame);
  EXPECT_EQ(got.frame.text, text);
}

TEST(ReceiveFrame, JoinsAFrameThatArrivesInPieces) {
  SocketPair pair;
  std::string bytes = *EncodeFrame(kFrameHello, u"RESULT={0},SESSIONID={QUJD}");
  std::thread sender([&] {
    for (char byte : bytes) {
      pair.client->Write(std::string(1, byte));
      std::this_thread::yield();
    }
  });
  ReceivedFrame got = ReceiveFrame(*pair.server);
  sender.join();
  ASSERT_EQ(got.status, ReceiveStatus::kFrame);
  EXPECT_EQ(got.frame.text, u"RESULT={0},SESSIONID={QUJD}");
}

TEST(ReceiveFrame, RefusesAnOversizedLengthWithoutWaitingForIt) {
  SocketPair pair;
  pair.client->Write(Header(2, 0x7FFFFFF0u));
  EXPECT_EQ(ReceiveFrame(*pair.server).status, ReceiveStatus::kRefused);
}

TEST(ReceiveFrame, RefusesAnOddLength) {
  SocketPair pair;
  pair.client->Write(Header(3, 5) + "abcde");
  EXPECT_EQ(ReceiveFrame(*pair.server).status, ReceiveStatus::kRefused);
}

TEST(ReceiveFrame, GivesUpOnAFrameThatStopsHalfway) {
  SocketPair pair;
  pair.client->Write(Header(3, 10) + "ab");
  ReceiveOptions options;
  options.frameTimeout = 50ms;
  EXPECT_EQ(ReceiveFrame(*pair.server, options).status, ReceiveStatus::kTimedOut);
}

TEST(ReceiveFrame, ReportsAPeerThatClosesMidFrame) {
  SocketPair pair;
  pair.client->Write(Header(3, 10) + "ab");
  pair.client->Close();
  EXPECT_EQ(ReceiveFrame(*pair.server).status, ReceiveStatus::kClosed);
}

TEST(ReceiveFrame, ReportsAClosedConnectionBeforeAFrame) {
  SocketPair pair;
  pair.client->Close();
  EXPECT_EQ(ReceiveFrame(*pair.server).status, ReceiveStatus::kClosed);
}

TEST(ReceiveFrame, EndsWhenAskedToStop) {
  SocketPair pair;
  std::atomic<bool> stop{true};
  ReceiveOptions options;
  options.stop = &stop;
  EXPECT_EQ(ReceiveFrame(*pair.server, options).status, ReceiveStatus::kStopped);
}

// Quiet for a number of waits, then the bytes of one frame.
class QuietThenFrame : public ByteStream {
 public:
  QuietThenFrame(int quietWaits, std::string bytes) : quiet_(quietWaits), bytes_(std::move(bytes)) {}
  std::ptrdiff_t Send(const uint8_t*, size_t size) override { return static_cast<std::ptrdiff_t>(size); }
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds) override {
    ++waits_;
    if (quiet_ > 0) {
      --quiet_;
      return kTimedOut;
    }
    if (bytes_.empty()) return kClosed;
    size_t count = std::min(size, bytes_.size());
    std::copy_n(bytes_.begin(), count, buffer);
    bytes_.erase(0, count);
    return static_cast<std::ptrdiff_t>(count);
  }
  int waits_ = 0;

 private:
  int quiet_;
  std::string bytes_;
};

TEST(ReceiveFrame, KeepsWaitingAcrossQuietSlices) {
  QuietThenFrame stream(5, *EncodeFrame(kFrameLogin, u"RESULT={0}"));
  ReceivedFrame got = ReceiveFrame(stream);
  EXPECT_EQ(got.status, ReceiveStatus::kFrame);
  EXPECT_EQ(got.frame.text, u"RESULT={0}");
  EXPECT_EQ(stream.waits_, 7);  // five quiet slices, the header, the payload
}

TEST(ReceiveFrame, StopIsSeenBetweenQuietSlices) {
  std::atomic<bool> stop{false};
  // A stream that asks for the stop on its third quiet wait.
  class StoppingStream : public QuietThenFrame {
   public:
    explicit StoppingStream(std::atomic<bool>& stop) : QuietThenFrame(100, ""), stop_(stop) {}
    std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds wait) override {
      if (waits_ == 2) stop_ = true;
      return QuietThenFrame::Receive(buffer, size, wait);
    }

   private:
    std::atomic<bool>& stop_;
  } stream(stop);
  ReceiveOptions options;
  options.stop = &stop;
  EXPECT_EQ(ReceiveFrame(stream, options).status, ReceiveStatus::kStopped);
  EXPECT_EQ(stream.waits_, 3);
}

TEST(ReceiveUploadReply, DecodesTheReceivedBytesOnly) {
  SocketPair pair;
  // A reply longer than one receive of 256 bytes is cut, never over-read.
  ASSERT_TRUE(SendFrame(*pair.server, kFrameUpload, u"CONTENT={" + WString(200, u'x') + u"}"));
  auto reply = ReceiveUploadReply(*pair.client, 1000ms);
  ASSERT_TRUE(reply.has_value());
  EXPECT_EQ(reply->size(), (kUploadReplyLimit - kFrameHeaderSize) / 2);
  EXPECT_EQ(reply->substr(0, 9), u"CONTENT={");
}

TEST(ReceiveUploadReply, NothingWhenTheServerCloses) {
  SocketPair pair;
  pair.server->Close();
  EXPECT_FALSE(ReceiveUploadReply(*pair.client, 1000ms).has_value());
}

}  // namespace
}  // namespace tarvo

namespace tarvo {
namespace {

using namespace std::chrono_literals;

// Hands out a reply in the pieces given, one piece a receive.
class PiecesStream : public ByteStream {
 public:
  explicit PiecesStream(std::vector<std::string> pieces) : pieces_(std::move(pieces)) {}
  std::ptrdiff_t Send(const uint8_t*, size_t size) override { return static_cast<std::ptrdiff_t>(size); }
  std::ptrdiff_t Receive(uint8_t* buffer, size_t size, std::chrono::milliseconds) override {
    if (next_ == pieces_.size()) return kTimedOut;
    std::string piece = pieces_[next_++];
    size_t count = std::min(size, piece.size());
    std::copy(piece.begin(), piece.begin() + count, buffer);
    return static_cast<std::ptrdiff_t>(count);
  }

 private:
  std::vector<std::string> pieces_;
  size_t next_ = 0;
};

TEST(ReceiveUploadReply, WaitsForThePayloadAfterALoneHeader) {
  std::string bytes = *EncodeFrame(kFrameUpload, u"RESULT={0},CONTENT={上传成功}");
  PiecesStream stream({bytes.substr(0, kFrameHeaderSize), bytes.substr(kFrameHeaderSize, 7),
                       bytes.substr(kFrameHeaderSize + 7)});
  auto reply = ReceiveUploadReply(stream, 5000ms);
  ASSERT_TRUE(reply.has_value());
  EXPECT_EQ(*reply, u"RESULT={0},CONTENT={上传成功}");
}

TEST(ReceiveUploadReply, AShortFrameEndsTheReadWithoutWaitingForMore) {
  testing::SocketPair pair;
  ASSERT_TRUE(pair.server->Write(*EncodeFrame(kFrameUpload, u"CONTENT={好}")));
  auto started = std::chrono::steady_clock::now();
  auto reply = ReceiveUploadReply(*pair.client, 10000ms);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 5000ms);
  EXPECT_EQ(reply, WString(u"CONTENT={好}"));
}

}  // namespace
}  // namespace tarvo
