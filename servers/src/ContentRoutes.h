#pragma once
// The content server: files under DATA/content/ by request path.
#include <optional>
#include <string>

namespace httplib {
class Server;
}

namespace tarvo::servers {

// The file a request stands for: the path below content/, with "@" and the
// query appended when there is one ("/article.asp?id=109" ->
// "article.asp@id=109"). nullopt for a path that would leave the folder.
std::optional<std::string> ContentFileFor(const std::string& path, const std::string& query);

void AddContentRoutes(httplib::Server& server, const std::string& contentDir);

}  // namespace tarvo::servers
