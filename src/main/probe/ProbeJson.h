#pragma once
// JSON output of tarvo-probe: one line of UTF-8.
#include <nlohmann/json.hpp>

#include "main/probe/ProbeCommand.h"

namespace tarvo::probe {

void PrintJson(ProbeContext& context, const nlohmann::json& value);

}  // namespace tarvo::probe
