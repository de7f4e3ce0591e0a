package org.bukkit.util;

import java.util.Collection;

/** Helpers for tab completion: which of a list of words begin with what the sender typed. */
public class StringUtil {

    /**
     * Adds to {@code collection} each of {@code originals} that begins with {@code token},
     * ignoring case, and returns {@code collection}.
     */
    public static <T extends Collection<? super String>> T copyPartialMatches(final String token,
            final Iterable<String> originals, final T collection)
            throws UnsupportedOperationException, IllegalArgumentException {
        if (token == null) {
            throw new IllegalArgumentException("Search token cannot be null");
        }
        if (collection == null) {
            throw new IllegalArgumentException("Collection cannot be null");
        }
        if (originals == null) {
            throw new IllegalArgumentException("Originals cannot be null");
        }
        for (String word : originals) {
            if (startsWithIgnoreCase(word, token)) {
                collection.add(word);
            }
        }
        return collection;
    }

    /** Whether {@code string} begins with {@code prefix}, ignoring case; a shorter string never does. */
    public static boolean startsWithIgnoreCase(final String string, final String prefix)
            throws IllegalArgumentException, NullPointerException {
        if (string == null) {
            throw new IllegalArgumentException("Cannot check a null string for a match");
        }
        return string.length() >= prefix.length() && string.regionMatches(true, 0, prefix, 0, prefix.length());
    }
}
