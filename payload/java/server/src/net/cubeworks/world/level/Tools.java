package net.cubeworks.world.level;

/**
 * The tool items of 1.7: what kind of tool each is, its tier (harvest level), how much faster
 * it digs the blocks it suits, and how much wear it takes. An item that is not here digs as a
 * bare hand: speed 1, no wear.
 */
public final class Tools {
    /** What a tool is for; NONE is any other item or an empty hand. */
    public enum Kind { NONE, PICKAXE, AXE, SHOVEL, HOE, SWORD, SHEARS }

    /** One tool item. */
    public static final class Tool {
        public final int item;
        public final Kind kind;
        /** Harvest level: wood and gold 0, stone 1, iron 2, diamond 3. */
        public final int level;
        /** How many times faster it digs a block it suits than a hand does. */
        public final float speed;
        /** The highest damage it holds: one more use breaks it, so it lasts maxDamage + 1 uses. */
        public final int maxDamage;

        Tool(int item, Kind kind, int level, float speed, int maxDamage) {
            this.item = item;
            this.kind = kind;
            this.level = level;
            this.speed = speed;
            this.maxDamage = maxDamage;
        }
    }

    /** The tiers: harvest level, dig speed, highest damage. */
    private static final String TIERS = ""
            + "wood    0  2 59\n"
            + "stone   1  4 131\n"
            + "iron    2  6 250\n"
            + "diamond 3  8 1561\n"
            + "gold    0 12 32\n";

    /** item id, kind, tier; shears have a tier of their own. */
    private static final String ITEMS = ""
            + "256 SHOVEL iron\n257 PICKAXE iron\n258 AXE iron\n267 SWORD iron\n"
            + "268 SWORD wood\n269 SHOVEL wood\n270 PICKAXE wood\n271 AXE wood\n"
            + "272 SWORD stone\n273 SHOVEL stone\n274 PICKAXE stone\n275 AXE stone\n"
            + "276 SWORD diamond\n277 SHOVEL diamond\n278 PICKAXE diamond\n279 AXE diamond\n"
            + "283 SWORD gold\n284 SHOVEL gold\n285 PICKAXE gold\n286 AXE gold\n"
            + "290 HOE wood\n291 HOE stone\n292 HOE iron\n293 HOE diamond\n294 HOE gold\n";

    /** Shears: no harvest level; their speed is by material (see {@link #speed}). */
    public static final int SHEARS_ITEM = 359;
    static final int SHEARS_MAX_DAMAGE = 238;

    private static final Tool[] BY_ITEM = new Tool[512];

    static {
        java.util.Map<String, String[]> tiers = new java.util.HashMap<String, String[]>();
        for (String line : TIERS.split("\n")) {
            String[] f = line.trim().split("\\s+");
            tiers.put(f[0], f);
        }
        for (String line : ITEMS.split("\n")) {
            String[] f = line.trim().split("\\s+");
            String[] t = tiers.get(f[2]);
            int item = Integer.parseInt(f[0]);
            Kind kind = Kind.valueOf(f[1]);
            // hoes dig as a hand does; only their wear is the tier's
            float speed = kind == Kind.HOE ? 1f : Float.parseFloat(t[2]);
            BY_ITEM[item] = new Tool(item, kind, Integer.parseInt(t[1]), speed, Integer.parseInt(t[3]));
        }
        BY_ITEM[SHEARS_ITEM] = new Tool(SHEARS_ITEM, Kind.SHEARS, 0, 1f, SHEARS_MAX_DAMAGE);
    }

    private Tools() {
    }

    /** The tool an item is, or null for any other item. */
    public static Tool of(int item) {
        return item >= 0 && item < BY_ITEM.length ? BY_ITEM[item] : null;
    }

    public static Kind kindOf(int item) {
        Tool t = of(item);
        return t == null ? Kind.NONE : t.kind;
    }

    /** How many times faster than a hand the item digs the block. */
    public static float speed(int item, BlockTable.Block b) {
        Tool t = of(item);
        if (t == null) {
            return 1f;
        }
        String m = b.material;
        switch (t.kind) {
            case PICKAXE:
                return b.tool == Kind.PICKAXE || m.equals("rock") || m.equals("iron") || m.equals("anvil") ? t.speed : 1f;
            case AXE:
                return b.tool == Kind.AXE || m.equals("wood") || m.equals("plants") || m.equals("vine") ? t.speed : 1f;
            case SHOVEL:
                return b.tool == Kind.SHOVEL ? t.speed : 1f;
            case SWORD:
                if (m.equals("web")) {
                    return 15f;
                }
                return m.equals("plants") || m.equals("vine") || m.equals("leaves") || m.equals("gourd") ? 1.5f : 1f;
            case SHEARS:
                if (m.equals("web") || m.equals("leaves")) {
                    return 15f;
                }
                return m.equals("wool") ? 5f : 1f;
            default:
                return 1f;
        }
    }

    /**
     * Whether breaking the block with the item gives its drops: stone, ores and metal blocks
     * need a pickaxe of their level, snow a shovel, cobweb a sword or shears; the rest any item.
     */
    public static boolean harvests(int item, BlockTable.Block b) {
        String m = b.material;
        Kind kind = kindOf(item);
        if (m.equals("rock") || m.equals("iron") || m.equals("anvil")) {
            return kind == Kind.PICKAXE && of(item).level >= b.level;
        }
        if (m.equals("snow")) {
            return kind == Kind.SHOVEL;
        }
        if (m.equals("web")) {
            return kind == Kind.SWORD || kind == Kind.SHEARS;
        }
        return true;
    }

    /**
     * The wear breaking the block gives the item: tools 1 for a block with hardness (swords
     * 2), shears 1 for the blocks they are the tool of (leaves, cobweb, grass, vines, tripwire)
     * and nothing for the rest;
     * hoes and other items none.
     */
    public static int wear(int item, BlockTable.Block b) {
        Kind kind = kindOf(item);
        switch (kind) {
            case PICKAXE: case AXE: case SHOVEL:
                return b.hardness != 0f ? 1 : 0;
            case SWORD:
                return b.hardness != 0f ? 2 : 0;
            case SHEARS:
                return b.tool == Kind.SHEARS ? 1 : 0;
            default:
                return 0;
        }
    }
}
