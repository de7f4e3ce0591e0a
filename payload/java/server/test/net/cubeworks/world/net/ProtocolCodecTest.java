package net.cubeworks.world.net;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.ByteArrayInputStream;
import java.io.EOFException;
import java.io.IOException;
import java.util.ArrayList;
import java.util.List;

import org.junit.Test;
import net.cubeworks.world.protocol.Json;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.StatusResponse;

public class ProtocolCodecTest {
    private static byte[] bytes(int... v) {
        byte[] b = new byte[v.length];
        for (int i = 0; i < v.length; i++) {
            b[i] = (byte) v[i];
        }
        return b;
    }

    private static byte[] varInt(int value) {
        java.io.ByteArrayOutputStream out = new java.io.ByteArrayOutputStream();
        PacketOut.writeVarInt(out, value);
        return out.toByteArray();
    }

    @Test
    public void varIntMatchesThePublishedExamples() throws Exception {
        int[][] cases = {
            {0, 0x00}, {1, 0x01}, {127, 0x7F}, {128, 0x80, 0x01}, {255, 0xFF, 0x01}, {300, 0xAC, 0x02},
            {2097151, 0xFF, 0xFF, 0x7F}, {2147483647, 0xFF, 0xFF, 0xFF, 0xFF, 0x07},
            {-1, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F}, {-2147483648, 0x80, 0x80, 0x80, 0x80, 0x08},
        };
        for (int[] c : cases) {
            int[] enc = java.util.Arrays.copyOfRange(c, 1, c.length);
            assertArrayEquals("encode " + c[0], bytes(enc), varInt(c[0]));
            assertEquals("decode " + c[0], c[0], new PacketIn(bytes(enc)).readVarInt());
        }
    }

    @Test
    public void varIntRejectsSixBytesAndTruncation() {
        try {
            new PacketIn(bytes(0x80, 0x80, 0x80, 0x80, 0x80, 0x01)).readVarInt();
            fail();
        } catch (PacketIn.ProtocolException expected) {
            // too long
        }
        try {
            new PacketIn(bytes(0x80)).readVarInt();
            fail();
        } catch (PacketIn.ProtocolException expected) {
            // cut short
        }
    }

    @Test
    public void stringsAreUtf8WithVarIntByteLength() throws Exception {
        assertArrayEquals(bytes(0x00, 0x04, 'A', 'l', 'e', 'x'), new PacketOut(0).writeString("Alex").body());
        byte[] body = new PacketOut(0).writeString("§é").body();
        assertArrayEquals(bytes(0x00, 0x04, 0xC2, 0xA7, 0xC3, 0xA9), body);
        PacketIn in = new PacketIn(body);
        in.readVarInt();
        assertEquals("§é", in.readString(16));
        PacketIn tooLong = new PacketIn(new PacketOut(0).writeString("ABCDEFGHIJKLMNOPQ").body());
        tooLong.readVarInt();
        try {
            tooLong.readString(16);
            fail();
        } catch (PacketIn.ProtocolException expected) {
            // 17 characters for a 16-character field
        }
    }

    @Test
    public void handshakeFrameAsAClientSendsIt() throws Exception {
        // length 15, id 0, protocol 4, "localhost", port 25565, next state 1
        byte[] wire = bytes(0x0F, 0x00, 0x04, 0x09, 'l', 'o', 'c', 'a', 'l', 'h', 'o', 's', 't', 0x63, 0xDD, 0x01);
        assertArrayEquals(wire, new PacketOut(0).writeVarInt(4).writeString("localhost").writeShort(25565)
                .writeVarInt(1).frame());
        ByteArrayInputStream in = new ByteArrayInputStream(wire);
        byte[] frame = Connection.readFrame(in.read(), in, 1024);
        PacketIn p = new PacketIn(frame);
        assertEquals(0, p.readVarInt());
        assertEquals(4, p.readVarInt());
        assertEquals("localhost", p.readString(255));
        assertEquals(25565, p.readUnsignedShort());
        assertEquals(1, p.readVarInt());
        assertEquals(0, p.remaining());
    }

