#pragma once
// The stand-in Soku site on the servers' port (paths in SokuPages.h), made
// from DATA/soku/catalogue.txt; without that file these paths are answered
// like any other.
#include <optional>
#include <string>

#include "Answer.h"

namespace tarvo::servers {

// The answer of a Soku path (decoded path; rawQuery the query as sent);
// nullopt for any other path.
std::optional<Answer> SokuAnswer(const std::string& dataDir, const std::string& base, const std::string& path,
                                 const std::string& rawQuery);

}  // namespace tarvo::servers
