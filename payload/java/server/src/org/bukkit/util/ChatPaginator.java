package org.bukkit.util;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.ChatColor;

/**
 * Text cut into lines that fit the chat window and pages of those lines. A line is measured in
 * the characters it shows (colour codes take no room); a wrapped line starts with the colours in
 * force where the one before it ended; a word longer than a line is split.
 */
public class ChatPaginator {
    /** Lines this long never wrap in the client's chat, whatever its font. */
    public static final int GUARANTEED_NO_WRAP_CHAT_PAGE_WIDTH = 55;
    public static final int AVERAGE_CHAT_PAGE_WIDTH = 65;
    public static final int UNBOUNDED_PAGE_WIDTH = Integer.MAX_VALUE;
    /** The lines the chat shows while open, and while closed. */
    public static final int OPEN_CHAT_PAGE_HEIGHT = 20;
    public static final int CLOSED_CHAT_PAGE_HEIGHT = 10;
    public static final int UNBOUNDED_PAGE_HEIGHT = Integer.MAX_VALUE;

    public static ChatPage paginate(String unpaginatedString, int pageNumber) {
        return paginate(unpaginatedString, pageNumber, AVERAGE_CHAT_PAGE_WIDTH, CLOSED_CHAT_PAGE_HEIGHT);
    }

    /** The page (from 1; past the last gives the last) of the text wrapped to the width. */
    public static ChatPage paginate(String unpaginatedString, int pageNumber, int lineLength, int pageHeight) {
        String[] lines = wordWrap(unpaginatedString, lineLength);
        int totalPages = lines.length / pageHeight + (lines.length % pageHeight == 0 ? 0 : 1);
        int actualPage = Math.max(1, Math.min(pageNumber, totalPages));
        int from = (actualPage - 1) * pageHeight;
        int to = Math.min(lines.length, from + pageHeight);
        String[] selected = new String[Math.max(0, to - from)];
        System.arraycopy(lines, from, selected, 0, selected.length);
        return new ChatPage(selected, actualPage, totalPages);
    }

    /** The text in lines of at most lineLength shown characters; its own line breaks kept. */
    public static String[] wordWrap(String rawString, int lineLength) {
        if (rawString == null) {
            return new String[] {""};
        }
        if (shown(rawString) <= lineLength && rawString.indexOf('\n') < 0) {
            return new String[] {rawString};
        }
        List<String> lines = new ArrayList<String>();
        StringBuilder line = new StringBuilder();
        int lineShown = 0;
        for (String paragraph : rawString.split("\n", -1)) {
            String[] words = paragraph.split(" ", -1);
            for (int w = 0; w < words.length; w++) {
                String word = words[w];
                int wordShown = shown(word);
                int need = lineShown == 0 ? wordShown : lineShown + 1 + wordShown;
                if (need <= lineLength) {
                    if (lineShown > 0) {
                        line.append(' ');
                        lineShown++;
                    }
                    line.append(word);
                    lineShown += wordShown;
                    continue;
                }
                if (lineShown > 0) {
                    lines.add(line.toString());
                    line = new StringBuilder(lastColors(line.toString()));
                    lineShown = 0;
                }
                // a word longer than a line is cut into pieces of a line each
                int i = 0;
                while (i < word.length()) {
                    char c = word.charAt(i);
                    if (c == ChatColor.COLOR_CHAR && i + 1 < word.length()) {
                        line.append(c).append(word.charAt(i + 1));
                        i += 2;
                        continue;
                    }
                    if (lineShown == lineLength) {
                        lines.add(line.toString());
                        line = new StringBuilder(lastColors(line.toString()));
                        lineShown = 0;
                    }
                    line.append(c);
                    lineShown++;
                    i++;
                }
            }
            lines.add(line.toString());
            line = new StringBuilder(lastColors(line.toString()));
            lineShown = 0;
        }
        return lines.toArray(new String[lines.size()]);
    }

    /** The colour and formats in force at the end of the text, as codes to start the next line with. */
    private static String lastColors(String s) {
        StringBuilder formats = new StringBuilder();
        for (int i = s.length() - 2; i >= 0; i--) {
            if (s.charAt(i) != ChatColor.COLOR_CHAR) {
                continue;
            }
            char code = Character.toLowerCase(s.charAt(i + 1));
            if ((code >= '0' && code <= '9') || (code >= 'a' && code <= 'f')) {
                return "" + ChatColor.COLOR_CHAR + code + formats;
            }
            if (code == 'r') {
                return formats.toString();
            }
            if (code >= 'k' && code <= 'o') {
                formats.insert(0, "" + ChatColor.COLOR_CHAR + code);
            }
        }
        return formats.toString();
    }

    /** The characters a text shows: all but its colour codes. */
    private static int shown(String s) {
        int n = 0;
        for (int i = 0; i < s.length(); i++) {
            if (s.charAt(i) == ChatColor.COLOR_CHAR && i + 1 < s.length()) {
                i++;
            } else {
                n++;
            }
        }
        return n;
    }

    /** One page: its lines, its number and how many there are. */
    public static class ChatPage {
        private final String[] lines;
        private final int pageNumber;
        private final int totalPages;

        public ChatPage(String[] lines, int pageNumber, int totalPages) {
            this.lines = lines;
            this.pageNumber = pageNumber;
            this.totalPages = totalPages;
        }

        public int getPageNumber() {
            return pageNumber;
        }

        public int getTotalPages() {
            return totalPages;
        }

        public String[] getLines() {
            return lines;
        }
    }
}
