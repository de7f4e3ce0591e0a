package net.cubeworks.world.server;

import org.bukkit.OfflinePlayer;
import org.bukkit.entity.Player;

/** A player by name, online or not. */
public final class OfflinePlayerRef implements OfflinePlayer {
    private final WorldServer server;
    private final String name;

    OfflinePlayerRef(WorldServer server, String name) {
        this.server = server;
        this.name = name;
    }

    public boolean isOnline() {
        return getPlayer() != null;
    }

    public String getName() {
        return name;
    }

    public boolean isBanned() {
        return server.access().isBanned(name);
    }

    public void setBanned(boolean banned) {
        server.players().setBanned(name, banned, null, "Plugin");
    }

    public boolean isWhitelisted() {
        return server.access().isWhitelisted(name);
    }

    public void setWhitelisted(boolean value) {
        server.access().setWhitelisted(name, value);
    }

    public Player getPlayer() {
        return server.players().findExact(name);
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
        return server.access().isOp(name);
    }

    public void setOp(boolean value) {
        server.players().setOp(name, value);
    }

    @Override
    public boolean equals(Object o) {
        return o instanceof OfflinePlayer && name.equalsIgnoreCase(((OfflinePlayer) o).getName());
    }

    @Override
    public int hashCode() {
        return name.toLowerCase().hashCode();
    }

    @Override
    public String toString() {
        return "OfflinePlayer{name=" + name + "}";
    }
}
