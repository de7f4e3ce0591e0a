#include "payload/payload.h"

// Symbols placed around each carried file by the build's generated assembly (.incbin).
#define CW_PAYLOAD(name)                                             \
    extern "C" const unsigned char cw_payload_##name[];              \
    extern "C" const unsigned char cw_payload_##name##_end[];        \
    std::span<const unsigned char> cw::payload::name() {             \
        return {cw_payload_##name, cw_payload_##name##_end};         \
    }

CW_PAYLOAD(server_jar)
CW_PAYLOAD(companion_jar)
CW_PAYLOAD(banattack_jar)
CW_PAYLOAD(skin_library)
CW_PAYLOAD(skin_resource)
CW_PAYLOAD(item_id_table)
CW_PAYLOAD(about_picture)
CW_PAYLOAD(tutorial_page)
