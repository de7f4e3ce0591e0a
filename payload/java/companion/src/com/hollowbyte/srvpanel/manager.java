package com.hollowbyte.srvpanel;

import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.OutputStreamWriter;
import java.io.Writer;
import java.nio.charset.Charset;
import java.text.MessageFormat;
import java.util.logging.Logger;

import org.bukkit.Server;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.plugin.java.JavaPlugin;

/**
 * The manager's companion inside the game server. The manager learns who is online by sending the
 * console command "showplayerinfo" and reading back the file this plugin writes:
 * "version,online,max|name,op,MODE|...|", one line without a line break, in the platform's native
 * code page (the host's ANSI code page, which is what the manager reads).
 */
public class manager extends JavaPlugin {
    static final String COMMAND = "showplayerinfo";
    static final String SNAPSHOT_FILE = "playerinfo.txt";
    static final String WELCOME = "欢迎使用SRVPANEL管理插件!";
    static final String NOT_FOR_PLAYERS = "你不能使用这条命令";
    static final String WRITE_ERROR = "文件创建写出异常!{0}";

    @Override
    public void onEnable() {
        getLogger().info(WELCOME);
    }

    @Override
    public boolean onCommand(CommandSender sender, Command command, String label, String[] args) {
        return runCommand(sender, command.getName(), getDataFolder(), getServer(), getLogger());
    }

    /**
     * Handles one command of this plugin. Answers false for a command that is not ours, true
     * otherwise, also when a player was refused, so that the server prints no usage text.
     */
    static boolean runCommand(CommandSender sender, String commandName, File dataFolder, Server server,
            Logger logger) {
        if (!COMMAND.equalsIgnoreCase(commandName)) {
            return false;
        }
        // The snapshot is for the manager on the console; players in the game may not trigger it.
        if (sender instanceof Player) {
            sender.sendMessage(NOT_FOR_PLAYERS);
            return true;
        }
        try {
            writeSnapshot(dataFolder, server);
        } catch (IOException e) {
            String description = e.getMessage() != null ? e.getMessage() : e.toString();
            logger.info(MessageFormat.format(WRITE_ERROR, description));
        }
        return true;
    }

    /**
     * The platform's native code page, which the console and the manager use. Since Java 18
     * the default charset is UTF-8 whatever the platform, and the runtime names the native one
     * in "native.encoding"; older runtimes lack that property and their default is the native one.
     */
    static Charset snapshotCharset() {
        String nativeName = System.getProperty("native.encoding");
        if (nativeName != null) {
            try {
                return Charset.forName(nativeName);
            } catch (RuntimeException unknownOrUnsupported) {
                // fall back to the default charset
            }
        }
        return Charset.defaultCharset();
    }

    /**
     * Replaces the snapshot file in the data folder: the header record (API version, players
     * online, player slots) and then one record per online player in the server's order.
     */
    static void writeSnapshot(File dataFolder, Server server) throws IOException {
        if (!dataFolder.exists()) {
            dataFolder.mkdir();
        }
        File file = new File(dataFolder, SNAPSHOT_FILE);
        if (file.exists()) {
            file.delete();
        }
        Player[] players = server.getOnlinePlayers();
        try (Writer out = new OutputStreamWriter(new FileOutputStream(file), snapshotCharset())) {
            out.write(server.getBukkitVersion() + "," + players.length + "," + server.getMaxPlayers() + "|");
            for (Player player : players) {
                out.write(player.getName() + "," + player.isOp() + "," + player.getGameMode().name() + "|");
            }
        }
    }
}
