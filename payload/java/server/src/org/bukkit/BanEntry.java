package org.bukkit;

import java.util.Date;

/** One ban of a ban list: whom (a name or an address), since when, by whom, until when, why. */
public interface BanEntry {
    String getTarget();

    Date getCreated();

    void setCreated(Date created);

    String getSource();

    void setSource(String source);

    /** When the ban ends; null for never. */
    Date getExpiration();

    void setExpiration(Date expiration);

    String getReason();

    void setReason(String reason);

    /** Writes the changed entry back to its list's file. */
    void save();
}
