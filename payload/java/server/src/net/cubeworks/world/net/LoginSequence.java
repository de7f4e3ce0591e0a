package net.cubeworks.world.net;

import java.io.IOException;
import java.security.GeneralSecurityException;
import java.security.SecureRandom;
import java.util.ArrayList;
import java.util.Arrays;

import javax.crypto.Cipher;

import net.cubeworks.world.protocol.LoginPackets;

/**
 * The login state of one connection, run on its reader thread: Login Start, the game's
 * checks, in online mode the encryption and the account check, then the admission.
 */
public final class LoginSequence {
    private static final SecureRandom RANDOM = new SecureRandom();
    static final long CLIENT_JOIN_ALLOWANCE_MS = 15000;

    private final Connection conn;
    private final LoginSecurity security;
    private final ConnectionHandler handler;

    LoginSequence(Connection conn, LoginSecurity security, ConnectionHandler handler) {
        this.conn = conn;
        this.security = security;
        this.handler = handler;
    }

    /**
     * Reads Login Start and carries the login through; the connection is in the play state
     * afterwards when the player was admitted.
     */
    void run() throws IOException {
        String name = LoginPackets.readLoginStart(conn.readPacket());
        String refusal = handler.checkLogin(conn.protocol(), name);
        if (refusal != null) {
            conn.disconnect(refusal);
            return;
        }
        if (security == null) {
            handler.login(conn, name, OfflineUuid.of(name), new ArrayList<String[]>());
            return;
        }
        LoginSecurity.Profile profile = authenticate(name);
        if (profile != null) {
            handler.login(conn, profile.name, profile.uuid, profile.properties);
        }
    }

    /**
     * The online-mode login: Encryption Request with our public key and a verify token,
     * Encryption Response with both encrypted by the client, encryption switched on in both
     * directions, then the session server asked whether the account joined with this
     * server's hash. Returns the account, or null after refusing the login.
     */
    private LoginSecurity.Profile authenticate(String name) throws IOException {
        byte[] token = new byte[4];
        RANDOM.nextBytes(token);
        byte[] publicKey = security.publicKey();
        String serverId = "";
        conn.send(LoginPackets.encryptionRequest(serverId, publicKey, token));
        // the game client tells the session server about the join before it answers, which
        // can take a while over a slow link
        conn.grantExtraTime(CLIENT_JOIN_ALLOWANCE_MS);
        LoginPackets.EncryptionResponse response = LoginPackets.readEncryptionResponse(conn.readPacket());
        byte[] secret;
        try {
            secret = security.decrypt(response.secret);
            byte[] echoed = security.decrypt(response.token);
            if (!Arrays.equals(token, echoed)) {
                conn.disconnect("Invalid verify token");
                return null;
            }
            if (secret.length != 16) {
                conn.disconnect("Invalid shared secret");
                return null;
            }
            Cipher decrypt = CipherStreams.aes(Cipher.DECRYPT_MODE, secret);
            Cipher encrypt = CipherStreams.aes(Cipher.ENCRYPT_MODE, secret);
            if (!conn.startEncryption(decrypt, encrypt)) {
                return null;
            }
        } catch (GeneralSecurityException ex) {
            conn.disconnect("Invalid encryption response");
            return null;
        }
        String hash = LoginSecurity.serverHash(serverId, secret, publicKey);
        LoginSecurity.Profile profile;
        conn.setVerifying(true);
        try {
            profile = security.hasJoined(name, hash);
        } catch (IOException ex) {
            conn.disconnect("Authentication servers are down. Please try again later, sorry!");
            handler.loginFailed(conn, name, "the session server could not be asked: " + ex);
            return null;
        } finally {
            conn.setVerifying(false);
        }
        if (profile == null || !profile.name.equalsIgnoreCase(name)) {
            conn.disconnect("Failed to verify username!");
            handler.loginFailed(conn, name, "the session server does not know this login");
            return null;
        }
        return profile;
    }
}