    @Test
    public void framesOverTheLimitOrEmptyOrCutShortAreRefused() throws Exception {
        byte[][] bad = {
            bytes(0x80, 0x80, 0x02),          // 32768: over the client limit
            bytes(0xFF, 0xFF, 0xFF, 0x7F),    // longer than three bytes of length
            bytes(0x00),                      // empty packet
        };
        for (byte[] b : bad) {
            ByteArrayInputStream in = new ByteArrayInputStream(b);
            try {
                Connection.readFrame(in.read(), in, Connection.MAX_CLIENT_PACKET);
                fail();
            } catch (PacketIn.ProtocolException expected) {
                // refused before reading the body
            }
        }
        ByteArrayInputStream cut = new ByteArrayInputStream(bytes(0x05, 0x00, 0x01));
        try {
            Connection.readFrame(cut.read(), cut, Connection.MAX_CLIENT_PACKET);
            fail();
        } catch (EOFException expected) {
            // the stream ended inside the packet
        }
    }

    @Test
    public void numbersAreBigEndian() throws IOException {
        byte[] b = new PacketOut(0x01).writeInt(0x01020304).writeLong(-2L).writeShort(0xABCD).writeFloat(1.0f).body();
        assertArrayEquals(bytes(0x01, 1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xAB, 0xCD,
                0x3F, 0x80, 0x00, 0x00), b);
        PacketIn in = new PacketIn(b);
        in.readVarInt();
        assertEquals(0x01020304, in.readInt());
        assertEquals(-2L, in.readLong());
        assertEquals(0xABCD, in.readUnsignedShort());
    }

    @Test
    public void offlineUuidOfAlexInBothForms() {
        assertEquals("36532b5e-c442-3dbb-a24c-c7e55d0f979a", OfflineUuid.forProtocol("Alex", 5));
        assertEquals("36532b5ec4423dbba24cc7e55d0f979a", OfflineUuid.forProtocol("Alex", 4));
        assertEquals(3, OfflineUuid.of("Alex").version());
    }

    @Test
    public void statusJsonCarriesVersionPlayersMotdAndIcon() {
        List<String[]> sample = new ArrayList<String[]>();
        sample.add(new String[] {"Alex", "36532b5e-c442-3dbb-a24c-c7e55d0f979a"});
        String json = StatusResponse.json("1.7.2", 4, 20, 1, sample, "A \"quoted\" motd", "data:image/png;base64,AAAA");
        assertEquals("{\"version\":{\"name\":\"1.7.2\",\"protocol\":4},\"players\":{\"max\":20,\"online\":1,"
                + "\"sample\":[{\"name\":\"Alex\",\"id\":\"36532b5e-c442-3dbb-a24c-c7e55d0f979a\"}]},"
                + "\"description\":{\"text\":\"A \\\"quoted\\\" motd\"},\"favicon\":\"data:image/png;base64,AAAA\"}",
                json);
        String empty = StatusResponse.json("1.7.2", 5, 20, 0, new ArrayList<String[]>(), "m", null);
        assertTrue(empty.contains("\"protocol\":5"));
        assertTrue(!empty.contains("sample") && !empty.contains("favicon"));
    }

    @Test
    public void legacyPingAnswer() throws Exception {
        byte[] b = StatusResponse.legacy("1.7.2", "Hi", 1, 20);
        String text = "\u00a71\u0000127\u00001.7.2\u0000Hi\u00001\u000020";
        assertEquals(0xFF, b[0] & 0xFF);
        assertEquals(text.length(), ((b[1] & 0xFF) << 8) | (b[2] & 0xFF));
        assertEquals(text, new String(b, 3, b.length - 3, "UTF-16BE"));
    }

    @Test
    public void jsonEscapesControlCharacters() {
        assertEquals("\"a\\nb\\\\c\\u0001\"", Json.quote("a\nb\\c\u0001"));
        assertEquals("{\"text\":\"You are banned from this server!\\nReason: x\"}",
                Json.chat("You are banned from this server!\nReason: x"));
    }
}
