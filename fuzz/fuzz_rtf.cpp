// Fuzzes the RTF reader and writer: any input either parses or raises
// ParseError, and what the writer makes of a parsed document reads back the
// same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/rtf/rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    zelmor::rtf::Document doc;
    try {
        doc = zelmor::rtf::Parse(in);
    } catch (const zelmor::rtf::ParseError&) {
        return 0;
    }
    std::string out = zelmor::rtf::Write(doc);
    zelmor::rtf::Document again = zelmor::rtf::Parse(out);
    if (again.PlainText() != doc.PlainText()) std::abort();
    return 0;
}
