#include "Answer.h"

namespace tarvo::servers {
namespace {

const char* Reason(int status) {
  switch (status) {
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 410: return "Gone";
    case 429: return "Too Many Requests";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    case 504: return "Gateway Timeout";
    default: return "Error";
  }
}

}  // namespace

Answer ErrorPage(int status) {
  const std::string title = std::to_string(status) + " " + Reason(status);
  return {status, "text/html", "<html><body><h1>" + title + "</h1></body></html>"};
}

}  // namespace tarvo::servers
