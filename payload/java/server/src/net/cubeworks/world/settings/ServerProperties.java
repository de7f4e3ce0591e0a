package net.cubeworks.world.settings;

import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.OutputStream;
import java.nio.file.Files;
import java.util.Properties;

import net.cubeworks.world.util.PropertiesReader;

/**
 * server.properties, read the way java.util.Properties reads it: bytes as ISO-8859-1, so
 * comments in any code page never disturb the keys; unlike it, a malformed escape stays
 * literal and the other keys keep their values, as the manager reads the file key by key.
 * The file is written whole only when it is missing; otherwise the keys it lacks are added at
 * its end with their defaults when the server starts (as the game's server adds them, but
 * without rewriting the file), and a command that changes a setting (such as "whitelist on")
 * rewrites that one value: the operator's own lines, their order and comments are never touched.
 */
public final class ServerProperties {
    /** The keys and values written into a new file. */
    static final String[][] DEFAULTS = {
        {"generator-settings", ""},
        {"op-permission-level", "4"},
        {"allow-nether", "true"},
        {"level-name", "world"},
        {"enable-query", "false"},
        {"allow-flight", "false"},
        {"announce-player-achievements", "true"},
        {"server-port", "25565"},
        {"level-type", "DEFAULT"},
        {"enable-rcon", "false"},
        {"force-gamemode", "false"},
        {"level-seed", ""},
        {"server-ip", ""},
        {"max-build-height", "256"},
        {"spawn-npcs", "true"},
        {"white-list", "false"},
        {"spawn-animals", "true"},
        {"hardcore", "false"},
        {"snooper-enabled", "true"},
        {"online-mode", "true"},
        {"resource-pack", ""},
        {"pvp", "true"},
        {"difficulty", "1"},
        {"enable-command-block", "false"},
        {"gamemode", "0"},
        {"player-idle-timeout", "0"},
        {"max-players", "20"},
        {"spawn-monsters", "true"},
        {"generate-structures", "true"},
        {"view-distance", "10"},
        {"spawn-protection", "16"},
        {"motd", "A Minecraft Server"},
    };

    private final Properties props;

    public ServerProperties(Properties props) {
        this.props = props;
    }

    /** Parses the bytes of a properties file; a malformed escape never costs the other keys. */
    public static ServerProperties parse(byte[] bytes) {
        return new ServerProperties(PropertiesReader.parse(bytes));
    }

    /** The defaults a new file gets. */
    public static ServerProperties defaults() {
        Properties p = new Properties();
        for (String[] kv : DEFAULTS) {
            p.setProperty(kv[0], kv[1]);
        }
        return new ServerProperties(p);
    }

    /** Writes a new file with the default settings. */
    public static void writeDefaults(File file) throws IOException {
        StringBuilder sb = new StringBuilder();
        sb.append("#Minecraft server properties\n");
        sb.append("#").append(new java.util.Date()).append('\n');
        for (String[] kv : DEFAULTS) {
            sb.append(kv[0]).append('=').append(kv[1]).append('\n');
        }
        OutputStream out = new FileOutputStream(file);
        try {
            out.write(sb.toString().getBytes("ISO-8859-1"));
        } finally {
            out.close();
        }
    }

    /** Reads the file, or creates it with defaults when it does not exist. */
    public static ServerProperties load(File file, java.util.logging.Logger log) {
        if (!file.exists()) {
            log.warning(file.getName() + " does not exist");
            log.info("Generating new properties file");
            try {
                writeDefaults(file);
            } catch (IOException ex) {
                log.warning("Failed to save " + file.getName() + ": " + ex);
            }
            return defaults();
        }
        byte[] bytes;
        try {
            bytes = Files.readAllBytes(file.toPath());
        } catch (IOException ex) {
            log.warning("Failed to load " + file.getName() + ": " + ex);
            return defaults();
        }
        ServerProperties read = parse(bytes);
        java.util.List<String[]> missing = new java.util.ArrayList<String[]>();
        for (String[] kv : DEFAULTS) {
            if (read.props.getProperty(kv[0]) == null) {
                missing.add(kv);
            }
        }
        if (!missing.isEmpty()) {
            try {
                // added silently, as the game's own server does: the manager reads the console in
                // small pieces, and a long line here would split the start-up lines it looks for
                addMissing(file, bytes, missing);
            } catch (IOException ex) {
                log.warning("Failed to add the missing settings to " + file.getName() + ": " + ex);
            }
        }
        return read;
    }

