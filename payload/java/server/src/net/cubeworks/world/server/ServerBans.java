package net.cubeworks.world.server;

import java.util.Date;
import java.util.LinkedHashSet;
import java.util.Set;

import org.bukkit.BanEntry;
import org.bukkit.BanList;

import net.cubeworks.world.settings.AccessLists;

/**
 * The plugin API's ban lists over the server's own. Names: the banned-players file, each change
 * saved at once. Addresses: the banned-ips file, which logins are checked against.
 */
final class ServerBans {
    private ServerBans() {
    }

    static BanList names(final AccessLists access) {
        return new BanList() {
            public BanEntry getBanEntry(String target) {
                net.cubeworks.world.settings.BanList.Entry e = access.ban(target);
                return e == null ? null : new Entry(access, e, false);
            }

            public BanEntry addBan(String target, String reason, Date expires, String source) {
                String r = reason == null || reason.length() == 0 ? net.cubeworks.world.settings.BanList.DEFAULT_REASON
                        : reason;
                net.cubeworks.world.settings.BanList.Entry e = new net.cubeworks.world.settings.BanList.Entry(target,
                        new Date(), source == null ? "Plugin" : source, expires, r);
                access.addBan(e);
                return new Entry(access, e, false);
            }

            public Set<BanEntry> getBanEntries() {
                Set<BanEntry> out = new LinkedHashSet<BanEntry>();
                for (String n : access.bannedNames()) {
                    BanEntry e = getBanEntry(n);
                    if (e != null) {
                        out.add(e);
                    }
                }
                return out;
            }

            public boolean isBanned(String target) {
                return access.isBanned(target);
            }

            public void pardon(String target) {
                access.removeBan(target);
            }
        };
    }

    static BanList addresses(final AccessLists access) {
        return new BanList() {
            public BanEntry getBanEntry(String target) {
                net.cubeworks.world.settings.BanList.Entry e = access.ipBan(target);
                return e == null ? null : new Entry(access, e, true);
            }

            public BanEntry addBan(String target, String reason, Date expires, String source) {
                String r = reason == null || reason.length() == 0 ? net.cubeworks.world.settings.BanList.DEFAULT_REASON
                        : reason;
                net.cubeworks.world.settings.BanList.Entry e = new net.cubeworks.world.settings.BanList.Entry(target,
                        new Date(), source == null ? "Plugin" : source, expires, r);
                access.addIpBan(e);
                return new Entry(access, e, true);
            }

            public Set<BanEntry> getBanEntries() {
                Set<BanEntry> out = new LinkedHashSet<BanEntry>();
                for (String n : access.bannedAddresses()) {
                    BanEntry e = getBanEntry(n);
                    if (e != null) {
                        out.add(e);
                    }
                }
                return out;
            }

            public boolean isBanned(String target) {
                return access.ipBan(target) != null;
            }

            public void pardon(String target) {
                access.removeIpBan(target);
            }
        };
    }

    /** One name ban; the setters change this copy, save() writes it to the list. */
    private static final class Entry implements BanEntry {
        private final AccessLists access;
        private final boolean address;
        private final String target;
        private Date created;
        private String source;
        private Date expires;
        private String reason;

        Entry(AccessLists access, net.cubeworks.world.settings.BanList.Entry e, boolean address) {
            this.access = access;
            this.address = address;
            this.target = e.name;
            this.created = e.created;
            this.source = e.source;
            this.expires = e.expires;
            this.reason = e.reason;
        }

        public String getTarget() {
            return target;
        }

        public Date getCreated() {
            return created == null ? null : (Date) created.clone();
        }

        public void setCreated(Date created) {
            this.created = created;
        }

        public String getSource() {
            return source;
        }

        public void setSource(String source) {
            this.source = source;
        }

        public Date getExpiration() {
            return expires == null ? null : (Date) expires.clone();
        }

        public void setExpiration(Date expiration) {
            this.expires = expiration;
        }

        public String getReason() {
            return reason;
        }

        public void setReason(String reason) {
            this.reason = reason;
        }

        public void save() {
            net.cubeworks.world.settings.BanList.Entry e = new net.cubeworks.world.settings.BanList.Entry(target, created,
                    source, expires, reason);
            if (address) {
                access.addIpBan(e);
            } else {
                access.addBan(e);
            }
        }
    }
}
