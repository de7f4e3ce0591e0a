package net.cubeworks.world.level;

import java.util.HashMap;
import java.util.Locale;
import java.util.Map;

/**
 * The game's names of its items and blocks, as its commands read them ("diamond_sword",
 * "planks", "minecraft:stonebrick"): the blocks' from {@link BlockTable}, the items' from the
 * table below, id=name pairs.
 */
public final class ItemNames {
    private static final String ITEMS = ""
            + "256=iron_shovel 257=iron_pickaxe 258=iron_axe 259=flint_and_steel 260=apple 261=bow\n"
            + "262=arrow 263=coal 264=diamond 265=iron_ingot 266=gold_ingot 267=iron_sword\n"
            + "268=wooden_sword 269=wooden_shovel 270=wooden_pickaxe 271=wooden_axe 272=stone_sword 273=stone_shovel\n"
            + "274=stone_pickaxe 275=stone_axe 276=diamond_sword 277=diamond_shovel 278=diamond_pickaxe 279=diamond_axe\n"
            + "280=stick 281=bowl 282=mushroom_stew 283=golden_sword 284=golden_shovel 285=golden_pickaxe\n"
            + "286=golden_axe 287=string 288=feather 289=gunpowder 290=wooden_hoe 291=stone_hoe\n"
            + "292=iron_hoe 293=diamond_hoe 294=golden_hoe 295=wheat_seeds 296=wheat 297=bread\n"
            + "298=leather_helmet 299=leather_chestplate 300=leather_leggings 301=leather_boots 302=chainmail_helmet 303=chainmail_chestplate\n"
            + "304=chainmail_leggings 305=chainmail_boots 306=iron_helmet 307=iron_chestplate 308=iron_leggings 309=iron_boots\n"
            + "310=diamond_helmet 311=diamond_chestplate 312=diamond_leggings 313=diamond_boots 314=golden_helmet 315=golden_chestplate\n"
            + "316=golden_leggings 317=golden_boots 318=flint 319=porkchop 320=cooked_porkchop 321=painting\n"
            + "322=golden_apple 323=sign 324=wooden_door 325=bucket 326=water_bucket 327=lava_bucket\n"
            + "328=minecart 329=saddle 330=iron_door 331=redstone 332=snowball 333=boat\n"
            + "334=leather 335=milk_bucket 336=brick 337=clay_ball 338=reeds 339=paper\n"
            + "340=book 341=slime_ball 342=chest_minecart 343=furnace_minecart 344=egg 345=compass\n"
            + "346=fishing_rod 347=clock 348=glowstone_dust 349=fish 350=cooked_fished 351=dye\n"
            + "352=bone 353=sugar 354=cake 355=bed 356=repeater 357=cookie\n"
            + "358=filled_map 359=shears 360=melon 361=pumpkin_seeds 362=melon_seeds 363=beef\n"
            + "364=cooked_beef 365=chicken 366=cooked_chicken 367=rotten_flesh 368=ender_pearl 369=blaze_rod\n"
            + "370=ghast_tear 371=gold_nugget 372=nether_wart 373=potion 374=glass_bottle 375=spider_eye\n"
            + "376=fermented_spider_eye 377=blaze_powder 378=magma_cream 379=brewing_stand 380=cauldron 381=ender_eye\n"
            + "382=speckled_melon 383=spawn_egg 384=experience_bottle 385=fire_charge 386=writable_book 387=written_book\n"
            + "388=emerald 389=item_frame 390=flower_pot 391=carrot 392=potato 393=baked_potato\n"
            + "394=poisonous_potato 395=map 396=golden_carrot 397=skull 398=carrot_on_a_stick 399=nether_star\n"
            + "400=pumpkin_pie 401=fireworks 402=firework_charge 403=enchanted_book 404=comparator 405=netherbrick\n"
            + "406=quartz 407=tnt_minecart 408=hopper_minecart 417=iron_horse_armor 418=golden_horse_armor 419=diamond_horse_armor\n"
            + "420=lead 421=name_tag 422=command_block_minecart 2256=record_13 2257=record_cat 2258=record_blocks\n"
            + "2259=record_chirp 2260=record_far 2261=record_mall 2262=record_mellohi 2263=record_stal 2264=record_strad\n"
            + "2265=record_ward 2266=record_11 2267=record_wait\n";

    private static final Map<String, Integer> BLOCKS = new HashMap<String, Integer>();
    private static final Map<String, Integer> ITEM_IDS = new HashMap<String, Integer>();
    private static final Map<Integer, String> NAMES = new HashMap<Integer, String>();

    static {
        for (int id = 0; id < 256; id++) {
            BlockTable.Block b = BlockTable.of(id);
            if (b.id == id) {
                BLOCKS.put(b.name, id);
                NAMES.put(id, b.name);
            }
        }
        for (String pair : ITEMS.trim().split("\\s+")) {
            int eq = pair.indexOf('=');
            int id = Integer.parseInt(pair.substring(0, eq));
            ITEM_IDS.put(pair.substring(eq + 1), id);
            NAMES.put(id, pair.substring(eq + 1));
        }
    }

    private ItemNames() {
    }

    private static String plain(String name) {
        String n = name.trim().toLowerCase(Locale.ROOT);
        return n.startsWith("minecraft:") ? n.substring("minecraft:".length()) : n;
    }

    /**
     * The id of an item by the game's name ("minecraft:" or not, any case): an item's own name
     * first ("reeds" is the item, 338), then a block's; -1 when the game has no such name.
     */
    public static int itemId(String name) {
        String n = plain(name);
        Integer id = ITEM_IDS.get(n);
        if (id == null) {
            id = BLOCKS.get(n);
        }
        return id == null ? -1 : id;
    }

    /** The id of a block by the game's name ("reeds" is the block, 83); -1 when no block has it. */
    public static int blockId(String name) {
        Integer id = BLOCKS.get(plain(name));
        return id == null ? -1 : id;
    }

    /** The game's name of the id, null when the game has none. */
    public static String name(int id) {
        return NAMES.get(id);
    }
}
