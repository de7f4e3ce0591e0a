// The posix side has no registry: every read answers empty text.
#include "platform/posix/posix_handles.h"

namespace cw::posix {

bool is_64bit_windows() {
    return false;
}

std::string read_registry_text_64(const std::string&, const std::string&, const std::string&) {
    return {};
}

std::string read_registry_text_32(const std::string&, const std::string&, const std::string&) {
    return {};
}

}  // namespace cw::posix
