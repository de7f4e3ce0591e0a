package net.cubeworks.world.level;

import java.util.Arrays;

/**
 * The blocks and light of one 16x16x16 section of a column, kept small. A block is a state,
 * id &lt;&lt; 4 | metadata. A section whose blocks are all one state keeps that state alone; one with
 * at most 16 states keeps them in a palette and a nibble per block (2048 bytes, index
 * (y&amp;15)&lt;&lt;8 | z&lt;&lt;4 | x, low nibble first, as the game's metadata); any other keeps 4096
 * ids and 2048 bytes of metadata nibbles, the metadata shared while it is all 0. Light is 2048
 * bytes of nibbles each for the block light and the sky light, or (null) not known; light of
 * one level throughout is a shared array.
 * <p>
 * Arrays may be shared with a copy of the section (see {@link #copy}), and the shared ones of
 * one level or of all-zero metadata are shared by every section: a section writes only the
 * arrays it owns (the bits of {@link #owned}), and takes a copy of any other first.
 */
final class Section {
    private static final byte UNIFORM = 0;
    private static final byte PACKED = 1;
    private static final byte FULL = 2;

    private static final int OWN_DATA = 1;
    private static final int OWN_META = 2;
    private static final int OWN_PALETTE = 4;
    private static final int OWN_BLOCK_LIGHT = 8;
    private static final int OWN_SKY_LIGHT = 16;

    /** LEVEL[l]: 2048 bytes of light l throughout, shared and never written. */
    static final byte[][] LEVEL = new byte[16][];
    private static final byte[] ZERO_META = new byte[2048];

    static {
        for (int l = 0; l < 16; l++) {
            LEVEL[l] = new byte[2048];
            Arrays.fill(LEVEL[l], (byte) (l | l << 4));
        }
    }

    private byte mode;
    private int owned;
    /** How many blocks are not air. */
    private int nonAir;
    /** UNIFORM: the state at [0]; PACKED: the states the nibbles point at, size of them in use. */
    private char[] palette;
    private int size;
    /** PACKED: 2048 bytes of palette indices; FULL: 4096 block ids. */
    private byte[] data;
    /** FULL: 2048 bytes of metadata nibbles. */
    private byte[] meta;
    byte[] blockLight;
    byte[] skyLight;

    /** A section of air throughout, without light. */
    Section() {
        mode = UNIFORM;
        palette = new char[1];
        size = 1;
        owned = OWN_PALETTE;
    }

    private Section(Section o) {
        mode = o.mode;
        palette = o.palette;
        size = o.size;
        nonAir = o.nonAir;
        data = o.data;
        meta = o.meta;
        blockLight = o.blockLight;
        skyLight = o.skyLight;
    }

    /** A copy sharing every array: neither writes one of them from here on without copying it first. */
    Section copy() {
        owned = 0;
        return new Section(this);
    }

    /**
     * The section as the disk keeps it: 4096 ids and 2048 bytes of metadata (null: all 0), packed
     * small. The arrays are not written; they may be kept (when they do not pack) and must not
     * change afterwards.
     */
    static Section of(byte[] ids, byte[] metadata) {
        Section s = new Section();
        s.mode = FULL;
        s.data = ids;
        s.meta = metadata == null || allZero(metadata) ? ZERO_META : metadata;
        s.owned = OWN_PALETTE; // the arrays given are not written: a change takes copies first
        for (byte id : ids) {
            if (id != 0) {
                s.nonAir++;
            }
        }
        s.pack();
        return s;
    }

    private static boolean allZero(byte[] a) {
        for (byte b : a) {
            if (b != 0) {
                return false;
            }
        }
        return true;
    }

    private static int nibble(byte[] a, int i) {
        return (i & 1) == 0 ? a[i >> 1] & 0x0F : (a[i >> 1] >> 4) & 0x0F;
    }

