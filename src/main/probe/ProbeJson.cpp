#include "main/probe/ProbeJson.h"

#include <ostream>

namespace tarvo::probe {

void PrintJson(ProbeContext& context, const nlohmann::json& value) {
  context.out << value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

}  // namespace tarvo::probe
