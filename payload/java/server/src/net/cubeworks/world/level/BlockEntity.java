package net.cubeworks.world.level;

/**
 * State a block owns beyond its id and metadata, as the game keeps it beside the column's blocks:
 * a sign's text, a container's slots, a jukebox's record. Each has its place in the world and the
 * game's 1.7 name for its kind ("Sign", "Chest", "Furnace", "Trap" for a dispenser, "Dropper",
 * "Hopper", "Cauldron" for a brewing stand, "RecordPlayer" for a jukebox, and others the world
 * does not model, such as "MobSpawner").
 * What the world does not model of it is {@link #kept} as the store read it, and written back
 * unchanged; a kind the world does not model is nothing but that.
 */
public class BlockEntity {
    public static final String SIGN = "Sign";
    public static final String CHEST = "Chest";
    public static final String FURNACE = "Furnace";
    public static final String DISPENSER = "Trap";
    public static final String DROPPER = "Dropper";
    public static final String HOPPER = "Hopper";
    public static final String BREWING_STAND = "Cauldron";
    public static final String NOTE_BLOCK = "Music";
    public static final String DAYLIGHT_SENSOR = "DLDetector";
    public static final String JUKEBOX = "RecordPlayer";

    /** Its block, in world coordinates. */
    public final int x;
    public final int y;
    public final int z;
    /** The kind, by the game's name. */
    public final String id;
    /** What the store read of it beyond what the world models; null for one the world made. */
    public Object kept;

    public BlockEntity(String id, int x, int y, int z) {
        if (id == null) {
            throw new IllegalArgumentException("a block entity needs a kind");
        }
        this.id = id;
        this.x = x;
        this.y = y;
        this.z = z;
    }

    /**
     * The kind a new block of the id gets, by the game's name; null for blocks the world keeps no
     * state of (other blocks the game gives an entity, a spawner or a head, get none here).
     */
    public static String kindOf(int blockId) {
        switch (blockId) {
            case 63:
            case 68:
                return SIGN;
            case 54:
            case 146:
                return CHEST;
            case 61:
            case 62:
                return FURNACE;
            case 23:
                return DISPENSER;
            case 158:
                return DROPPER;
            case 154:
                return HOPPER;
            case 117:
                return BREWING_STAND;
            case 25:
                return NOTE_BLOCK;
            case 151:
                return DAYLIGHT_SENSOR;
            case 84:
                return JUKEBOX;
            default:
                return null;
        }
    }

    /** The slots a container of the kind has; 0 for a kind without slots the world keeps. */
    public static int slotsOf(String kind) {
        if (CHEST.equals(kind)) {
            return 27;
        }
        if (DISPENSER.equals(kind) || DROPPER.equals(kind)) {
            return 9;
        }
        if (HOPPER.equals(kind)) {
            return 5;
        }
        if (BREWING_STAND.equals(kind)) {
            return 4;
        }
        return FURNACE.equals(kind) ? 3 : 0;
    }

    /** An empty block entity of the kind at the place: of its class when the world models the kind. */
    public static BlockEntity of(String kind, int x, int y, int z) {
        if (SIGN.equals(kind)) {
            return new Sign(x, y, z);
        }
        if (FURNACE.equals(kind)) {
            return new Furnace(x, y, z);
        }
        if (NOTE_BLOCK.equals(kind)) {
            return new Music(x, y, z);
        }
        if (HOPPER.equals(kind)) {
            return new Hopper(x, y, z);
        }
        if (JUKEBOX.equals(kind)) {
            return new Jukebox(x, y, z);
        }
        int slots = slotsOf(kind);
        return slots > 0 ? new Container(kind, x, y, z, slots) : new BlockEntity(kind, x, y, z);
    }

    /** The empty block entity a new block of the id has at the place; null when it has none. */
    public static BlockEntity forBlock(int blockId, int x, int y, int z) {
        String kind = kindOf(blockId);
        return kind == null ? null : of(kind, x, y, z);
    }

    /** A copy that shares nothing the world changes (the kept tags are never changed in place). */
    public BlockEntity copy() {
        BlockEntity e = new BlockEntity(id, x, y, z);
        e.kept = kept;
        return e;
    }

    /** A note block's pitch: 0 to 24, a semitone each, as the game counts it. */
    public static final class Music extends BlockEntity {
        public int note;
        /** Whether the block was powered when last told of a change (its notes play on the rise). Not stored. */
        public boolean powered;