    private static void setNibble(byte[] a, int i, int v) {
        byte old = a[i >> 1];
        a[i >> 1] = (i & 1) == 0 ? (byte) ((old & 0xF0) | (v & 0x0F)) : (byte) ((old & 0x0F) | (v & 0x0F) << 4);
    }

    /** The state at index i: id &lt;&lt; 4 | metadata. */
    int state(int i) {
        switch (mode) {
            case UNIFORM:
                return palette[0];
            case PACKED:
                return palette[nibble(data, i)];
            default:
                return (data[i] & 0xFF) << 4 | nibble(meta, i);
        }
    }

    int id(int i) {
        switch (mode) {
            case UNIFORM:
                return palette[0] >> 4;
            case PACKED:
                return palette[nibble(data, i)] >> 4;
            default:
                return data[i] & 0xFF;
        }
    }

    /** True when every block is air. */
    boolean empty() {
        return nonAir == 0;
    }

    private void ownPalette() {
        if ((owned & OWN_PALETTE) == 0) {
            palette = palette.clone();
            owned |= OWN_PALETTE;
        }
    }

    private void ownData() {
        if ((owned & OWN_DATA) == 0) {
            data = data.clone();
            owned |= OWN_DATA;
        }
    }

    private void ownMeta() {
        if ((owned & OWN_META) == 0) {
            meta = meta.clone();
            owned |= OWN_META;
        }
    }

    /** Sets the state at index i. */
    void set(int i, int state) {
        boolean wasAir = id(i) == 0;
        boolean air = state >> 4 == 0;
        if (wasAir != air) {
            nonAir += air ? -1 : 1;
        }
        put(i, state);
    }

    private void put(int i, int state) {
        switch (mode) {
            case UNIFORM:
                if (palette[0] == state) {
                    return;
                }
                char first = palette[0];
                palette = new char[4];
                palette[0] = first;
                palette[1] = (char) state;
                size = 2;
                data = new byte[2048];
                owned |= OWN_PALETTE | OWN_DATA;
                mode = PACKED;
                setNibble(data, i, 1);
                return;
            case PACKED: {
                int p = find(state);
                if (p < 0) {
                    p = add(state);
                    if (p < 0) {
                        unpack();
                        put(i, state);
                        return;
                    }
                }
                if (nibble(data, i) != p) {
                    ownData();
                    setNibble(data, i, p);
                }
                return;
            }
            default: {
                byte id = (byte) (state >> 4);
                if (data[i] != id) {
                    ownData();
                    data[i] = id;
                }
                if (nibble(meta, i) != (state & 15)) {
                    ownMeta();
                    setNibble(meta, i, state & 15);
                }
            }
        }
    }

    private int find(int state) {
        for (int p = 0; p < size; p++) {
            if (palette[p] == state) {
                return p;
            }
        }
        return -1;
    }

    /** Adds a state to a PACKED palette: its index, or -1 when all 16 are in use. */
    private int add(int state) {
        if (size == 16) {
            dropUnused();
            if (size == 16) {
                return -1;
            }
        }
        ownPalette();
        if (size == palette.length) {
            palette = Arrays.copyOf(palette, Math.min(16, size * 2));
        }
        palette[size] = (char) state;
        return size++;
    }

    /** Takes the states no block points at any more out of a PACKED palette. */
    private void dropUnused() {
        boolean[] in = new boolean[16];
        for (byte b : data) {
            in[b & 0x0F] = true;
            in[(b >> 4) & 0x0F] = true;
        }
        int[] to = new int[16];
        int n = 0;
        for (int p = 0; p < size; p++) {
            to[p] = in[p] ? n++ : 0;
        }
        if (n == size) {
            return;
        }
        char[] np = new char[16];
        for (int p = 0; p < size; p++) {
            if (in[p]) {
                np[to[p]] = palette[p];
            }
        }
        byte[] nd = new byte[2048];
        for (int j = 0; j < 2048; j++) {
            int b = data[j];
            nd[j] = (byte) (to[b & 0x0F] | to[(b >> 4) & 0x0F] << 4);
        }
        palette = np;
        size = n;
        data = nd;
        owned |= OWN_PALETTE | OWN_DATA;
    }

