package net.cubeworks.world.protocol;

/** The login state: Login Start, the online-mode encryption, then Login Success or Disconnect. */
public final class LoginPackets {
    /** Serverbound. */
    public static final int LOGIN_START = 0x00;
    public static final int ENCRYPTION_RESPONSE = 0x01;
    /** Clientbound. */
    public static final int DISCONNECT = 0x00;
    public static final int ENCRYPTION_REQUEST = 0x01;
    public static final int LOGIN_SUCCESS = 0x02;

    private LoginPackets() {
    }

    /** Reads Login Start, id included: the name the client asks for. */
    public static String readLoginStart(PacketIn in) throws PacketIn.ProtocolException {
        if (in.readVarInt() != LOGIN_START) {
            throw new PacketIn.ProtocolException("expected login start");
        }
        return in.readString(16);
    }

    /** What Encryption Response carries, both still encrypted with our public key. */
    public static final class EncryptionResponse {
        public final byte[] secret;
        public final byte[] token;

        EncryptionResponse(byte[] secret, byte[] token) {
            this.secret = secret;
            this.token = token;
        }
    }

    public static EncryptionResponse readEncryptionResponse(PacketIn in) throws PacketIn.ProtocolException {
        if (in.readVarInt() != ENCRYPTION_RESPONSE) {
            throw new PacketIn.ProtocolException("expected encryption response");
        }
        byte[] secret = in.readShortBytes(256);
        return new EncryptionResponse(secret, in.readShortBytes(256));
    }

    public static PacketOut encryptionRequest(String serverId, byte[] publicKey, byte[] token) {
        return new PacketOut(ENCRYPTION_REQUEST).writeString(serverId).writeShort(publicKey.length)
                .writeBytes(publicKey).writeShort(token.length).writeBytes(token);
    }

    /** The reason as a chat component in JSON. */
    public static PacketOut disconnect(String reasonJson) {
        return new PacketOut(DISCONNECT).writeString(reasonJson);
    }

    /**
     * Login Success. The UUID as the client of that protocol reads it: 32 hex digits for
     * protocol 4 (1.7.2), the usual hyphenated form for protocol 5.
     */
    public static PacketOut loginSuccess(java.util.UUID uuid, String name, int protocol) {
        String id = uuid.toString();
        return new PacketOut(LOGIN_SUCCESS).writeString(protocol <= 4 ? id.replace("-", "") : id).writeString(name);
    }
}
