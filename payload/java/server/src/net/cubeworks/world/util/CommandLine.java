package net.cubeworks.world.util;

import java.util.Arrays;
import java.util.regex.Pattern;

/** Splits a typed command line into its label and arguments. */
public final class CommandLine {
    private static final Pattern SPACE = Pattern.compile(" ");

    private CommandLine() {
    }

    /**
     * The words of a line: line-end characters and surrounding blanks removed, one leading
     * "/" dropped, split at single spaces (trailing empty words vanish, inner ones stay).
     * An empty line gives an empty array.
     */
    public static String[] split(String line) {
        String s = line.replace("\r", "").replace("\n", "").trim();
        if (s.startsWith("/")) {
            s = s.substring(1);
        }
        if (s.length() == 0) {
            return new String[0];
        }
        return SPACE.split(s);
    }

    /** The arguments after the label. */
    public static String[] args(String[] words) {
        return words.length <= 1 ? new String[0] : Arrays.copyOfRange(words, 1, words.length);
    }

    /** The words from index start, joined by spaces. */
    public static String join(String[] words, int start) {
        StringBuilder sb = new StringBuilder();
        for (int i = start; i < words.length; i++) {
            if (i > start) {
                sb.append(' ');
            }
            sb.append(words[i]);
        }
        return sb.toString();
    }
}