    /** A PACKED or UNIFORM section to 4096 ids and the metadata nibbles. */
    private void unpack() {
        byte[] ids = new byte[4096];
        byte[] m = new byte[2048];
        fill(ids, 0, m, 0);
        data = ids;
        meta = m;
        palette = null;
        size = 0;
        mode = FULL;
        owned |= OWN_DATA | OWN_META;
    }

    /**
     * Packs the blocks as small as they go: one state, or at most 16 in a palette; else keeps
     * 4096 ids and the metadata, shared while it is all 0. Light of one level throughout is shared.
     */
    void pack() {
        if (mode == FULL) {
            char[] found = new char[16];
            int n = 0;
            boolean fits = true;
            int last = -1;
            for (int i = 0; i < 4096 && fits; i++) {
                int s = (data[i] & 0xFF) << 4 | nibble(meta, i);
                if (s == last) {
                    continue;
                }
                last = s;
                int p = 0;
                while (p < n && found[p] != s) {
                    p++;
                }
                if (p == n) {
                    if (n == 16) {
                        fits = false;
                    } else {
                        found[n++] = (char) s;
                    }
                }
            }
            if (fits) {
                byte[] ids = data;
                byte[] m = meta;
                if (n == 1) {
                    mode = UNIFORM;
                    palette = new char[] {found[0]};
                    size = 1;
                    data = null;
                } else {
                    mode = PACKED;
                    palette = Arrays.copyOf(found, n);
                    size = n;
                    byte[] nd = new byte[2048];
                    int lastState = -1;
                    int lastIndex = 0;
                    for (int i = 0; i < 4096; i++) {
                        int s = (ids[i] & 0xFF) << 4 | nibble(m, i);
                        if (s != lastState) {
                            int p = 0;
                            while (palette[p] != s) {
                                p++;
                            }
                            lastState = s;
                            lastIndex = p;
                        }
                        if (lastIndex != 0) {
                            nd[i >> 1] |= (i & 1) == 0 ? lastIndex : lastIndex << 4;
                        }
                    }
                    data = nd;
                }
                meta = null;
                owned = (owned & ~(OWN_META | OWN_DATA)) | OWN_PALETTE | (data == null ? 0 : OWN_DATA);
            } else if (meta != ZERO_META && allZero(meta)) {
                meta = ZERO_META;
                owned &= ~OWN_META;
            }
        } else if (mode == PACKED && (size == 16 || nonAir == 0 || nonAir == 4096)) {
            // states no block uses any more make room for new ones, or leave the one there is
            dropUnused();
            if (size == 1) {
                mode = UNIFORM;
                palette = new char[] {palette[0]};
                data = null;
                owned = (owned & ~OWN_DATA) | OWN_PALETTE;
            }
        }
        blockLight = shared(blockLight);
        skyLight = shared(skyLight);
        if (isLevel(blockLight)) {
            owned &= ~OWN_BLOCK_LIGHT;
        }
        if (isLevel(skyLight)) {
            owned &= ~OWN_SKY_LIGHT;
        }
    }

    /** The shared array of the same bytes when a light array holds one level throughout; else the array. */
    static byte[] shared(byte[] a) {
        if (a == null || isLevel(a)) {
            return a;
        }
        byte first = a[0];
        if (((first >> 4) & 0x0F) != (first & 0x0F)) {
            return a;
        }
        for (byte b : a) {
            if (b != first) {
                return a;
            }
        }
        return LEVEL[first & 0x0F];
    }

    static boolean isLevel(byte[] a) {
        return a != null && a.length == 2048 && a == LEVEL[a[0] & 0x0F];
    }

