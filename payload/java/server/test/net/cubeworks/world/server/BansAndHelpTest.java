package net.cubeworks.world.server;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.nio.file.Files;
import java.util.Arrays;
import java.util.Date;
import java.util.logging.Logger;

import org.bukkit.BanEntry;
import org.bukkit.BanList;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.help.HelpTopic;
import org.bukkit.help.HelpTopicFactory;
import org.junit.Test;

import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.storage.Worlds;

/** The API's ban list over the server's ban file, and the help over the command map. */
public class BansAndHelpTest {
    @Test
    public void bansAddedThroughTheApiAreTheServersWithTheirEndAndReason() throws Exception {
        File dir = Files.createTempDirectory("bans").toFile();
        try {
            AccessLists access = new AccessLists(dir, Logger.getAnonymousLogger());
            access.load(false);
            BanList names = ServerBans.names(access);
            Date end = new Date(System.currentTimeMillis() + 3600000L);
            BanEntry e = names.addBan("Griefer", "broke the spawn", end, "Guard");
            assertTrue(access.isBanned("griefer"));
            assertEquals("broke the spawn", names.getBanEntry("Griefer").getReason());
            e.setReason("broke it twice");
            e.save();
            // read back from the file, as after a restart
            AccessLists again = new AccessLists(dir, Logger.getAnonymousLogger());
            again.load(false);
            BanEntry read = ServerBans.names(again).getBanEntry("Griefer");
            assertEquals("broke it twice", read.getReason());
            assertEquals("Guard", read.getSource());
            assertEquals(end.getTime() / 1000, read.getExpiration().getTime() / 1000);
            assertEquals(1, ServerBans.names(again).getBanEntries().size());
            // a ban that has ended is none
            names.addBan("Gone", null, new Date(System.currentTimeMillis() - 1000), null);
            assertFalse(names.isBanned("Gone"));
            names.pardon("Griefer");
            assertFalse(access.isBanned("Griefer"));
            // addresses: banned-ips.txt, kept across a restart
            BanList addresses = ServerBans.addresses(access);
            addresses.addBan("10.0.0.1", "flooding", null, "Guard");
            assertTrue(addresses.isBanned("10.0.0.1"));
            AccessLists third = new AccessLists(dir, Logger.getAnonymousLogger());
            third.load(false);
            assertEquals("flooding", ServerBans.addresses(third).getBanEntry("10.0.0.1").getReason());
            assertTrue(new File(dir, "banned-ips.txt").isFile());
            ServerBans.addresses(third).pardon("10.0.0.1");
            assertFalse(ServerBans.addresses(third).isBanned("10.0.0.1"));
            assertTrue(third.bannedAddresses().isEmpty());
        } finally {
            Worlds.delete(dir);
        }
    }

    private static final class Plain extends Command {
        Plain(String name, String description) {
            super(name, description, "/<command> [page]", Arrays.asList(name.substring(0, 1)));
        }

        @Override
        public boolean execute(CommandSender sender, String label, String[] args) {
            return true;
        }
    }

    private static final class Special extends Command {
        Special() {
            super("secret");
        }

        @Override
        public boolean execute(CommandSender sender, String label, String[] args) {
            return true;
        }
    }

    private static ConsoleCommandSender console() {
        return (ConsoleCommandSender) Proxy.newProxyInstance(BansAndHelpTest.class.getClassLoader(),
                new Class<?>[] {ConsoleCommandSender.class}, new InvocationHandler() {
                    public Object invoke(Object proxy, Method m, Object[] args) {
                        if (m.getName().equals("getName")) {
                            return "CONSOLE";
                        }
                        return m.getReturnType() == boolean.class ? Boolean.TRUE : null;
                    }
                });
    }

    @Test
    public void theHelpHasATopicForEachCommandAndAnIndexOfThem() {
        SimpleCommandMap map = new SimpleCommandMap(null);
        map.register("test", new Plain("warp", "Takes you to a warp\nand more"));
        map.register("test", new Plain("home", "Takes you home"));
        map.register("test", new Special());
        ServerHelpMap help = new ServerHelpMap(map);
        help.registerHelpTopicFactory(Special.class, new HelpTopicFactory<Command>() {
            public HelpTopic createTopic(Command command) {
                return null;
            }
        });
        HelpTopic warp = help.getHelpTopic("/warp");
        assertNotNull(warp);
        assertEquals("Takes you to a warp", warp.getShortText());
        assertTrue(warp.getFullText(console()).contains("/warp [page]"));
        assertTrue(warp.getFullText(console()).contains("Aliases: "));
        assertNull("a factory's null leaves the command out", help.getHelpTopic("/secret"));
        String index = help.getHelpTopic("").getFullText(console());
        assertTrue(index, index.indexOf("/home") >= 0 && index.indexOf("/home") < index.indexOf("/warp"));
        assertEquals(2, help.getHelpTopics().size());
        warp.amendTopic("Warps: <text>", null);
        assertEquals("Warps: Takes you to a warp", warp.getShortText());
    }
}
