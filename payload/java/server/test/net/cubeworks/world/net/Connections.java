package net.cubeworks.world.net;

import java.net.Socket;

/** Test fixtures: connections for worlds driven without a network. */
public final class Connections {
    private Connections() {
    }

    /** A connection to nobody that takes what is sent to it and never writes it anywhere. */
    public static Connection idle() {
        return new Connection(new Socket(), null, null, null);
    }

    /**
     * Takes the frames queued on a connection that is not running, as the ids of their
     * packets followed by their bodies: {id, body bytes...} each.
     */
    public static java.util.List<int[]> takeSent(Connection c) throws Exception {
        java.lang.reflect.Field f = Connection.class.getDeclaredField("queue");
        f.setAccessible(true);
        java.util.Queue<?> q = (java.util.Queue<?>) f.get(c);
        java.util.List<int[]> out = new java.util.ArrayList<int[]>();
        Object o;
        while ((o = q.poll()) != null) {
            if (!(o instanceof byte[])) {
                continue;
            }
            java.io.DataInputStream in = new java.io.DataInputStream(new java.io.ByteArrayInputStream((byte[]) o));
            int length = varInt(in);
            byte[] packet = new byte[length];
            in.readFully(packet);
            out.add(unsigned(packet));
        }
        return out;
    }

    private static int[] unsigned(byte[] b) {
        int[] r = new int[b.length];
        for (int i = 0; i < b.length; i++) {
            r[i] = b[i] & 0xFF;
        }
        return r;
    }

    private static int varInt(java.io.DataInputStream in) throws java.io.IOException {
        int v = 0;
        for (int shift = 0; ; shift += 7) {
            int b = in.readUnsignedByte();
            v |= (b & 0x7F) << shift;
            if ((b & 0x80) == 0) {
                return v;
            }
        }
    }
}