    /**
     * Appends the missing keys with their default values to the file, after its last byte and
     * with its own line ends (CR LF, LF or CR, as its first line end is; CR LF for a file without
     * one). The keys and values added are ASCII, the same bytes in every code page the manager
     * and the server read the file in (GBK, UTF-8, ISO-8859-1); a UTF-16 file, which neither
     * reads as properties, is left alone (false).
     */
    static boolean addMissing(File file, byte[] bytes, java.util.List<String[]> missing) throws IOException {
        if (bytes.length >= 2 && ((bytes[0] == (byte) 0xFE && bytes[1] == (byte) 0xFF)
                || (bytes[0] == (byte) 0xFF && bytes[1] == (byte) 0xFE))) {
            return false;
        }
        String nl = "\r\n";
        for (int i = 0; i < bytes.length; i++) {
            if (bytes[i] == '\n') {
                nl = "\n";
                break;
            }
            if (bytes[i] == '\r') {
                nl = i + 1 < bytes.length && bytes[i + 1] == '\n' ? "\r\n" : "\r";
                break;
            }
        }
        int end = bytes.length;
        boolean terminated = false;
        if (end > 0 && bytes[end - 1] == '\n') {
            end--;
            terminated = true;
            if (end > 0 && bytes[end - 1] == '\r') {
                end--;
            }
        } else if (end > 0 && bytes[end - 1] == '\r') {
            end--;
            terminated = true;
        }
        StringBuilder sb = new StringBuilder();
        if (bytes.length > 0 && !terminated) {
            sb.append(nl);
        }
        if (end > 0 && bytes[end - 1] == '\\') {
            sb.append(nl); // an empty line, so that a last line ending in a backslash cannot swallow the first key
        }
        for (String[] kv : missing) {
            sb.append(kv[0]).append('=').append(kv[1]).append(nl);
        }
        OutputStream out = new FileOutputStream(file, true);
        try {
            out.write(sb.toString().getBytes("US-ASCII"));
        } finally {
            out.close();
        }
        return true;
    }

    /**
     * Sets one key's value in the file: the line that holds the key is rewritten (the first, if
     * several do), or a line is added at the end; every other byte stays as it is.
     */
    public static void setValue(File file, String key, String value) throws IOException {
        byte[] bytes = file.exists() ? Files.readAllBytes(file.toPath()) : new byte[0];
        String text = new String(bytes, "ISO-8859-1");
        java.util.regex.Matcher m = java.util.regex.Pattern
                .compile("(?m)^[ \\t\\f]*" + java.util.regex.Pattern.quote(key) + "[ \\t\\f]*[=:][^\\r\\n]*")
                .matcher(text);
        String line = key + "=" + value;
        String out;
        if (m.find()) {
            out = text.substring(0, m.start()) + line + text.substring(m.end());
        } else {
            String nl = text.contains("\r\n") ? "\r\n" : "\n";
            out = text + (text.length() == 0 || text.endsWith("\n") ? "" : nl) + line + nl;
        }
        Files.write(file.toPath(), out.getBytes("ISO-8859-1"));
    }

    /** The value, trimmed, or the default when the key is absent. */
    public String getString(String key, String def) {
        String v = props.getProperty(key);
        return v == null ? def : v.trim();
    }

    /** The integer value; an absent, empty or malformed value gives the default. */
    public int getInt(String key, int def) {
        String v = props.getProperty(key);
        if (v == null) {
            return def;
        }
        try {
            return Integer.parseInt(v.trim());
        } catch (NumberFormatException ex) {
            return def;
        }
    }

