package net.cubeworks.world.protocol;

import java.nio.charset.Charset;
import java.util.List;

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
        StringBuilder sb = new StringBuilder();
        sb.append("{\"version\":{\"name\":").append(Json.quote(versionName))
                .append(",\"protocol\":").append(protocol).append("},");
        sb.append("\"players\":{\"max\":").append(max).append(",\"online\":").append(online);
        if (!sample.isEmpty()) {
            sb.append(",\"sample\":[");
            for (int i = 0; i < sample.size(); i++) {
                if (i > 0) {
                    sb.append(',');
                }
                sb.append("{\"name\":").append(Json.quote(sample.get(i)[0]))
                        .append(",\"id\":").append(Json.quote(sample.get(i)[1])).append('}');
            }
            sb.append(']');
        }
        sb.append("},\"description\":").append(Json.chat(motd));
        if (faviconDataUri != null) {
            sb.append(",\"favicon\":").append(Json.quote(faviconDataUri));
        }
        return sb.append('}').toString();
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
