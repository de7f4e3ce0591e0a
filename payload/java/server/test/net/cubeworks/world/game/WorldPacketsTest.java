package net.cubeworks.world.game;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;

import java.io.ByteArrayOutputStream;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.UUID;

import org.junit.Test;

import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.player.PlayerRecords;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PlayPackets;

public class WorldPacketsTest {
    private static final UUID ID = new UUID(0x0123456789abcdefL, 0x0fedcba987654321L);

    private static byte[] bytes(Object... parts) throws Exception {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        for (Object p : parts) {
            if (p instanceof String) {
                byte[] b = ((String) p).getBytes("UTF-8");
                out.write(b.length); // all strings here are shorter than 128 bytes
                out.write(b);
            } else {
                for (int v : (int[]) p) {
                    out.write(v);
                }
            }
        }
        return out.toByteArray();
    }

    /** After the profile: x 0.5, y 4, z -0.5 as fixed point, yaw 90 degrees, pitch 0, empty hand, metadata. */
    private static final int[] TAIL = {0, 0, 0, 0x10, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xF0, 0x40, 0, 0, 0,
        0x00, 0x00, 0x66, 0x41, 0xA0, 0, 0, 0x7F};

    @Test
    public void spawnPlayerForProtocol4HasThePlainUuidAndNoProperties() throws Exception {
        byte[] expected = bytes(new int[] {0x0C, 0x07}, "0123456789abcdef0fedcba987654321", "Alex", TAIL);
        List<String[]> props = Collections.singletonList(new String[] {"textures", "val", "sig"});
        byte[] actual = PlayPackets.spawnPlayer(4, 7, ID, "Alex", props, TrackedPosition.fixed(0.5), TrackedPosition.fixed(4.0),
                TrackedPosition.fixed(-0.5), TrackedPosition.angle(90f), TrackedPosition.angle(0f), 0, 20f).body();
        assertArrayEquals(expected, actual);
    }

    @Test
    public void spawnPlayerForProtocol5HasTheHyphenatedUuidAndTheProperties() throws Exception {
        byte[] offline = bytes(new int[] {0x0C, 0x07}, "01234567-89ab-cdef-0fed-cba987654321", "Alex", new int[] {0},
                TAIL);
        assertArrayEquals(offline,
                PlayPackets.spawnPlayer(5, 7, ID, "Alex", new ArrayList<String[]>(), 16, 128, -16, 64, 0, 0, 20f).body());
        byte[] online = bytes(new int[] {0x0C, 0x07}, "01234567-89ab-cdef-0fed-cba987654321", "Alex", new int[] {1},
                "textures", "dmFs", "c2ln", TAIL);
        List<String[]> props = Collections.singletonList(new String[] {"textures", "dmFs", "c2ln"});
        assertArrayEquals(online, PlayPackets.spawnPlayer(5, 7, ID, "Alex", props, 16, 128, -16, 64, 0, 0, 20f).body());
    }

    @Test
    public void fixedPointAndAnglesRoundDown() {
        assertEquals(-16, TrackedPosition.fixed(-0.5));
        assertEquals(-1, TrackedPosition.fixed(-0.01));
        assertEquals(-1, ColumnKey.chunk(-0.5));
        assertEquals(0, ColumnKey.chunk(15.99));
        assertEquals(1, ColumnKey.chunk(16.0));
        assertEquals(0xC0, TrackedPosition.angle(-90f));
        assertEquals(0x80, TrackedPosition.angle(180f));
    }

    @Test
    public void playerFileSlotsMapToTheInventoryWindowAndBack() {
        int[][] pairs = {{0, 36}, {8, 44}, {9, 9}, {35, 35}, {100, 8}, {103, 5}};
        for (int[] p : pairs) {
            assertEquals(p[1], PlayerRecords.windowSlot(p[0]));
            assertEquals(p[0], PlayerRecords.fileSlot(p[1]));
        }
        assertEquals(-1, PlayerRecords.windowSlot(36));
        assertEquals(-1, PlayerRecords.windowSlot(104));
        assertEquals(-1, PlayerRecords.windowSlot(-1));
        assertEquals("the crafting grid is not kept", -1, PlayerRecords.fileSlot(1));
    }
}
