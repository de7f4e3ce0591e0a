package net.cubeworks.world.net;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.math.BigInteger;
import java.net.HttpURLConnection;
import java.net.URL;
import java.net.URLEncoder;
import java.nio.charset.Charset;
import java.security.GeneralSecurityException;
import java.security.KeyPair;
import java.security.KeyPairGenerator;
import java.security.MessageDigest;
import java.util.List;
import java.util.Map;
import java.util.UUID;

import javax.crypto.Cipher;

import net.cubeworks.world.protocol.Json;

/**
 * What an online-mode login needs: the server's RSA key pair, the hash that names this
 * login to the session server, and the session server's answer whether the account has
 * joined. The session server's address is a setting; an unreachable or failing session
 * server is reported as an IOException, never taken for a yes.
 */
public final class LoginSecurity {
    public static final String DEFAULT_SESSION_SERVER = "https://sessionserver.mojang.com/session/minecraft/hasJoined";
    /** System property naming the hasJoined address (http or https). */
    public static final String SESSION_SERVER_PROPERTY = "cubeworks.session-server";
    /** System property: milliseconds to connect to, and to wait for, the session server. */
    public static final String SESSION_TIMEOUT_PROPERTY = "cubeworks.session-timeout-ms";
    static final int DEFAULT_SESSION_TIMEOUT_MS = 5000;
    private static final Charset UTF8 = Charset.forName("UTF-8");
    private static final Charset LATIN1 = Charset.forName("ISO-8859-1");
    private static final int MAX_ANSWER = 64 * 1024;

    /** An account as the session server names it. */
    public static final class Profile {
        public final String name;
        public final UUID uuid;

        /** The account's properties (such as its skin), each {name, value, signature}. */
        public final List<String[]> properties;

        Profile(String name, UUID uuid, List<String[]> properties) {
            this.name = name;
            this.uuid = uuid;
            this.properties = properties;
        }
    }

    private final KeyPair keys;
    private final String sessionServer;
    private final int timeoutMs;

    public LoginSecurity(KeyPair keys, String sessionServer, int timeoutMs) {
        this.keys = keys;
        this.sessionServer = sessionServer;
        this.timeoutMs = timeoutMs;
    }

    /** A new 1024-bit key pair and the session server from the system properties. */
    public static LoginSecurity fromSystemProperties() throws GeneralSecurityException {
        if ("1.7".equals(System.getProperty("java.specification.version"))
                && System.getProperty("https.protocols") == null) {
            // Java 7 offers only TLS 1.0 to servers unless told otherwise; the session server wants 1.2
            System.setProperty("https.protocols", "TLSv1.2,TLSv1.1,TLSv1");
        }
        KeyPairGenerator gen = KeyPairGenerator.getInstance("RSA");
        gen.initialize(1024);
        String url = System.getProperty(SESSION_SERVER_PROPERTY, DEFAULT_SESSION_SERVER).trim();
        int timeout = DEFAULT_SESSION_TIMEOUT_MS;
        try {
            timeout = Math.max(1, Integer.parseInt(System.getProperty(SESSION_TIMEOUT_PROPERTY, "").trim()));
        } catch (NumberFormatException keepDefault) {
            // not given or not a number
        }
        return new LoginSecurity(gen.generateKeyPair(), url.length() == 0 ? DEFAULT_SESSION_SERVER : url, timeout);
    }

    /** The public key in its X.509 encoding, as sent in the Encryption Request. */
    public byte[] publicKey() {
        return keys.getPublic().getEncoded();
    }

    /** Decrypts what the client encrypted with our public key (shared secret, verify token). */
    byte[] decrypt(byte[] data) throws GeneralSecurityException {
        Cipher rsa = Cipher.getInstance("RSA/ECB/PKCS1Padding");
        rsa.init(Cipher.DECRYPT_MODE, keys.getPrivate());
        return rsa.doFinal(data);
    }

    /**
     * The game's server id hash: SHA-1 over the server id, the shared secret and the public
     * key, written as a signed number in hexadecimal ("-" for negative, no leading zeros).
     */
    public static String serverHash(String serverId, byte[] secret, byte[] publicKey) {
        try {
            MessageDigest sha1 = MessageDigest.getInstance("SHA-1");
            sha1.update(serverId.getBytes(LATIN1));
            sha1.update(secret);
            sha1.update(publicKey);
            return new BigInteger(sha1.digest()).toString(16);
        } catch (GeneralSecurityException ex) {
            throw new IllegalStateException("SHA-1 is missing", ex);
        }
    }

    /**
     * Asks the session server whether the account of that name has joined with the hash.
     * Null when it says no; an IOException when it cannot be asked or answers nonsense.
     */
    public Profile hasJoined(String name, String hash) throws IOException {
        String sep = sessionServer.indexOf('?') >= 0 ? "&" : "?";
        URL url = new URL(sessionServer + sep + "username=" + URLEncoder.encode(name, "UTF-8") + "&serverId="
                + URLEncoder.encode(hash, "UTF-8"));
        HttpURLConnection http = (HttpURLConnection) url.openConnection();
        try {
            http.setConnectTimeout(timeoutMs);
            http.setReadTimeout(timeoutMs);
            http.setUseCaches(false);
            http.setInstanceFollowRedirects(false);
            int code = http.getResponseCode();
            if (code == HttpURLConnection.HTTP_NO_CONTENT) {
                return null;
            }
            if (code != HttpURLConnection.HTTP_OK) {
                throw new IOException("session server answered HTTP " + code);
            }
            String body = readAll(http.getInputStream()).trim();
            if (body.length() == 0) {
                return null;
            }
            return profile(body);
        } finally {
            http.disconnect();
        }
    }

    /** The account in a hasJoined answer: {"id":"<32 hex digits>","name":"...",...}. */
    static Profile profile(String json) throws IOException {
        Map<String, String> fields = Json.topLevelStrings(json);
        String id = fields.get("id");
        String name = fields.get("name");
        if (id == null || name == null || !id.matches("[0-9a-fA-F]{32}")) {
            throw new IOException("session server answer without a valid id and name");
        }
        String dashed = id.substring(0, 8) + "-" + id.substring(8, 12) + "-" + id.substring(12, 16) + "-"
                + id.substring(16, 20) + "-" + id.substring(20);
        return new Profile(name, UUID.fromString(dashed), Json.profileProperties(json));
    }

    private static String readAll(InputStream in) throws IOException {
        try {
            ByteArrayOutputStream out = new ByteArrayOutputStream();
            byte[] buf = new byte[4096];
            int n;
            while ((n = in.read(buf)) >= 0) {
                out.write(buf, 0, n);
                if (out.size() > MAX_ANSWER) {
                    throw new IOException("session server answer too long");
                }
            }
            return new String(out.toByteArray(), UTF8);
        } finally {
            in.close();
        }
    }
}
