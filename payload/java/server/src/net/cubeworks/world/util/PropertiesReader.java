package net.cubeworks.world.util;

import java.nio.charset.Charset;
import java.util.Properties;

/**
 * Reads the text of a properties file as java.util.Properties does (bytes as ISO-8859-1,
 * "#" and "!" comments, "=", ":" or blanks between key and value, backslash escapes and
 * line continuations), except that a malformed "\\u" escape is kept as it stands instead of
 * failing the whole file: one bad value never costs the other keys theirs.
 */
public final class PropertiesReader {
    private static final Charset LATIN1 = Charset.forName("ISO-8859-1");

    private PropertiesReader() {
    }

    public static Properties parse(byte[] bytes) {
        Properties out = new Properties();
        // Some editors save a UTF-8 byte-order mark first; it is not part of the first key.
        int skip = bytes.length >= 3 && (bytes[0] & 0xFF) == 0xEF && (bytes[1] & 0xFF) == 0xBB
                && (bytes[2] & 0xFF) == 0xBF ? 3 : 0;
        String text = new String(bytes, skip, bytes.length - skip, LATIN1);
        int pos = 0;
        int n = text.length();
        StringBuilder logical = new StringBuilder();
        while (pos < n) {
            // one natural line, without its terminator
            int end = pos;
            while (end < n && text.charAt(end) != '\n' && text.charAt(end) != '\r') {
                end++;
            }
            String line = text.substring(pos, end);
            pos = skipTerminator(text, end);
            String stripped = stripLeading(line);
            if (logical.length() == 0) {
                if (stripped.length() == 0 || stripped.charAt(0) == '#' || stripped.charAt(0) == '!') {
                    continue;
                }
            }
            if (endsWithOddBackslashes(stripped) && pos < n) {
                logical.append(stripped, 0, stripped.length() - 1);
                continue;
            }
            if (endsWithOddBackslashes(stripped)) {
                stripped = stripped.substring(0, stripped.length() - 1);
            }
            logical.append(stripped);
            put(out, logical.toString());
            logical.setLength(0);
        }
        if (logical.length() > 0) {
            put(out, logical.toString());
        }
        return out;
    }

    private static int skipTerminator(String text, int end) {
        if (end < text.length() && text.charAt(end) == '\r') {
            end++;
            if (end < text.length() && text.charAt(end) == '\n') {
                end++;
            }
            return end;
        }
        return end < text.length() ? end + 1 : end;
    }

    private static boolean blank(char c) {
        return c == ' ' || c == '\t' || c == '\f';
    }

    private static String stripLeading(String s) {
        int i = 0;
        while (i < s.length() && blank(s.charAt(i))) {
            i++;
        }
        return s.substring(i);
    }

    private static boolean endsWithOddBackslashes(String s) {
        int count = 0;
        for (int i = s.length() - 1; i >= 0 && s.charAt(i) == '\\'; i--) {
            count++;
        }
        return count % 2 == 1;
    }

    /** Splits one logical line into key and value and stores them unescaped. */
    private static void put(Properties out, String line) {
        int i = 0;
        int n = line.length();
        while (i < n) {
            char c = line.charAt(i);
            if (c == '\\') {
                i += 2;
                continue;
            }
            if (c == '=' || c == ':' || blank(c)) {
                break;
            }
            i++;
        }
        int keyEnd = Math.min(i, n);
        while (i < n && blank(line.charAt(i))) {
            i++;
        }
        if (i < n && (line.charAt(i) == '=' || line.charAt(i) == ':')) {
            i++;
        }
        while (i < n && blank(line.charAt(i))) {
            i++;
        }
        out.setProperty(unescape(line.substring(0, keyEnd)), unescape(line.substring(Math.min(i, n))));
    }

    /** Resolves the escapes; a "\\u" without four hex digits stays literal. */
    static String unescape(String s) {
        StringBuilder sb = new StringBuilder(s.length());
        int n = s.length();
        for (int i = 0; i < n; i++) {
            char c = s.charAt(i);
            if (c != '\\' || i + 1 >= n) {
                sb.append(c);
                continue;
            }
            char e = s.charAt(++i);
            switch (e) {
                case 't': sb.append('\t'); break;
                case 'n': sb.append('\n'); break;
                case 'r': sb.append('\r'); break;
                case 'f': sb.append('\f'); break;
                case 'u':
                    int code = i + 4 < n ? hex4(s, i + 1) : -1;
                    if (code < 0) {
                        sb.append('\\').append('u');
                    } else {
                        sb.append((char) code);
                        i += 4;
                    }
                    break;
                default:
                    sb.append(e);
            }
        }
        return sb.toString();
    }

    private static int hex4(String s, int from) {
        int v = 0;
        for (int i = from; i < from + 4; i++) {
            int d = Character.digit(s.charAt(i), 16);
            if (d < 0) {
                return -1;
            }
            v = (v << 4) | d;
        }
        return v;
    }
}
