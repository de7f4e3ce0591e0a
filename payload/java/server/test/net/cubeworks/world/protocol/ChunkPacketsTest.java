package net.cubeworks.world.protocol;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.IOException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.zip.DataFormatException;
import java.util.zip.Inflater;

import org.junit.Test;

import net.cubeworks.world.level.Column;

public class ChunkPacketsTest {
    /** The flat column as the client reads it, written out byte by byte. */
    private static byte[] expectedFlatColumn() {
        byte[] b = new byte[4096 + 2048 * 3 + 256];
        int i = 0;
        for (int n = 0; n < 256; n++) {
            b[i++] = 7; // bedrock, y 0
        }
        for (int n = 0; n < 512; n++) {
            b[i++] = 3; // dirt, y 1 and 2
        }
        for (int n = 0; n < 256; n++) {
            b[i++] = 2; // grass, y 3
        }
        i = 4096 + 2048 + 2048; // metadata and block light: all 0
        i += 512; // sky light of y 0..3: dark
        for (int n = 0; n < 1536; n++) {
            b[i++] = (byte) 0xFF; // y 4..15: full sky light, both nibbles
        }
        for (int n = 0; n < 256; n++) {
            b[i++] = 1; // plains
        }
        return b;
    }

    private static byte[] inflate(byte[] data, int expectedLength) throws DataFormatException {
        Inflater inf = new Inflater();
        inf.setInput(data);
        byte[] out = new byte[expectedLength + 1];
        int n = inf.inflate(out);
        assertTrue("whole stream read", inf.finished());
        inf.end();
        return Arrays.copyOf(out, n);
    }

    /** Reads one frame: VarInt length, then the body; checks the length covers the frame exactly. */
    private static DataInputStream body(byte[] frame) throws IOException {
        DataInputStream in = new DataInputStream(new ByteArrayInputStream(frame));
        int len = 0;
        for (int shift = 0;; shift += 7) {
            int b = in.readUnsignedByte();
            len |= (b & 0x7F) << shift;
            if ((b & 0x80) == 0) {
                break;
            }
        }
        assertEquals("frame length", in.available(), len);
        return in;
    }

    @Test
    public void oneFlatColumnInMapChunkBulk() throws Exception {
        List<ChunkPackets.Entry> one = new ArrayList<ChunkPackets.Entry>();
        one.add(ChunkPackets.Entry.flat(-3, 5));
        List<byte[]> frames = ChunkPackets.bulkFrames(one);
        assertEquals(1, frames.size());
        DataInputStream in = body(frames.get(0));
        assertEquals(0x26, in.readUnsignedByte());
        assertEquals(1, in.readShort());
        int len = in.readInt();
        assertEquals("sky light sent", 1, in.readUnsignedByte());
        byte[] compressed = new byte[len];
        in.readFully(compressed);
        assertEquals(-3, in.readInt());
        assertEquals(5, in.readInt());
        assertEquals("section 0 only", 1, in.readUnsignedShort());
        assertEquals("no add arrays", 0, in.readUnsignedShort());
        assertEquals("nothing after the meta", 0, in.available());
        assertArrayEquals(expectedFlatColumn(), inflate(compressed, 20000));
        // a generated flat column gives the same bytes as the cached ones
        Column c = Column.flat(-3, 5);
        assertEquals(1, c.sectionMask());
        assertArrayEquals(expectedFlatColumn(), c.chunkData(1));
    }

    @Test
    public void unloadPacketBytes() {
        // length 18, id, x 3, z -2, ground-up, both bit maps 0, data length 0
        byte[] expected = {0x12, 0x21, 0, 0, 0, 3, (byte) 0xFF, (byte) 0xFF, (byte) 0xFF, (byte) 0xFE, 1, 0, 0, 0, 0,
            0, 0, 0, 0};
        assertArrayEquals(expected, PlayPackets.unloadColumn(3, -2).frame());
    }

    @Test
    public void packetsHoldAtMostTenColumnsAndKeepTheOrder() throws Exception {
        List<ChunkPackets.Entry> entries = new ArrayList<ChunkPackets.Entry>();
        Column built = Column.flat(4, 4);
        built.set(1, 40, 2, 1, 0); // stone up in section 2
        for (int i = 0; i < 23; i++) {
            entries.add(i == 12 ? ChunkPackets.Entry.of(built) : ChunkPackets.Entry.flat(i, -i));
        }
        List<byte[]> frames = ChunkPackets.bulkFrames(entries);
        assertEquals(3, frames.size());
        int seen = 0;
        for (byte[] f : frames) {
            DataInputStream in = body(f);
            assertEquals(0x26, in.readUnsignedByte());
            int n = in.readShort();
            assertTrue(n <= 10);
            byte[] compressed = new byte[in.readInt()];
            in.readUnsignedByte();
            in.readFully(compressed);
            int total = 0;
            for (int i = 0; i < n; i++, seen++) {
                int x = in.readInt();
                int z = in.readInt();
                int mask = in.readUnsignedShort();
                in.readUnsignedShort();
                if (seen == 12) {
                    assertEquals(4, x);
                    assertEquals(0b101, mask);
                } else {
                    assertEquals(seen, x);
                    assertEquals(-seen, z);
                    assertEquals(1, mask);
                }
                total += Integer.bitCount(mask) * 10240 + 256;
            }
            assertEquals(0, in.available());
            assertEquals(total, inflate(compressed, total + 10).length);
        }
        assertEquals(23, seen);
    }

