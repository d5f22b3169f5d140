#pragma once
// The stand-in parse page (/parse.php?kw=ADDRESS): the parts of a catalogue
// video with their media addresses, or the notice of a failure, in GBK.
#include <string>

#include "youku/YoukuCatalogue.h"

namespace tarvo::servers::youku {

// The page for address (decoded), before the GBK conversion. Addresses that
// are not a catalogue site's single-video page get the unsupported notice.
std::string ParsePageText(const Catalogue& catalogue, const std::string& address, const std::string& base);

// base + "/media/" + vid + "_" + part + ".y4m"
std::string MediaAddress(const std::string& base, const std::string& vid, int part);

}  // namespace tarvo::servers::youku
