package net.cubeworks.world.protocol;

/** The handshake and the status state: the server-list ping of 1.7 clients. */
public final class StatusPackets {
    /** The first byte of the server-list ping of clients before 1.7, in place of a frame. */
    public static final int LEGACY_PING = 0xFE;
    /** Serverbound, handshake state. */
    public static final int HANDSHAKE = 0x00;
    /** Serverbound, status state. */
    public static final int REQUEST = 0x00;
    public static final int PING = 0x01;
    /** Clientbound, status state. */
    public static final int RESPONSE = 0x00;
    public static final int PONG = 0x01;

    /** The next state a handshake asks for. */
    public static final int NEXT_STATUS = 1;
    public static final int NEXT_LOGIN = 2;

    private StatusPackets() {
    }

    /** What a Handshake carries. */
    public static final class Handshake {
        public final int protocol;
        public final String host;
        public final int port;
        public final int nextState;

        Handshake(int protocol, String host, int port, int nextState) {
            this.protocol = protocol;
            this.host = host;
            this.port = port;
            this.nextState = nextState;
        }
    }

    /** Reads a Handshake, id included. */
    public static Handshake readHandshake(PacketIn in) throws PacketIn.ProtocolException {
        if (in.readVarInt() != HANDSHAKE) {
            throw new PacketIn.ProtocolException("expected handshake");
        }
        int protocol = in.readVarInt();
        String host = in.readString(255);
        int port = in.readUnsignedShort();
        return new Handshake(protocol, host, port, in.readVarInt());
    }

    public static PacketOut response(String json) {
        return new PacketOut(RESPONSE).writeString(json);
    }

    public static PacketOut pong(long payload) {
        return new PacketOut(PONG).writeLong(payload);
    }
}
