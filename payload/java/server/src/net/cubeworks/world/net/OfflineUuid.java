package net.cubeworks.world.net;

import java.nio.charset.Charset;
import java.util.UUID;

/** The identity of a player on a server that does not verify accounts. */
public final class OfflineUuid {
    private OfflineUuid() {
    }

    /** The name-based (version 3) UUID of "OfflinePlayer:" + name. */
    public static UUID of(String name) {
        return UUID.nameUUIDFromBytes(("OfflinePlayer:" + name).getBytes(Charset.forName("UTF-8")));
    }

    /**
     * The UUID text sent in Login Success: 32 hex digits for protocol 4 (1.7.2), the usual
     * hyphenated form for protocol 5 and later.
     */
    public static String forProtocol(String name, int protocol) {
        String s = of(name).toString();
        return protocol <= 4 ? s.replace("-", "") : s;
    }
}
