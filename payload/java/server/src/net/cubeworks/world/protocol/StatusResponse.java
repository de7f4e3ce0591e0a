package net.cubeworks.world.protocol;

import java.nio.charset.Charset;
import java.util.List;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;

/** The texts a server-list ping is answered with. */
public final class StatusResponse {
    private StatusResponse() {
    }

    /**
     * The status JSON: version, player counts with a sample of names (each a
     * {name, uuid} pair), the motd as a chat component and the icon when there is one.
     */
    public static String json(String versionName, int protocol, int max, int online,
            List<String[]> sample, String motd, String faviconDataUri) {
        JsonObject root = new JsonObject();
        JsonObject version = new JsonObject();
        version.addProperty("name", versionName);
        version.addProperty("protocol", protocol);
        root.add("version", version);
        JsonObject players = new JsonObject();
        players.addProperty("max", max);
        players.addProperty("online", online);
        if (!sample.isEmpty()) {
            JsonArray list = new JsonArray();
            for (String[] entry : sample) {
                JsonObject p = new JsonObject();
                p.addProperty("name", entry[0]);
                p.addProperty("id", entry[1]);
                list.add(p);
            }
            players.add("sample", list);
        }
        root.add("players", players);
        root.add("description", Json.chatComponent(motd));
        if (faviconDataUri != null) {
            root.addProperty("favicon", faviconDataUri);
        }
        return Json.GSON.toJson(root);
    }

    /**
     * The answer to the old (pre-1.7) server-list ping: packet 0xFF with a UTF-16 text of
     * "§1", protocol, version, motd, online and max separated by NUL characters.
     */
    public static byte[] legacy(String versionName, String motd, int online, int max) {
        String text = "\u00a71\u0000127\u0000" + versionName + "\u0000" + motd + "\u0000" + online + "\u0000" + max;
        byte[] chars = text.getBytes(Charset.forName("UTF-16BE"));
        byte[] out = new byte[3 + chars.length];
        out[0] = (byte) 0xFF;
        out[1] = (byte) (text.length() >>> 8);
        out[2] = (byte) text.length();
        System.arraycopy(chars, 0, out, 3, chars.length);
        return out;
    }
}
