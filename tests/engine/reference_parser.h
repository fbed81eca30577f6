// The parser before it became linear, for the differential test.
#pragma once

#include <string_view>

#include "engine/unit_typy.h"

namespace reference {

bool ReferenceParseExpression(std::string_view text, TokenList& list);

}  // namespace reference
