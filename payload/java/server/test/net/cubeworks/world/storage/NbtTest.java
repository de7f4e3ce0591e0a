package net.cubeworks.world.storage;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import org.junit.Test;

public class NbtTest {
    @Test
    public void everyTagTypeInTheGamesByteLayout() throws Exception {
        NbtCompound c = new NbtCompound().put("b", (byte) -2).put("s", (short) 300).put("i", 70000)
                .put("l", 1L << 40).put("f", 1.5f).put("d", -0.25).put("ba", new byte[] { 1, 2 })
                .put("str", "\u00e9\u0000").put("ia", new int[] { -1, 7 })
                .put("lists", NbtList.of(Nbt.LIST, NbtList.of(Nbt.INT, 1, 2), new NbtList(Nbt.END)))
                .put("cs", NbtList.of(Nbt.COMPOUND, new NbtCompound().put("z", (byte) 1)))
                .put("inner", new NbtCompound().put("deep", new NbtCompound()));
        byte[] raw = Nbt.write(c);
        // root: type 10, empty name; first entry: byte "b" = -2
        assertArrayEquals(new byte[] { 10, 0, 0, 1, 0, 1, 'b', -2, 2, 0, 1, 's', 1, 44 }, Arrays.copyOf(raw, 14));
        // strings are modified UTF-8: U+0000 takes two bytes
        assertTrue(indexOf(raw, new byte[] { 8, 0, 3, 's', 't', 'r', 0, 4, (byte) 0xC3, (byte) 0xA9, (byte) 0xC0, (byte) 0x80 }) > 0);
        // an empty list is written with element type End, as the game does
        assertTrue(indexOf(raw, new byte[] { 9, 0, 0, 0, 2, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0 }) > 0);
        assertEquals(0, raw[raw.length - 1]);

        NbtCompound back = Nbt.read(raw);
        List<String> order = new ArrayList<String>(back.map.keySet());
        assertEquals(Arrays.asList("b", "s", "i", "l", "f", "d", "ba", "str", "ia", "lists", "cs", "inner"), order);
        assertArrayEquals(raw, Nbt.write(back));
        assertEquals(1.5f, (Float) back.get("f"), 0f);
        assertArrayEquals(new int[] { -1, 7 }, (int[]) back.get("ia"));
        assertEquals("\u00e9\u0000", back.get("str"));
        assertEquals(2, ((NbtList) ((NbtList) back.get("lists")).get(0)).get(1));
        assertArrayEquals(raw, Nbt.write(Nbt.read(Nbt.gunzip(Nbt.gzip(raw)))));
    }

    private static int indexOf(byte[] hay, byte[] needle) {
        outer: for (int i = 0; i + needle.length <= hay.length; i++) {
            for (int j = 0; j < needle.length; j++) {
                if (hay[i + j] != needle[j]) {
                    continue outer;
                }
            }
            return i;
        }
        return -1;
    }

    @Test
    public void hostileTagDataIsRefusedWithoutHugeAllocations() {
        byte[][] hostile = {
            {},
            { 8, 0, 0 }, // root is not a compound
            { 10, 0, 0, 7, 0, 1, 'a', 0x7F, -1, -1, -1 }, // byte array of 2 GB
            { 10, 0, 0, 11, 0, 1, 'a', 0x10, 0, 0, 0, 0, 0, 0, 0 }, // int array longer than the input
            { 10, 0, 0, 9, 0, 1, 'a', 1, 0x7F, -1, -1, -1 }, // list of 2 G bytes
            { 10, 0, 0, 9, 0, 1, 'a', 0, 0, 0, 0, 5, 0 }, // five End tags
            { 10, 0, 0, 9, 0, 1, 'a', 13, 0, 0, 0, 0, 0 }, // list of an unknown type
            { 10, 0, 0, 12, 0, 1, 'a', 0 }, // tag of an unknown type
            { 10, 0, 0, 7, 0, 1, 'a', -1, -1, -1, -1, 0 }, // negative length
            { 10, 0, 0, 8, 0, 9, 'a' }, // name runs past the end
            { 10, 0, 0, 1, 0, 1, 'a', 5 }, // no End of the root
        };
        for (byte[] h : hostile) {
            try {
                Nbt.read(h);
                fail("read " + Arrays.toString(h));
            } catch (Nbt.FormatException expected) {
                assertTrue(expected.getMessage().length() > 0);
            }
        }
        // nesting deeper than the game writes: lists of lists, 100000 deep, in a few hundred kB
        byte[] deep = new byte[3 + 3 + 100000 * 5 + 10];
        byte[] head = { 10, 0, 0, 9, 0, 0 };
        System.arraycopy(head, 0, deep, 0, head.length);
        for (int i = 0; i < 100000; i++) {
            int p = head.length + i * 5;
            deep[p] = 9; // element type list, one element
            deep[p + 4] = 1;
        }
        try {
            Nbt.read(deep);
            fail("read a list nested 100000 deep");
        } catch (Nbt.FormatException expected) {
            assertTrue(expected.getMessage().contains("nested"));
        }
    }

    @Test
    public void packedDataIsCheckedAndBounded() throws Exception {
        byte[] raw = Nbt.write(new NbtCompound().put("x", 1));
        byte[] gz = Nbt.gzip(raw);
        assertEquals(0x1F, gz[0] & 0xFF);
        assertEquals(0x8B, gz[1] & 0xFF);
        byte[] z = Nbt.zlib(raw);
        assertEquals(0x78, z[0] & 0xFF);
        assertArrayEquals(raw, Nbt.unzlib(z, 0, z.length));
        expectBroken(Arrays.copyOf(gz, gz.length - 9), true);
        expectBroken(Arrays.copyOf(z, z.length - 3), false);
        expectBroken(raw, true);
        // a bomb: 64 MB of zeros packs to under 100 kB but must not unpack past the limit
        byte[] bomb = Nbt.zlib(new byte[64 << 20]);
        assertTrue(bomb.length < 100000);
        expectBroken(bomb, false);
    }

    private static void expectBroken(byte[] packed, boolean gzip) {
        try {
            if (gzip) {
                Nbt.gunzip(packed);
            } else {
                Nbt.unzlib(packed, 0, packed.length);
            }
            fail("unpacked broken data");
        } catch (Nbt.FormatException expected) {
            assertTrue(expected.getMessage().length() > 0);
        }
    }
}
