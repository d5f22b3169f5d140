#pragma once
// The ticker's message list files and the ranges of a message group.
#include <vector>

#include "platform/text/WString.h"

namespace tarvo {

struct TickerMessage {
  int action = 0;
  WString url;
  WString text;
  bool operator==(const TickerMessage&) const = default;
};

// One message list file of a group and the key indices read from it.
struct TickerFileRange {
  int file = 0;
  int first = 0;
  int last = 0;
  bool operator==(const TickerFileRange&) const = default;
};

// Messages are numbered from 1 over the group, step to a file: message m is
// index (m − 1) mod step + 1 of file (m − 1) / step + 1. The files holding
// messages start to end, cut to the first kMaxTickerGroupFiles; empty unless
// 1 ≤ start ≤ end and step ≥ 1.
std::vector<TickerFileRange> TickerMessageFiles(int start, int end, int step);

// A list file counts only when it holds "tarvomsg".
bool IsTickerMessageList(WStringView text);

// Appends the messages first..last of a list file: text "tarvomsg%d",
// "action%d" and "url%d". Indices whose "tarvomsg%d" key the file does not
// hold give no message.
void ParseTickerMessages(WStringView text, int first, int last,
                         std::vector<TickerMessage>& messages);

}  // namespace tarvo
