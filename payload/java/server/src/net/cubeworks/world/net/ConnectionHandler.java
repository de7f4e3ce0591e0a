package net.cubeworks.world.net;

import java.util.List;
import java.util.UUID;
import net.cubeworks.world.protocol.PacketIn;

/**
 * What a connection asks of the game: the status answers, the admission of a player and
 * the player's packets. The game implements it; the network layer knows nothing else of it.
 * Every call comes from the connection's own reader thread (or the keep-alive ticker).
 */
public interface ConnectionHandler {
    /** The answer to the server-list ping of clients before 1.7, a whole frame. */
    byte[] legacyPingResponse(java.net.InetAddress client);

    /** The status JSON for a client of the given protocol, asking from the address. */
    String statusJson(int protocol, java.net.InetAddress client);

    /**
     * Login Start received: null when the login may go on (to the account check in online
     * mode), else the reason to refuse it with.
     */
    String checkLogin(int protocol, String name);

    /**
     * The login is through (the account verified in online mode): refuses with a
     * Disconnect, or admits the player and attaches it to the connection, which then moves
     * to the play state. properties are the account's profile properties, each {name,
     * value, signature} (none in offline mode).
     */
    void login(Connection conn, String name, UUID uuid, List<String[]> properties);

    /** An online-mode login was refused because the account could not be verified. */
    void loginFailed(Connection conn, String name, String why);

    /** A chat line (or a "/" command) from the player on the connection. */
    void chat(Connection conn, String message);

    /**
     * Any other packet of the play state (movement, digging, placing, inventory, ...): the
     * id and the fields after it. Reading past its end is a protocol error.
     */
    void play(Connection conn, int id, PacketIn packet) throws PacketIn.ProtocolException;

    /** The reader of a logged-in player's connection has ended. */
    void connectionLost(Connection conn, String reason);

    /** The client has not answered a keep-alive in time. */
    void kickForTimeout(Connection conn);
}
