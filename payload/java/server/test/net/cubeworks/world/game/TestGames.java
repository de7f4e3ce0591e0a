package net.cubeworks.world.game;

import java.io.File;
import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.Server;
import org.bukkit.command.CommandSender;
import org.bukkit.event.Event;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginDescriptionFile;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.storage.WorldStore;

/** Test fixtures: a flat game with no store and no network, and players standing in it. */
public final class TestGames {
    private TestGames() {
    }

    /** A game of the default settings whose lists are kept in the folder. */
    public static Game flat(File folder) {
        AccessLists access = new AccessLists(folder, Logger.getAnonymousLogger());
        access.load(false);
        return new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), access, null, new WorldStore.None());
    }

    /** A game of the default settings over an Anvil world in worldFolder, its lists kept in listsFolder. */
    public static Game anvil(File listsFolder, File worldFolder) {
        AccessLists access = new AccessLists(listsFolder, Logger.getAnonymousLogger());
        access.load(false);
        return new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), access, null,
                new AnvilStore(worldFolder, Logger.getAnonymousLogger()));
    }

    /** Runs n of the world's ticks, each under the world lock as the game thread runs them. */
    public static void ticks(Game game, int n) {
        for (int i = 0; i < n; i++) {
            synchronized (game.lock()) {
                game.world().tick();
            }
        }
    }

    /** A survival player online at the feet position, whose client has the 3 by 3 columns around (0, 0). */
    public static OnlinePlayer join(Game game, String name, int entityId, double x, double y, double z) {
        OnlinePlayer p = new OnlinePlayer(game.playerGame(), Connections.idle(), name, UUID.randomUUID(), entityId,
                GameMode.SURVIVAL);
        for (int cx = -1; cx <= 1; cx++) {
            for (int cz = -1; cz <= 1; cz++) {
                p.known.add(ColumnKey.of(cx, cz));
            }
        }
        p.x = x;
        p.y = y;
        p.z = z;
        p.onGround = true;
        game.players().add(p);
        return p;
    }

    /** A host that hands the game's events to the dispatch and runs no command. */
    public static GameHost host(final EventDispatch events) {
        return new GameHost() {
            public void callEvent(Event event) {
                events.callEvent(event);
            }

            public boolean dispatchCommand(CommandSender sender, String commandLine) {
                return false;
            }

            public java.util.List<String> tabCompleteCommand(CommandSender sender, String commandLine) {
                return null;
            }

            public Server api() {
                return null;
            }
        };
    }

    /** An enabled plugin of the name, to own the listeners a test registers. */
    public static Plugin plugin(String name) {
        final PluginDescriptionFile d = new PluginDescriptionFile(name, "1", "x.Main");
        return (Plugin) Proxy.newProxyInstance(Plugin.class.getClassLoader(), new Class<?>[] {Plugin.class},
                new InvocationHandler() {
                    public Object invoke(Object proxy, Method m, Object[] args) {
                        if (m.getName().equals("isEnabled")) {
                            return true;
                        }
                        if (m.getName().equals("getDescription")) {
                            return d;
                        }
                        if (m.getName().equals("equals")) {
                            return proxy == args[0];
                        }
                        if (m.getName().equals("hashCode")) {
                            return System.identityHashCode(proxy);
                        }
                        return null;
                    }
                });
    }

    public static boolean teleportPending(OnlinePlayer p) {
        return p.teleportPending;
    }
}
