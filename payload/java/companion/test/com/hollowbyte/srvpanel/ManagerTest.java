package com.hollowbyte.srvpanel;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.io.IOException;
import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Proxy;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Handler;
import java.util.logging.Level;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.Server;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.entity.Player;
import org.junit.Before;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

/** The "showplayerinfo" command against a fake server, console and players. */
public class ManagerTest {
    @Rule
    public TemporaryFolder tmp = new TemporaryFolder();

    private final List<String> messages = new ArrayList<String>();
    private final List<LogRecord> logged = new ArrayList<LogRecord>();
    private Logger logger;
    private File dataFolder;

    @Before
    public void setUp() {
        logger = Logger.getAnonymousLogger();
        logger.setUseParentHandlers(false);
        logger.addHandler(new Handler() {
            @Override
            public void publish(LogRecord record) {
                logged.add(record);
            }

            @Override public void flush() { }
            @Override public void close() { }
        });
        dataFolder = new File(tmp.getRoot(), "srvpanel_manager");
    }

    /** A proxy of the interface whose methods answer from name/value pairs; others give null. */
    private <T> T fake(Class<T> type, Object... answers) {
        InvocationHandler handler = (proxy, method, args) -> {
            if (method.getName().equals("sendMessage") && args[0] instanceof String) {
                messages.add((String) args[0]);
            }
            for (int i = 0; i < answers.length; i += 2) {
                if (answers[i].equals(method.getName())) {
                    return answers[i + 1];
                }
            }
            return null;
        };
        return type.cast(Proxy.newProxyInstance(getClass().getClassLoader(), new Class<?>[] {type}, handler));
    }

    private Player player(String name, boolean op, GameMode mode) {
        return fake(Player.class, "getName", name, "isOp", op, "getGameMode", mode);
    }

    private Server server(Player... online) {
        return fake(Server.class, "getBukkitVersion", "1.7.2-R0.3", "getOnlinePlayers", online,
                "getMaxPlayers", 20);
    }

    private CommandSender console() {
        return fake(ConsoleCommandSender.class, "getName", "CONSOLE");
    }

    private File snapshot() {
        return new File(dataFolder, "playerinfo.txt");
    }

    private String snapshotText() throws IOException {
        return new String(Files.readAllBytes(snapshot().toPath()), Charset.defaultCharset());
    }

    private boolean run(CommandSender sender, String command, Server server) {
        return manager.runCommand(sender, command, dataFolder, server, logger);
    }

    @Test
    public void snapshotIsWrittenAfreshInTheDataFolder() throws IOException {
        // First request: no data folder yet, nobody online.
        assertTrue(run(console(), "showplayerinfo", server()));
        assertEquals("1.7.2-R0.3,0,20|", snapshotText());

        // The next one replaces the longer old file whole; players in the server's order.
        Files.write(snapshot().toPath(), "1.7.2-R0.3,9,20|Aaaaaaaaaaaaaaaaa,true,SURVIVAL|Bbbbbbbbbbbbbbbb,true,SURVIVAL|"
                .getBytes("UTF-8"));
        Server server = server(player("Alex", true, GameMode.SURVIVAL), player("Steve", false, GameMode.ADVENTURE),
                player("Zoe", false, GameMode.CREATIVE));
        assertTrue(run(console(), "showplayerinfo", server));
        assertEquals("1.7.2-R0.3,3,20|Alex,true,SURVIVAL|Steve,false,ADVENTURE|Zoe,false,CREATIVE|",
                snapshotText());
        assertTrue(logged.isEmpty());
    }

    @Test
    public void commandNameIsMatchedIgnoringCaseAndOtherCommandsAreNotHandled() throws IOException {
        assertFalse(run(console(), "showplayer", server()));
        assertFalse(snapshot().exists());
        assertTrue(run(console(), "ShowPlayerInfo", server()));
        assertEquals("1.7.2-R0.3,0,20|", snapshotText());
    }

    @Test
    public void playerSenderIsRefusedAndTheFileIsLeftAlone() throws IOException {
        Player alex = player("Alex", true, GameMode.SURVIVAL);
        assertTrue(run(alex, "showplayerinfo", server(alex)));
        assertEquals(1, messages.size());
        assertEquals("你不能使用这条命令", messages.get(0));
        assertFalse(dataFolder.exists());

        dataFolder.mkdir();
        Files.write(snapshot().toPath(), "old|".getBytes("UTF-8"));
        assertTrue(run(alex, "showplayerinfo", server(alex)));
        assertEquals("old|", snapshotText());
    }

    @Test
    public void writeErrorIsLoggedAndTheCommandStillHandled() throws IOException {
        // A regular file where the data folder should be: the snapshot cannot be opened.
        Files.write(dataFolder.toPath(), new byte[] {1});
        assertTrue(run(console(), "showplayerinfo", server()));
        assertEquals(1, logged.size());
        LogRecord record = logged.get(0);
        assertEquals(Level.INFO, record.getLevel());
        String text = record.getMessage();
        assertTrue(text, text.startsWith("文件创建写出异常!"));
        assertTrue(text, text.length() > "文件创建写出异常!".length());
        assertFalse(text, text.contains("{0}"));
        assertTrue(text, text.contains("playerinfo.txt"));

        // Only the data folder itself is made, not missing folders above it.
        dataFolder = new File(tmp.getRoot(), "missing/srvpanel_manager");
        run(console(), "showplayerinfo", server());
        assertFalse(dataFolder.getParentFile().exists());
        assertEquals(2, logged.size());
    }

    /** Runs the body with "native.encoding" set to the value (null: absent), then restores it. */
    private static void withNativeEncoding(String value, Runnable body) {
        String saved = System.getProperty("native.encoding");
        try {
            if (value == null) {
                System.clearProperty("native.encoding");
            } else {
                System.setProperty("native.encoding", value);
            }
            body.run();
        } finally {
            if (saved == null) {
                System.clearProperty("native.encoding");
            } else {
                System.setProperty("native.encoding", saved);
            }
        }
    }

    @Test
    public void snapshotIsInTheNativeCodePageWhateverTheDefaultCharset() throws IOException {
        Server server = server(player("张三", true, GameMode.SURVIVAL));
        withNativeEncoding("GBK", () -> assertTrue(run(console(), "showplayerinfo", server)));
        byte[] expected = "1.7.2-R0.3,1,20|张三,true,SURVIVAL|".getBytes("GBK");
        assertTrue(java.util.Arrays.equals(expected, Files.readAllBytes(snapshot().toPath())));

        // a runtime without the property (before Java 17), or one naming a charset it lacks
        withNativeEncoding(null, () -> assertEquals(Charset.defaultCharset(), manager.snapshotCharset()));
        withNativeEncoding("x-no-such-charset", () -> assertEquals(Charset.defaultCharset(), manager.snapshotCharset()));
        withNativeEncoding("UTF-8", () -> assertEquals(Charset.forName("UTF-8"), manager.snapshotCharset()));
    }
}
