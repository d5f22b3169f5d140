#pragma once
// Where a request's path and query lead below the content folder. Every
// mapping stays inside the folder: a ".." or "." component, a NUL, or a query
// holding "/" maps to nothing, and the file found must lie inside the folder
// even after symbolic links are followed.
#include <optional>
#include <string>

namespace tarvo::servers {

// The file a request stands for, relative to the content folder: the
// (decoded) path without its leading "/", with "@" and the raw query appended
// to the last component when there is a query ("/article.asp?id=109" ->
// "article.asp@id=109"). nullopt for anything that could leave the folder.
std::optional<std::string> ContentFileFor(const std::string& path, const std::string& query);

// The absolute name of the regular file `relative` names below contentDir,
// or nullopt when it is missing, not a regular file, or resolves outside the
// folder.
std::optional<std::string> ContainedFile(const std::string& contentDir, const std::string& relative);

}  // namespace tarvo::servers
