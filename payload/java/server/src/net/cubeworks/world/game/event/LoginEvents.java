package net.cubeworks.world.game.event;

import java.net.InetAddress;
import java.net.InetSocketAddress;
import java.util.UUID;

import org.bukkit.entity.Player;
import org.bukkit.event.player.AsyncPlayerPreLoginEvent;
import org.bukkit.event.player.PlayerLoginEvent;

import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.settings.BanList;

/**
 * The plugins' say in who may log in: the pre-login event off the game thread, as soon as the
 * account is known, then the login event on it, carrying the server's own verdict (banned, not
 * on the whitelist, full) for the plugins to keep or overturn.
 */
public final class LoginEvents {
    public static final String SERVER_FULL = "The server is full!";
    public static final String NOT_WHITELISTED = "You are not white-listed on this server!";

    private LoginEvents() {
    }

    private static InetAddress address(Connection conn) {
        InetSocketAddress a = conn.remoteAddress();
        return a == null ? null : a.getAddress();
    }

    /** On the connection's own thread: null when the plugins let the player on, else why not. */
    public static String preLogin(GameHost host, Connection conn, String name, UUID uuid) {
        if (AsyncPlayerPreLoginEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return null;
        }
        AsyncPlayerPreLoginEvent event = new AsyncPlayerPreLoginEvent(name, address(conn), uuid);
        host.callEvent(event);
        if (event.getLoginResult() == AsyncPlayerPreLoginEvent.Result.ALLOWED) {
            return null;
        }
        String message = event.getKickMessage();
        return message == null ? "" : message;
    }

    /**
     * On the game thread, before the player is put in: the server's checks (bans, the
     * whitelist, room among the players online, one fewer when he replaces himself), then the
     * login event. Null when the player may join, else the message it is refused with.
     */
    public static String login(GameHost host, AccessLists access, Player p, Connection conn, int online, int maxPlayers,
            boolean replacesAnother) {
        PlayerLoginEvent.Result result = PlayerLoginEvent.Result.ALLOWED;
        String message = "";
        BanList.Entry ban = access.ban(p.getName());
        if (ban != null) {
            result = PlayerLoginEvent.Result.KICK_BANNED;
            message = "You are banned from this server!\nReason: " + ban.reason;
            if (ban.expires != null) {
                message += "\nYour ban will be removed on " + ban.expires;
            }
        } else if (address(conn) != null && access.ipBan(address(conn).getHostAddress()) != null) {
            BanList.Entry ipBan = access.ipBan(address(conn).getHostAddress());
            result = PlayerLoginEvent.Result.KICK_BANNED;
            message = "Your IP address is banned from this server!\nReason: " + ipBan.reason;
            if (ipBan.expires != null) {
                message += "\nYour ban will be removed on " + ipBan.expires;
            }
        } else if (!access.admits(p.getName())) {
            result = PlayerLoginEvent.Result.KICK_WHITELIST;
            message = NOT_WHITELISTED;
        } else if (online - (replacesAnother ? 1 : 0) >= maxPlayers) {
            result = PlayerLoginEvent.Result.KICK_FULL;
            message = SERVER_FULL;
        }
        PlayerLoginEvent event = new PlayerLoginEvent(p, conn.hostname(), address(conn), result, message);
        host.callEvent(event);
        if (event.getResult() == PlayerLoginEvent.Result.ALLOWED) {
            return null;
        }
        String why = event.getKickMessage();
        return why == null ? "" : why;
    }
}
