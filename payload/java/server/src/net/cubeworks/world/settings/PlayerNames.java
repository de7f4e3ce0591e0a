package net.cubeworks.world.settings;

import java.nio.charset.Charset;
import java.nio.charset.CharsetEncoder;
import java.util.Locale;

/**
 * The names a player may log in with: names the host can see in the console and the manager's
 * player list, type back at the console, and keep a player file for. Offline players often use
 * names in their own script, so any character is welcome that the console charset can show
 * and that is not invisible or reserved; Chinese names stay welcome on a GBK console.
 */
public final class PlayerNames {
    static final String INVALID = "Invalid username! A name has 1 to 16 characters and no spaces, "
            + "commas, \"|\" or colour codes.";
    static final String UNSHOWABLE = "Invalid username! The server's console cannot show every character "
            + "of your name, so nobody could manage you. Please use another name.";
    static final String NOT_A_FILE_NAME = "Invalid username! A name cannot hold \\ / : * ? \" < or >, "
            + "end with a dot or be a device name such as CON.";
    static final String RESERVED = "Invalid username! Server, CONSOLE and Rcon are the console's own names.";

    private static final String[] RESERVED_NAMES = {"server", "console", "rcon"};
    private static final String FILE_NAME_CHARACTERS = "\\/:*?\"<>";

    private PlayerNames() {
    }

    /** Why the name cannot log in on a console of this charset; null when it can. */
    public static String refusal(String name, Charset console) {
        if (name.length() < 1 || name.length() > 16) {
            return INVALID;
        }
        CharsetEncoder encoder = console.newEncoder();
        for (int i = 0; i < name.length();) {
            int c = name.codePointAt(i);
            if (c <= ' ' || c == '\u00a7' || c == ',' || c == '|' || Character.isWhitespace(c)
                    || Character.isSpaceChar(c)) {
                return INVALID;
            }
            if (invisible(c) || !encoder.canEncode(new String(Character.toChars(c)))) {
                return UNSHOWABLE;
            }
            if (FILE_NAME_CHARACTERS.indexOf(c) >= 0) {
                return NOT_A_FILE_NAME;
            }
            i += Character.charCount(c);
        }
        if (name.endsWith(".") || deviceName(name)) {
            return NOT_A_FILE_NAME;
        }
        String lower = name.toLowerCase(Locale.ROOT);
        for (String reserved : RESERVED_NAMES) {
            if (lower.equals(reserved)) {
                return RESERVED;
            }
        }
        return null;
    }

    /**
     * Characters that show as nothing or as a stand-in: controls, formatting marks such as
     * zero-width spaces and byte-order marks, private-use and unassigned code points, lone
     * surrogates and the replacement character that broken UTF-8 becomes.
     */
    private static boolean invisible(int c) {
        if (c == 0xFFFD) {
            return true;
        }
        switch (Character.getType(c)) {
            case Character.CONTROL:
            case Character.FORMAT:
            case Character.PRIVATE_USE:
            case Character.UNASSIGNED:
            case Character.SURROGATE:
                return true;
            default:
                return false;
        }
    }

    /** Windows gives these names (with any extension) to devices, never to files. */
    private static boolean deviceName(String name) {
        String upper = name.toUpperCase(Locale.ROOT);
        if (upper.equals("CON") || upper.equals("PRN") || upper.equals("AUX") || upper.equals("NUL")) {
            return true;
        }
        return upper.length() == 4 && (upper.startsWith("COM") || upper.startsWith("LPT"))
                && upper.charAt(3) >= '1' && upper.charAt(3) <= '9';
    }
}
