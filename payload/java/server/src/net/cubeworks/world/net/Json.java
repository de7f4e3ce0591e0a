package net.cubeworks.world.net;

/** The little JSON this server writes: quoted strings and chat components. */
public final class Json {
    private Json() {
    }

    /** The string as a JSON string literal, quotes included. */
    public static String quote(String s) {
        StringBuilder sb = new StringBuilder(s.length() + 2);
        sb.append('"');
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            switch (c) {
                case '"': sb.append("\\\""); break;
                case '\\': sb.append("\\\\"); break;
                case '\n': sb.append("\\n"); break;
                case '\r': sb.append("\\r"); break;
                case '\t': sb.append("\\t"); break;
                case '\b': sb.append("\\b"); break;
                case '\f': sb.append("\\f"); break;
                default:
                    if (c < 0x20) {
                        sb.append(String.format("\\u%04x", (int) c));
                    } else {
                        sb.append(c);
                    }
            }
        }
        return sb.append('"').toString();
    }

    /** A chat component holding plain text ("§" codes included, which the client understands). */
    public static String chat(String text) {
        return "{\"text\":" + quote(text) + "}";
    }
}
