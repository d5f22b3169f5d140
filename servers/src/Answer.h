#pragma once
// What a stand-in answers to a request before any fault bends it.
#include <string>

namespace tarvo::servers {

struct Answer {
  int status = 200;
  std::string contentType = "text/html";
  std::string body;
  std::string date;  // the Date header; empty: the time the answer is sent
};

// An HTML error page with that status, e.g. "<html><body><h1>404 Not Found</h1></body></html>".
Answer ErrorPage(int status);

}  // namespace tarvo::servers