        public Music(int x, int y, int z) {
            super(NOTE_BLOCK, x, y, z);
        }

        @Override
        public Music copy() {
            Music m = new Music(x, y, z);
            m.note = note;
            m.powered = powered;
            m.kept = kept;
            return m;
        }
    }

    /** A sign's four lines of text. */
    public static final class Sign extends BlockEntity {
        /** The characters a line holds in the game. */
        public static final int LINE = 15;
        private final String[] lines = {"", "", "", ""};
        /**
         * Who may write its text from a client, once: the player who placed it, until he has;
         * null when nobody may (a sign read from the store or set by a plugin). Not stored.
         */
        public Object editor;

        public Sign(int x, int y, int z) {
            super(SIGN, x, y, z);
        }

        public String line(int i) {
            return lines[i];
        }

        /**
         * Whether a client may write the line: as the game allows, at most {@link #LINE}
         * characters and none of the section sign (the colour codes) or control characters.
         */
        public static boolean writable(String line) {
            if (line == null || line.length() > LINE) {
                return false;
            }
            for (int i = 0; i < line.length(); i++) {
                char c = line.charAt(i);
                if (c < 32 || c == 127 || c == '\u00a7') {
                    return false;
                }
            }
            return true;
        }

        public String[] lines() {
            return lines.clone();
        }

        /** Sets a line (0..3); null is an empty line, a longer one is cut to {@link #LINE} characters. */
        public void setLine(int i, String text) {
            lines[i] = text == null ? "" : text.length() > LINE ? text.substring(0, LINE) : text;
        }

        /** Sets the four lines from as many as there are (missing ones are empty). */
        public void setLines(String[] text) {
            for (int i = 0; i < 4; i++) {
                setLine(i, text != null && i < text.length ? text[i] : null);
            }
        }

        @Override
        public Sign copy() {
            Sign s = new Sign(x, y, z);
            System.arraycopy(lines, 0, s.lines, 0, 4);
            s.kept = kept;
            return s;
        }
    }

    /** A block with slots: a chest, dispenser, dropper, hopper or brewing stand, and a furnace. */
    public static class Container extends BlockEntity {
        public final SlotRow slots;
        /** The name an anvil gave it, shown as its window's title; null for none. */
        public String customName;

        public Container(String kind, int x, int y, int z, int size) {
            super(kind, x, y, z);
            slots = new SlotRow(size);
        }

        @Override
        public Container copy() {
            return copyOf(new Container(id, x, y, z, slots.size()));
        }

        <T extends Container> T copyOf(T c) {
            slots.copyInto(c.slots);
            c.customName = customName;
            c.kept = kept;
            return c;
        }
    }

    /** A furnace: its three slots (what smelts, fuel, result) and how far fuel and smelting have gone, in ticks. */
    public static final class Furnace extends Container {
        public int burnTime;
        public int cookTime;
        /** The ticks the fuel now burning lasts in all, for the flame the window shows; not stored (taken from the fuel slot). */
        public int fuelTime;

        public Furnace(int x, int y, int z) {
            super(FURNACE, x, y, z, 3);
        }

        @Override
        public Furnace copy() {
            Furnace f = copyOf(new Furnace(x, y, z));
            f.burnTime = burnTime;
            f.cookTime = cookTime;
            f.fuelTime = fuelTime;
            return f;
        }
    }

    /** A hopper: its five slots and the ticks until it moves an item again. */
    public static final class Hopper extends Container {
        public int cooldown;

        public Hopper(int x, int y, int z) {
            super(HOPPER, x, y, z, 5);
        }

        @Override
        public Hopper copy() {
            Hopper h = copyOf(new Hopper(x, y, z));
            h.cooldown = cooldown;
            return h;
        }
    }

    /** A jukebox: the record in it (id 0: none), its damage and tags. */
    public static final class Jukebox extends BlockEntity {
        public int recordId;
        public int recordData;
        public Object recordTag;

        public Jukebox(int x, int y, int z) {
            super(JUKEBOX, x, y, z);
        }

        @Override
        public Jukebox copy() {
            Jukebox j = new Jukebox(x, y, z);
            j.recordId = recordId;
            j.recordData = recordData;
            j.recordTag = recordTag;
            j.kept = kept;
            return j;
        }
    }
}
