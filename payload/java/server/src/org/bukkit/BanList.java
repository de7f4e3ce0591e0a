package org.bukkit;

import java.util.Date;
import java.util.Set;

/** The banned player names or the banned addresses, as the server's ban files keep them. */
public interface BanList {
    /** The two lists. */
    enum Type {
        NAME,
        IP
    }

    BanEntry getBanEntry(String target);

    /** Adds or replaces the target's ban; expires null for never, reason and source may be null. */
    BanEntry addBan(String target, String reason, Date expires, String source);

    Set<BanEntry> getBanEntries();

    boolean isBanned(String target);

    void pardon(String target);
}