    /** "true" (any case) is true, "false" false; anything else gives the default. */
    public boolean getBoolean(String key, boolean def) {
        String v = props.getProperty(key);
        if (v == null) {
            return def;
        }
        v = v.trim();
        if (v.equalsIgnoreCase("true")) {
            return true;
        }
        if (v.equalsIgnoreCase("false")) {
            return false;
        }
        return def;
    }

    public String serverIp() {
        return getString("server-ip", "");
    }

    /**
     * The port: 25565 when the key is missing or empty; -1 when the value (blanks trimmed) is
     * not a whole number from 1 to 65535, which the server must refuse rather than open
     * another port than the one the manager shows. The manager reads the file the same way.
     */
    public int serverPort() {
        String v = serverPortText();
        if (v.length() == 0) {
            return 25565;
        }
        int port = 0;
        for (int i = 0; i < v.length(); i++) {
            char c = v.charAt(i);
            if (c < '0' || c > '9') {
                return -1;
            }
            port = port * 10 + (c - '0');
            if (port > 65535) {
                return -1;
            }
        }
        return port >= 1 ? port : -1;
    }

    /** The server-port value as written, without the blanks around it; "" when missing. */
    public String serverPortText() {
        String v = props.getProperty("server-port");
        if (v == null) {
            return "";
        }
        int start = 0;
        int end = v.length();
        while (start < end && isBlank(v.charAt(start))) {
            start++;
        }
        while (end > start && isBlank(v.charAt(end - 1))) {
            end--;
        }
        return v.substring(start, end);
    }

    private static boolean isBlank(char c) {
        return c == ' ' || c == '\t' || c == '\f';
    }

    public int maxPlayers() {
        return Math.max(0, getInt("max-players", 20));
    }

    public String motd() {
        return getString("motd", "A Minecraft Server");
    }

    public boolean onlineMode() {
        return getBoolean("online-mode", true);
    }

    /** The default game mode number: 0 survival, 1 creative, 2 adventure. */
    public int gamemode() {
        int mode = getInt("gamemode", 0);
        return mode >= 0 && mode <= 2 ? mode : 0;
    }

    /** The difficulty, 0 to 3; a hardcore server is always hard (3), as the game has it. */
    public int difficulty() {
        if (hardcore()) {
            return 3;
        }
        int d = getInt("difficulty", 1);
        return d >= 0 && d <= 3 ? d : 1;
    }

    /** The height blocks are placed below: rounded to a multiple of 16, from 64 to 256, as the game reads it. */
    public int maxBuildHeight() {
        int h = (getInt("max-build-height", 256) + 8) / 16 * 16;
        return Math.max(64, Math.min(256, h));
    }

    public boolean whiteList() {
        return getBoolean("white-list", false);
    }

    /** Whether every player joins in the default game mode, not the one they left in. */
    public boolean forceGamemode() {
        return getBoolean("force-gamemode", false);
    }

    public boolean pvp() {
        return getBoolean("pvp", true);
    }

    public int spawnProtection() {
        return getInt("spawn-protection", 16);
    }

    public boolean allowNether() {
        return getBoolean("allow-nether", true);
    }

    public boolean spawnMonsters() {
        return getBoolean("spawn-monsters", true);
    }

    public boolean spawnAnimals() {
        return getBoolean("spawn-animals", true);
    }

    public boolean allowFlight() {
        return getBoolean("allow-flight", false);
    }

    public boolean hardcore() {
        return getBoolean("hardcore", false);
    }

    public String levelName() {
        return getString("level-name", "world");
    }

    public String levelType() {
        return getString("level-type", "DEFAULT");
    }

    /** level-seed: the new world's seed as typed (a number, any text, or empty for a random one). */
    public String levelSeed() {
        return getString("level-seed", "");
    }

    /** generator-settings: the superflat preset of a new FLAT world. */
    public String generatorSettings() {
        return getString("generator-settings", "");
    }

    public int viewDistance() {
        return getInt("view-distance", 10);
    }
}
