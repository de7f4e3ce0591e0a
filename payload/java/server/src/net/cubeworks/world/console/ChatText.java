package net.cubeworks.world.console;

/** Helpers for chat text with the "§x" colour and format codes. */
public final class ChatText {
    private ChatText() {
    }

    /** Removes every "§" code (the section sign and the character after it). */
    public static String stripColor(String text) {
        if (text == null || text.indexOf('\u00a7') < 0) {
            return text;
        }
        StringBuilder sb = new StringBuilder(text.length());
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            if (c == '\u00a7') {
                i++;
            } else {
                sb.append(c);
            }
        }
        return sb.toString();
    }
}