    /** Writes the 4096 ids at idsOff and, when m is not null, the 2048 metadata bytes at metaOff. */
    void fill(byte[] ids, int idsOff, byte[] m, int metaOff) {
        switch (mode) {
            case UNIFORM: {
                int s = palette[0];
                if (ids != null) {
                    Arrays.fill(ids, idsOff, idsOff + 4096, (byte) (s >> 4));
                }
                if (m != null) {
                    int v = s & 15;
                    Arrays.fill(m, metaOff, metaOff + 2048, (byte) (v | v << 4));
                }
                return;
            }
            case PACKED: {
                if (ids != null) {
                    byte[] idOf = new byte[16];
                    for (int p = 0; p < size; p++) {
                        idOf[p] = (byte) (palette[p] >> 4);
                    }
                    for (int j = 0; j < 2048; j++) {
                        int b = data[j];
                        ids[idsOff + 2 * j] = idOf[b & 0x0F];
                        ids[idsOff + 2 * j + 1] = idOf[(b >> 4) & 0x0F];
                    }
                }
                if (m != null) {
                    byte[] metaOf = new byte[16];
                    boolean any = false;
                    for (int p = 0; p < size; p++) {
                        metaOf[p] = (byte) (palette[p] & 15);
                        any |= metaOf[p] != 0;
                    }
                    if (!any) {
                        Arrays.fill(m, metaOff, metaOff + 2048, (byte) 0);
                        return;
                    }
                    for (int j = 0; j < 2048; j++) {
                        int b = data[j];
                        m[metaOff + j] = (byte) (metaOf[b & 0x0F] | metaOf[(b >> 4) & 0x0F] << 4);
                    }
                }
                return;
            }
            default:
                if (ids != null) {
                    System.arraycopy(data, 0, ids, idsOff, 4096);
                }
                if (m != null) {
                    System.arraycopy(meta, 0, m, metaOff, 2048);
                }
        }
    }

    /** Sets one nibble of the block or sky light, taking an array of its own first when it does not own one. */
    void setLight(boolean sky, int i, int v) {
        byte[] a = sky ? skyLight : blockLight;
        if (a == null || nibble(a, i) == v) {
            return;
        }
        int bit = sky ? OWN_SKY_LIGHT : OWN_BLOCK_LIGHT;
        if ((owned & bit) == 0) {
            a = a.clone();
            owned |= bit;
            if (sky) {
                skyLight = a;
            } else {
                blockLight = a;
            }
        }
        setNibble(a, i, v);
    }

    static int light(byte[] a, int i) {
        return nibble(a, i);
    }

    /** Puts in light arrays the section now owns (or the shared ones, for light of one level throughout). */
    void putLight(byte[] block, byte[] sky) {
        blockLight = shared(block);
        skyLight = shared(sky);
        owned &= ~(OWN_BLOCK_LIGHT | OWN_SKY_LIGHT);
        if (blockLight != null && !isLevel(blockLight)) {
            owned |= OWN_BLOCK_LIGHT;
        }
        if (skyLight != null && !isLevel(skyLight)) {
            owned |= OWN_SKY_LIGHT;
        }
    }

    /** Light of one level throughout (shared); null for none. */
    void levelLight(int block, int sky) {
        blockLight = block < 0 ? null : LEVEL[block];
        skyLight = sky < 0 ? null : LEVEL[sky];
        owned &= ~(OWN_BLOCK_LIGHT | OWN_SKY_LIGHT);
    }

    /** Bytes of heap the section takes, about, counting arrays it shares with a copy but not shared constants. */
    int footprint() {
        int n = 48;
        if (palette != null) {
            n += 16 + 2 * palette.length;
        }
        if (data != null) {
            n += 16 + data.length;
        }
        if (meta != null && meta != ZERO_META) {
            n += 16 + meta.length;
        }
        if (blockLight != null && !isLevel(blockLight)) {
            n += 2064;
        }
        if (skyLight != null && !isLevel(skyLight)) {
            n += 2064;
        }
        return n;
    }
}