    /** The uncompressed data of the one packet the entries make. */
    private static byte[] packetData(List<ChunkPackets.Entry> entries, int expected) throws Exception {
        List<byte[]> frames = ChunkPackets.bulkFrames(entries);
        assertEquals(1, frames.size());
        DataInputStream in = body(frames.get(0));
        in.readUnsignedByte();
        in.readShort();
        byte[] compressed = new byte[in.readInt()];
        in.readUnsignedByte();
        in.readFully(compressed);
        return inflate(compressed, expected);
    }

    @Test
    public void aSpawnColumnIsCompressedOnceAndAgainOnlyAfterItChanges() throws Exception {
        Column c = Column.flat(2, 2);
        c.set(3, 20, 3, 89, 0); // glowstone in section 1
        net.cubeworks.world.level.ColumnLight.light(c);
        c.keepSendCache = true;
        byte[] raw = c.chunkData(c.sectionMask());
        List<ChunkPackets.Entry> group = new ArrayList<ChunkPackets.Entry>();
        group.add(ChunkPackets.Entry.flat(0, 0));
        group.add(ChunkPackets.Entry.of(c));
        byte[] first = packetData(group, raw.length + ChunkPackets.FLAT_DATA.length);
        byte[] expected = new byte[ChunkPackets.FLAT_DATA.length + raw.length];
        System.arraycopy(ChunkPackets.FLAT_DATA, 0, expected, 0, ChunkPackets.FLAT_DATA.length);
        System.arraycopy(raw, 0, expected, ChunkPackets.FLAT_DATA.length, raw.length);
        assertArrayEquals(expected, first);
        assertTrue("kept with the column", c.sendCache != null);
        // sent again: from what the column keeps, the same bytes
        ChunkPackets.Entry again = ChunkPackets.Entry.of(c);
        assertTrue(again.packed != null);
        group.set(1, again);
        group.add(0, ChunkPackets.Entry.of(c));
        byte[] twice = packetData(group, 2 * raw.length + ChunkPackets.FLAT_DATA.length);
        assertArrayEquals(raw, Arrays.copyOfRange(twice, 0, raw.length));
        assertArrayEquals(raw, Arrays.copyOfRange(twice, raw.length + ChunkPackets.FLAT_DATA.length, twice.length));
        // changed: the kept data is stale and not used
        c.set(3, 21, 3, 1, 0);
        ChunkPackets.Entry changed = ChunkPackets.Entry.of(c);
        assertTrue(changed.packed == null);
        byte[] now = c.chunkData(c.sectionMask());
        List<ChunkPackets.Entry> one = new ArrayList<ChunkPackets.Entry>();
        one.add(changed);
        assertArrayEquals(now, packetData(one, now.length));
        assertEquals(1, ChunkPackets.adlerCombine(1, 1, 0));
        // a column away from the spawn keeps nothing
        Column far = Column.flat(90, 90);
        far.set(1, 30, 1, 1, 0);
        net.cubeworks.world.level.ColumnLight.light(far);
        one.set(0, ChunkPackets.Entry.of(far));
        ChunkPackets.bulkFrames(one);
        assertTrue(far.sendCache == null);
    }

    private static int nibble(byte[] a, int i) {
        return (i & 1) == 0 ? a[i >> 1] & 0x0F : (a[i >> 1] >> 4) & 0x0F;
    }

    @Test
    public void columnNibblesHeightsAndSkyLight() {
        Column c = Column.flat(0, 0);
        c.set(3, 20, 5, 35, 14); // red wool in section 1
        c.set(4, 20, 5, 35, 1);
        assertEquals(35, c.block(3, 20, 5));
        assertEquals(14, c.meta(3, 20, 5));
        assertEquals(1, c.meta(4, 20, 5));
        int i = (20 & 15) << 8 | 5 << 4 | 3; // odd index: high nibble
        assertEquals((byte) 0xE0, c.sectionMeta(1)[i >> 1]);
        assertEquals("x 4: even index, low nibble", (byte) 0x01, c.sectionMeta(1)[(i + 1) >> 1]);
        assertEquals(21, c.height(3, 5));
        assertEquals(4, c.height(0, 0));
        int[] h = c.heightMap();
        byte[] sky1 = c.skyLight(1, h);
        assertEquals("y 21 over the wool: lit", 15, nibble(sky1, 5 << 8 | 5 << 4 | 3));
        assertEquals("y 20, the wool itself: dark", 0, nibble(sky1, 4 << 8 | 5 << 4 | 3));
        assertEquals("y 19 under the wool: dark", 0, nibble(sky1, 3 << 8 | 5 << 4 | 3));
        assertEquals("y 19 beside it: lit", 15, nibble(sky1, 3 << 8 | 5 << 4 | 2));
        c.set(3, 3, 5, 0, 0);
        assertEquals(0, c.block(3, 3, 5));
        c.set(3, 20, 5, 0, 0);
        c.set(4, 20, 5, 0, 0);
        assertEquals("an emptied section is not sent", 1, c.sectionMask());
        Column copy = c.copy();
        c.set(0, 0, 0, 1, 0);
        assertEquals("a copy does not share arrays", 7, copy.block(0, 0, 0));
    }
}
