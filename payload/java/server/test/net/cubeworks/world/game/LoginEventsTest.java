package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.Server;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.player.AsyncPlayerPreLoginEvent;
import org.bukkit.event.player.PlayerKickEvent;
import org.bukkit.event.player.PlayerLoginEvent;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.event.LoginEvents;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/** The login event carries the server's own verdict, and what the plugins make of it decides. */
public class LoginEventsTest {
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private final List<String> seen = new ArrayList<String>();
    private File folder;
    private AccessLists access;
    private Game game;
    private Plugin plugin;

    @Before
    public void setUp() throws Exception {
        folder = Files.createTempDirectory("cwlogin").toFile();
        access = new AccessLists(folder, Logger.getAnonymousLogger());
        access.load(false);
        access.addBan("Griefer", "griefing", "Console");
        access.addBan("Forgiven", "once", "Console");
        GameHost host = TestGames.host(events);
        game = new Game(Logger.getAnonymousLogger(),
                ServerProperties.parse("max-players=1\n".getBytes(Charset.forName("UTF-8"))), access, host,
                new WorldStore.None());
        plugin = TestGames.plugin("gate");
        events.registerEvent(PlayerLoginEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerLoginEvent e = (PlayerLoginEvent) event;
                String name = e.getPlayer().getName();
                seen.add(name + ":" + e.getResult());
                if (name.equals("Forgiven")) {
                    e.allow();
                } else if (name.equals("Silent")) {
                    e.disallow(PlayerLoginEvent.Result.KICK_OTHER, null);
                }
            }
        }, plugin, false);
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        game.world().close();
        for (File f : folder.listFiles()) {
            f.delete();
        }
        folder.delete();
    }

    private OnlinePlayer player(String name) {
        return new OnlinePlayer(game.playerGame(), Connections.idle(), name, UUID.randomUUID(), 1, GameMode.SURVIVAL);
    }

    private String login(String name, boolean replaces) {
        Connection conn = Connections.idle();
        return LoginEvents.login(game.host(), game.access(), player(name), conn, game.players().count(),
                game.properties().maxPlayers(), replaces);
    }

    @Test
    public void theServersVerdictComesFirstAndThePluginsDecide() {
        assertNull(login("Alex", false));
        String refused = login("Griefer", false);
        assertTrue(refused, refused.startsWith("You are banned from this server!") && refused.contains("griefing"));
        assertNull("a plugin lets a banned player in", login("Forgiven", false));
        assertEquals("a refusal without a message still refuses", "", login("Silent", false));

        access.load(true); // the whitelist on, nobody on it
        assertEquals(LoginEvents.NOT_WHITELISTED, login("Bo", false));
        access.load(false);

        synchronized (game.lock()) {
            game.players().add(player("Cy"));
        }
        assertEquals(LoginEvents.SERVER_FULL, login("Dee", false));
        assertNull("the one who replaces a player of the same name fits", login("Cy", true));
        assertEquals("[Alex:ALLOWED, Griefer:KICK_BANNED, Forgiven:KICK_BANNED, Silent:ALLOWED, Bo:KICK_WHITELIST, "
                + "Dee:KICK_FULL, Cy:ALLOWED]", seen.toString());
    }

    @Test
    public void preLoginAndKicksFollowTheirEvents() {
        Connection conn = Connections.idle();
        assertNull("nobody listens", LoginEvents.preLogin(game.host(), conn, "Eve", UUID.randomUUID()));
        final List<Boolean> async = new ArrayList<Boolean>();
        events.registerEvent(AsyncPlayerPreLoginEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                AsyncPlayerPreLoginEvent e = (AsyncPlayerPreLoginEvent) event;
                async.add(e.isAsynchronous());
                if (e.getName().equals("Eve")) {
                    e.disallow(AsyncPlayerPreLoginEvent.Result.KICK_BANNED, "not Eve");
                }
            }
        }, plugin, false);
        assertEquals("not Eve", LoginEvents.preLogin(game.host(), conn, "Eve", UUID.randomUUID()));
        assertNull(LoginEvents.preLogin(game.host(), conn, "Alex", UUID.randomUUID()));
        assertEquals("[true, true]", async.toString());

        events.registerEvent(PlayerKickEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerKickEvent e = (PlayerKickEvent) event;
                if (e.getReason().contains("stay")) {
                    e.setCancelled(true);
                } else {
                    e.setReason(e.getReason().toUpperCase());
                }
            }
        }, plugin, false);
        OnlinePlayer p = player("Alex");
        assertNull("the kick is called off", PlayerEvents.kick(game.host(), p, "please stay", game.isStopping()));
        assertEquals("GO", PlayerEvents.kick(game.host(), p, "go", game.isStopping()));
        game.markStopping();
        assertEquals("no kick events while the server stops", "Server closed", PlayerEvents.kick(game.host(), p, "Server closed", game.isStopping()));
    }
}
