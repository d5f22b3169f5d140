#pragma once
// The net TV stand-ins:
//   /tarvo/tvlist.txt  the recommended list, GBK records "#name\r\naddress\r\n"
//                      made from DATA/tv/channels.txt; addresses that are
//                      paths get the base URL the request came to (without
//                      that file, content/tarvo/tvlist.txt answers as any file)
//   /tv/N.y4m          a clip of a few seconds, 160x120 YUV4MPEG2, made on request
#include <optional>
#include <string>

#include "Answer.h"

namespace tarvo::servers {

// The answer of a TV path; nullopt for any other path.
std::optional<Answer> TvAnswer(const std::string& dataDir, const std::string& base, const std::string& path);

// The list text (UTF-8, before the GBK conversion) from channels.txt's text.
std::string TvListText(const std::string& channels, const std::string& base);

// The clip /tv/N.y4m serves.
std::string TvClip(int number);

}  // namespace tarvo::servers
