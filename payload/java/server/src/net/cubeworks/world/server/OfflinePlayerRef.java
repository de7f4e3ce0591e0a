package net.cubeworks.world.server;

import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.OfflinePlayer;
import org.bukkit.entity.Player;

import net.cubeworks.world.net.OfflineUuid;

/** A player by name, online or not. */
public final class OfflinePlayerRef implements OfflinePlayer {
    private final WorldServer server;
    private final String name;
    /** The UUID asked for when the name is not known; null when the name is. */
    private final UUID uuid;

    OfflinePlayerRef(WorldServer server, String name) {
        this.server = server;
        this.name = name;
        this.uuid = null;
    }

    /** A player known by UUID only: no name, never online, banned, or an operator here. */
    OfflinePlayerRef(WorldServer server, UUID uuid) {
        this.server = server;
        this.name = null;
        this.uuid = uuid;
    }

    public boolean isOnline() {
        return getPlayer() != null;
    }

    public String getName() {
        return name;
    }

    /** The online player's UUID; for a player not online, the one the name has in offline mode. */
    public UUID getUniqueId() {
        if (uuid != null) {
            return uuid;
        }
        Player p = getPlayer();
        return p != null ? p.getUniqueId() : OfflineUuid.of(name);
    }

    public Location getBedSpawnLocation() {
        return null; // beds are not modelled
    }

    public boolean isBanned() {
        return name != null && server.access().isBanned(name);
    }

    public void setBanned(boolean banned) {
        if (name == null) {
            return;
        }
        server.players().setBanned(name, banned, null, "Plugin");
    }

    public boolean isWhitelisted() {
        return name != null && server.access().isWhitelisted(name);
    }

    public void setWhitelisted(boolean value) {
        if (name == null) {
            return;
        }
        server.access().setWhitelisted(name, value);
    }

    public Player getPlayer() {
        return name == null ? null : server.players().findExact(name);
    }

    public long getFirstPlayed() {
        return 0;
    }

    public long getLastPlayed() {
        return 0;
    }

    public boolean hasPlayedBefore() {
        return false;
    }

    public boolean isOp() {
        return name != null && server.access().isOp(name);
    }

    public void setOp(boolean value) {
        if (name == null) {
            return;
        }
        server.players().setOp(name, value);
    }

    @Override
    public boolean equals(Object o) {
        if (name == null) {
            return o instanceof OfflinePlayer && uuid.equals(((OfflinePlayer) o).getUniqueId());
        }
        return o instanceof OfflinePlayer && name.equalsIgnoreCase(((OfflinePlayer) o).getName());
    }

    @Override
    public int hashCode() {
        return name == null ? uuid.hashCode() : name.toLowerCase().hashCode();
    }

    @Override
    public String toString() {
        return "OfflinePlayer{name=" + (name != null ? name : uuid) + "}";
    }

    /** Saved as the player's UUID, as servers of 1.7.9 save players in configurations. */
    public java.util.Map<String, Object> serialize() {
        java.util.Map<String, Object> out = new java.util.LinkedHashMap<String, Object>();
        out.put("UUID", getUniqueId().toString());
        return out;
    }
}
