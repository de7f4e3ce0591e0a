package net.cubeworks.world.protocol;

import java.io.IOException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import com.google.gson.Gson;
import com.google.gson.GsonBuilder;
import com.google.gson.JsonObject;
import com.google.gson.JsonPrimitive;

/**
 * The JSON this server writes (quoted strings and chat components, with Gson) and the little it
 * reads (the string members of the session server's answer, with a strict reader of its own
 * that refuses anything but well-formed JSON).
 */
public final class Json {
    private Json() {
    }

    /** Writes JSON as the client reads it: no HTML escapes, so that "<", "=" and "'" stay as they are. */
    static final Gson GSON = new GsonBuilder().disableHtmlEscaping().create();

    /** The string as a JSON string literal, quotes included. */
    public static String quote(String s) {
        return GSON.toJson(new JsonPrimitive(s));
    }

    /** A chat component holding plain text ("§" codes included, which the client understands). */
    public static String chat(String text) {
        return GSON.toJson(chatComponent(text));
    }

    /** The chat component of plain text as a tree, for a message that has one inside. */
    public static JsonObject chatComponent(String text) {
        JsonObject o = new JsonObject();
        o.addProperty("text", text);
        return o;
    }

    /** A chat component the client translates, such as "disconnect.spam". */
    public static String translate(String key) {
        JsonObject o = new JsonObject();
        o.addProperty("translate", key);
        return GSON.toJson(o);
    }

    /**
     * The members of a JSON object whose values are strings, by name; members of other
     * kinds are checked and skipped. Malformed text is an IOException.
     */
    public static Map<String, String> topLevelStrings(String json) throws IOException {
        Reader r = new Reader(json);
        Map<String, String> out = new LinkedHashMap<String, String>();
        r.expect('{');
        if (!r.consume('}')) {
            do {
                String name = r.string();
                r.expect(':');
                if (r.peek() == '"') {
                    out.put(name, r.string());
                } else {
                    r.skipValue(0);
                }
            } while (r.consume(','));
            r.expect('}');
        }
        if (r.peek() != -1) {
            throw new IOException("text after the JSON object");
        }
        return out;
    }

    /**
     * The "properties" of a profile object, each as {name, value, signature} (signature
     * null when absent); members of other kinds and names are checked and skipped.
     */
    public static List<String[]> profileProperties(String json) throws IOException {
        Reader r = new Reader(json);
        List<String[]> out = new ArrayList<String[]>();
        r.expect('{');
        if (!r.consume('}')) {
            do {
                String name = r.string();
                r.expect(':');
                if (name.equals("properties") && r.peek() == '[') {
                    r.expect('[');
                    if (!r.consume(']')) {
                        do {
                            out.add(property(r));
                        } while (r.consume(','));
                        r.expect(']');
                    }
                } else {
                    r.skipValue(0);
                }
            } while (r.consume(','));
            r.expect('}');
        }
        return out;
    }

    private static String[] property(Reader r) throws IOException {
        String[] p = new String[3];
        r.expect('{');
        if (!r.consume('}')) {
            do {
                String name = r.string();
                r.expect(':');
                int i = name.equals("name") ? 0 : name.equals("value") ? 1 : name.equals("signature") ? 2 : -1;
                if (i >= 0 && r.peek() == '"') {
                    p[i] = r.string();
                } else {
                    r.skipValue(1);
                }
            } while (r.consume(','));
            r.expect('}');
        }
        if (p[0] == null || p[1] == null) {
            throw new IOException("a profile property without a name or value");
        }
        return p;
    }

    /** A small recursive reader over JSON text. */
    private static final class Reader {
        private static final int MAX_DEPTH = 64;
        private final String s;
        private int pos;

        Reader(String s) {
            this.s = s;
        }

        int peek() {
            while (pos < s.length() && Character.isWhitespace(s.charAt(pos))) {
                pos++;
            }
            return pos < s.length() ? s.charAt(pos) : -1;
        }

        boolean consume(char c) {
            if (peek() == c) {
                pos++;
                return true;
            }
            return false;
        }

        void expect(char c) throws IOException {
            if (!consume(c)) {
                throw new IOException("malformed JSON: expected '" + c + "' at " + pos);
            }
        }

        String string() throws IOException {
            expect('"');
            StringBuilder sb = new StringBuilder();
            while (pos < s.length()) {
                char c = s.charAt(pos++);
                if (c == '"') {
                    return sb.toString();
                }
                if (c != '\\') {
                    sb.append(c);
                    continue;
                }
                if (pos >= s.length()) {
                    break;
                }
                char e = s.charAt(pos++);
                switch (e) {
                    case 'b': sb.append('\b'); break;
                    case 'f': sb.append('\f'); break;
                    case 'n': sb.append('\n'); break;
                    case 'r': sb.append('\r'); break;
                    case 't': sb.append('\t'); break;
                    case 'u':
                        if (pos + 4 > s.length()) {
                            throw new IOException("malformed JSON escape");
                        }
                        try {
                            sb.append((char) Integer.parseInt(s.substring(pos, pos + 4), 16));
                        } catch (NumberFormatException ex) {
                            throw new IOException("malformed JSON escape");
                        }
                        pos += 4;
                        break;
                    default: sb.append(e);
                }
            }
            throw new IOException("unterminated JSON string");
        }

        void skipValue(int depth) throws IOException {
            if (depth > MAX_DEPTH) {
                throw new IOException("JSON nested too deeply");
            }
            int c = peek();
            if (c == '"') {
                string();
            } else if (c == '{') {
                pos++;
                if (!consume('}')) {
                    do {
                        string();
                        expect(':');
                        skipValue(depth + 1);
                    } while (consume(','));
                    expect('}');
                }
            } else if (c == '[') {
                pos++;
                if (!consume(']')) {
                    do {
                        skipValue(depth + 1);
                    } while (consume(','));
                    expect(']');
                }
            } else {
                int start = pos;
                while (pos < s.length() && "+-.0123456789eEtruefalsn".indexOf(s.charAt(pos)) >= 0) {
                    pos++;
                }
                if (pos == start) {
                    throw new IOException("malformed JSON value at " + pos);
                }
            }
        }
    }
}
