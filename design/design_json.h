#pragma once

#include <string>
#include <string_view>

#include "design/design.h"

namespace tolvane::design {

// A design as JSON text (resources/README.md shows the format). Keys are matched without regard
// to ASCII letter case, both the document's own ("Controls", "NAME") and property keys. The JSON
// is strict (RFC 8259); json_parse.h says what the reader does beyond that and what it refuses.

// Reads a design from JSON text; source names it in error messages (a file name). Each control's
// entries come in the order of their keys' UTF-8 bytes. Throws DesignError naming the source, the
// control, the key and the value, e.g.
//   form1_design.json: malformed JSON at byte 14: syntax error while parsing value - ...
//   form1_design.json: control "StylerButton1", property "theme": 1.5 is not a 32-bit integer
Design ParseDesign(std::string_view json, std::string_view source);

// The design as JSON text in UTF-8: indented by four spaces, each object's keys sorted by their
// UTF-16 code units, numbers in their shortest form (json_text.h). Bytes of its texts that are
// not UTF-8 are written as U+FFFD.
std::string SerializeDesign(const Design& design);

}  // namespace tolvane::design
