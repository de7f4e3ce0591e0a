package org.bukkit;

import java.util.EnumSet;
import java.util.HashMap;
import java.util.Map;
import java.util.Set;

/**
 * Every block and item of the game at 1.7, by its numeric id: blocks below 256, items from 256,
 * records from 2256. The id, stack size and durability are the game's own numbers.
 */
public enum Material {
    AIR(0),
    STONE(1),
    GRASS(2),
    DIRT(3),
    COBBLESTONE(4),
    WOOD(5),
    SAPLING(6),
    BEDROCK(7),
    WATER(8),
    STATIONARY_WATER(9),
    LAVA(10),
    STATIONARY_LAVA(11),
    SAND(12),
    GRAVEL(13),
    GOLD_ORE(14),
    IRON_ORE(15),
    COAL_ORE(16),
    LOG(17),
    LEAVES(18),
    SPONGE(19),
    GLASS(20),
    LAPIS_ORE(21),
    LAPIS_BLOCK(22),
    DISPENSER(23),
    SANDSTONE(24),
    NOTE_BLOCK(25),
    BED_BLOCK(26),
    POWERED_RAIL(27),
    DETECTOR_RAIL(28),
    PISTON_STICKY_BASE(29),
    WEB(30),
    LONG_GRASS(31),
    DEAD_BUSH(32),
    PISTON_BASE(33),
    PISTON_EXTENSION(34),
    WOOL(35),
    PISTON_MOVING_PIECE(36),
    YELLOW_FLOWER(37),
    RED_ROSE(38),
    BROWN_MUSHROOM(39),
    RED_MUSHROOM(40),
    GOLD_BLOCK(41),
    IRON_BLOCK(42),
    DOUBLE_STEP(43),
    STEP(44),
    BRICK(45),
    TNT(46),
    BOOKSHELF(47),
    MOSSY_COBBLESTONE(48),
    OBSIDIAN(49),
    TORCH(50),
    FIRE(51),
    MOB_SPAWNER(52),
    WOOD_STAIRS(53),
    CHEST(54),
    REDSTONE_WIRE(55),
    DIAMOND_ORE(56),
    DIAMOND_BLOCK(57),
    WORKBENCH(58),
    CROPS(59),
    SOIL(60),
    FURNACE(61),
    BURNING_FURNACE(62),
    SIGN_POST(63),
    WOODEN_DOOR(64),
    LADDER(65),
    RAILS(66),
    COBBLESTONE_STAIRS(67),
    WALL_SIGN(68),
    LEVER(69),
    STONE_PLATE(70),
    IRON_DOOR_BLOCK(71),
    WOOD_PLATE(72),
    REDSTONE_ORE(73),
    GLOWING_REDSTONE_ORE(74),
    REDSTONE_TORCH_OFF(75),
    REDSTONE_TORCH_ON(76),
    STONE_BUTTON(77),
    SNOW(78),
    ICE(79),
    SNOW_BLOCK(80),
    CACTUS(81),
    CLAY(82),
    SUGAR_CANE_BLOCK(83),
    JUKEBOX(84),
    FENCE(85),
    PUMPKIN(86),
    NETHERRACK(87),
    SOUL_SAND(88),
    GLOWSTONE(89),
    PORTAL(90),
    JACK_O_LANTERN(91),
    CAKE_BLOCK(92),
    DIODE_BLOCK_OFF(93),
    DIODE_BLOCK_ON(94),
    STAINED_GLASS(95),
    TRAP_DOOR(96),
    MONSTER_EGGS(97),
    SMOOTH_BRICK(98),
    HUGE_MUSHROOM_1(99),
    HUGE_MUSHROOM_2(100),
    IRON_FENCE(101),
    THIN_GLASS(102),
    MELON_BLOCK(103),
    PUMPKIN_STEM(104),
    MELON_STEM(105),
    VINE(106),
    FENCE_GATE(107),
    BRICK_STAIRS(108),
    SMOOTH_STAIRS(109),
    MYCEL(110),
    WATER_LILY(111),
    NETHER_BRICK(112),
    NETHER_FENCE(113),
    NETHER_BRICK_STAIRS(114),
    NETHER_WARTS(115),
    ENCHANTMENT_TABLE(116),
    BREWING_STAND(117),
    CAULDRON(118),
    ENDER_PORTAL(119),
    ENDER_PORTAL_FRAME(120),
    ENDER_STONE(121),
    DRAGON_EGG(122),
    REDSTONE_LAMP_OFF(123),
    REDSTONE_LAMP_ON(124),
    WOOD_DOUBLE_STEP(125),
    WOOD_STEP(126),
    COCOA(127),
    SANDSTONE_STAIRS(128),
    EMERALD_ORE(129),
    ENDER_CHEST(130),
    TRIPWIRE_HOOK(131),
    TRIPWIRE(132),
    EMERALD_BLOCK(133),
    SPRUCE_WOOD_STAIRS(134),
    BIRCH_WOOD_STAIRS(135),
    JUNGLE_WOOD_STAIRS(136),
    COMMAND(137),
    BEACON(138),
    COBBLE_WALL(139),
    FLOWER_POT(140),
    CARROT(141),
    POTATO(142),
    WOOD_BUTTON(143),
    SKULL(144),
    ANVIL(145),
    TRAPPED_CHEST(146),
    GOLD_PLATE(147),
    IRON_PLATE(148),
    REDSTONE_COMPARATOR_OFF(149),
    REDSTONE_COMPARATOR_ON(150),
    DAYLIGHT_DETECTOR(151),
    REDSTONE_BLOCK(152),
    QUARTZ_ORE(153),
    HOPPER(154),
    QUARTZ_BLOCK(155),
    QUARTZ_STAIRS(156),
    ACTIVATOR_RAIL(157),
    DROPPER(158),
    STAINED_CLAY(159),
    STAINED_GLASS_PANE(160),
    LEAVES_2(161),
    LOG_2(162),
    ACACIA_STAIRS(163),
    DARK_OAK_STAIRS(164),
    HAY_BLOCK(170),
    CARPET(171),
    HARD_CLAY(172),
    COAL_BLOCK(173),
    PACKED_ICE(174),
    DOUBLE_PLANT(175),
    IRON_SPADE(256, 1, 250),
    IRON_PICKAXE(257, 1, 250),
    IRON_AXE(258, 1, 250),
    FLINT_AND_STEEL(259, 1, 64),
    APPLE(260),
    BOW(261, 1, 384),
    ARROW(262),
    COAL(263),
    DIAMOND(264),
    IRON_INGOT(265),
    GOLD_INGOT(266),
    IRON_SWORD(267, 1, 250),
    WOOD_SWORD(268, 1, 59),
    WOOD_SPADE(269, 1, 59),
    WOOD_PICKAXE(270, 1, 59),
    WOOD_AXE(271, 1, 59),
    STONE_SWORD(272, 1, 131),
    STONE_SPADE(273, 1, 131),
    STONE_PICKAXE(274, 1, 131),
    STONE_AXE(275, 1, 131),
    DIAMOND_SWORD(276, 1, 1561),
    DIAMOND_SPADE(277, 1, 1561),
    DIAMOND_PICKAXE(278, 1, 1561),
    DIAMOND_AXE(279, 1, 1561),
    STICK(280),
    BOWL(281),
    MUSHROOM_SOUP(282, 1),
    GOLD_SWORD(283, 1, 32),
    GOLD_SPADE(284, 1, 32),
    GOLD_PICKAXE(285, 1, 32),
    GOLD_AXE(286, 1, 32),
    STRING(287),
    FEATHER(288),
    SULPHUR(289),
    WOOD_HOE(290, 1, 59),
    STONE_HOE(291, 1, 131),
    IRON_HOE(292, 1, 250),
    DIAMOND_HOE(293, 1, 1561),
    GOLD_HOE(294, 1, 32),
    SEEDS(295),
    WHEAT(296),
    BREAD(297),
    LEATHER_HELMET(298, 1, 55),
    LEATHER_CHESTPLATE(299, 1, 80),
    LEATHER_LEGGINGS(300, 1, 75),
    LEATHER_BOOTS(301, 1, 65),
    CHAINMAIL_HELMET(302, 1, 165),
    CHAINMAIL_CHESTPLATE(303, 1, 240),
    CHAINMAIL_LEGGINGS(304, 1, 225),
    CHAINMAIL_BOOTS(305, 1, 195),
    IRON_HELMET(306, 1, 165),
    IRON_CHESTPLATE(307, 1, 240),
    IRON_LEGGINGS(308, 1, 225),
    IRON_BOOTS(309, 1, 195),
    DIAMOND_HELMET(310, 1, 363),
    DIAMOND_CHESTPLATE(311, 1, 528),
    DIAMOND_LEGGINGS(312, 1, 495),
    DIAMOND_BOOTS(313, 1, 429),
    GOLD_HELMET(314, 1, 77),
    GOLD_CHESTPLATE(315, 1, 112),
    GOLD_LEGGINGS(316, 1, 105),
    GOLD_BOOTS(317, 1, 91),
    FLINT(318),
    PORK(319),
    GRILLED_PORK(320),
    PAINTING(321),
    GOLDEN_APPLE(322),
    SIGN(323, 16),
    WOOD_DOOR(324, 1),
    BUCKET(325, 16),
    WATER_BUCKET(326, 1),
    LAVA_BUCKET(327, 1),
    MINECART(328, 1),
    SADDLE(329, 1),
    IRON_DOOR(330, 1),
    REDSTONE(331),
    SNOW_BALL(332, 16),
    BOAT(333, 1),
    LEATHER(334),
    MILK_BUCKET(335, 1),
    CLAY_BRICK(336),
    CLAY_BALL(337),
    SUGAR_CANE(338),
    PAPER(339),
    BOOK(340),
    SLIME_BALL(341),
    STORAGE_MINECART(342, 1),
    POWERED_MINECART(343, 1),
    EGG(344, 16),
    COMPASS(345),
    FISHING_ROD(346, 1, 64),
    WATCH(347),
    GLOWSTONE_DUST(348),
    RAW_FISH(349),
    COOKED_FISH(350),
    INK_SACK(351),
    BONE(352),
    SUGAR(353),
    CAKE(354, 1),
    BED(355, 1),
    DIODE(356),
    COOKIE(357),
    MAP(358),
    SHEARS(359, 1, 238),
    MELON(360),
    PUMPKIN_SEEDS(361),
    MELON_SEEDS(362),
    RAW_BEEF(363),
    COOKED_BEEF(364),
    RAW_CHICKEN(365),
    COOKED_CHICKEN(366),
    ROTTEN_FLESH(367),
    ENDER_PEARL(368, 16),
    BLAZE_ROD(369),
    GHAST_TEAR(370),
    GOLD_NUGGET(371),
    NETHER_STALK(372),
    POTION(373, 1),
    GLASS_BOTTLE(374),
    SPIDER_EYE(375),
    FERMENTED_SPIDER_EYE(376),
    BLAZE_POWDER(377),
    MAGMA_CREAM(378),
    BREWING_STAND_ITEM(379),
    CAULDRON_ITEM(380),
    EYE_OF_ENDER(381),
    SPECKLED_MELON(382),
    MONSTER_EGG(383),
    EXP_BOTTLE(384),
    FIREBALL(385),
    BOOK_AND_QUILL(386, 1),
    WRITTEN_BOOK(387, 16),
    EMERALD(388),
    ITEM_FRAME(389),
    FLOWER_POT_ITEM(390),
    CARROT_ITEM(391),
    POTATO_ITEM(392),
    BAKED_POTATO(393),
    POISONOUS_POTATO(394),
    EMPTY_MAP(395),
    GOLDEN_CARROT(396),
    SKULL_ITEM(397),
    CARROT_STICK(398, 1, 25),
    NETHER_STAR(399),
    PUMPKIN_PIE(400),
    FIREWORK(401),
    FIREWORK_CHARGE(402),
    ENCHANTED_BOOK(403, 1),
    REDSTONE_COMPARATOR(404),
    NETHER_BRICK_ITEM(405),
    QUARTZ(406),
    EXPLOSIVE_MINECART(407, 1),
    HOPPER_MINECART(408, 1),
    IRON_BARDING(417, 1),
    GOLD_BARDING(418, 1),
    DIAMOND_BARDING(419, 1),
    LEASH(420),
    NAME_TAG(421),
    COMMAND_MINECART(422, 1),
    GOLD_RECORD(2256, 1),
    GREEN_RECORD(2257, 1),
    RECORD_3(2258, 1),
    RECORD_4(2259, 1),
    RECORD_5(2260, 1),
    RECORD_6(2261, 1),
    RECORD_7(2262, 1),
    RECORD_8(2263, 1),
    RECORD_9(2264, 1),
    RECORD_10(2265, 1),
    RECORD_11(2266, 1),
    RECORD_12(2267, 1);

    private static final Material[] BY_ID = new Material[2268];
    private static final Map<String, Material> BY_NAME = new HashMap<String, Material>();
    private static final Set<Material> TRANSPARENT = EnumSet.noneOf(Material.class);
    private static final Set<Material> NOT_SOLID = EnumSet.noneOf(Material.class);
    private static final Set<Material> FLAMMABLE = EnumSet.noneOf(Material.class);
    private static final Set<Material> GRAVITY = EnumSet.noneOf(Material.class);
    private static final Set<Material> EDIBLE = EnumSet.noneOf(Material.class);

    static {
        for (Material m : values()) {
            BY_ID[m.id] = m;
            BY_NAME.put(m.name(), m);
        }
        for (Material m : new Material[] {AIR, SAPLING, POWERED_RAIL, DETECTOR_RAIL, LONG_GRASS, DEAD_BUSH, YELLOW_FLOWER, RED_ROSE, BROWN_MUSHROOM, RED_MUSHROOM, TORCH, FIRE, REDSTONE_WIRE, CROPS, LADDER, RAILS, LEVER, REDSTONE_TORCH_OFF, REDSTONE_TORCH_ON, STONE_BUTTON, SNOW, SUGAR_CANE_BLOCK, PORTAL, DIODE_BLOCK_OFF, DIODE_BLOCK_ON, PUMPKIN_STEM, MELON_STEM, VINE, WATER_LILY, NETHER_WARTS, ENDER_PORTAL, COCOA, TRIPWIRE_HOOK, TRIPWIRE, FLOWER_POT, CARROT, POTATO, WOOD_BUTTON, SKULL, REDSTONE_COMPARATOR_OFF, REDSTONE_COMPARATOR_ON, ACTIVATOR_RAIL, CARPET, DOUBLE_PLANT}) {
            TRANSPARENT.add(m);
        }
        for (Material m : new Material[] {ACTIVATOR_RAIL, AIR, BROWN_MUSHROOM, CARPET, CARROT, COCOA, CROPS, DEAD_BUSH, DETECTOR_RAIL, DIODE_BLOCK_OFF, DIODE_BLOCK_ON, DOUBLE_PLANT, ENDER_PORTAL, FIRE, FLOWER_POT, LADDER, LAVA, LEVER, LONG_GRASS, MELON_STEM, NETHER_WARTS, PISTON_MOVING_PIECE, PORTAL, POTATO, POWERED_RAIL, PUMPKIN_STEM, RAILS, REDSTONE_COMPARATOR_OFF, REDSTONE_COMPARATOR_ON, REDSTONE_TORCH_OFF, REDSTONE_TORCH_ON, REDSTONE_WIRE, RED_MUSHROOM, RED_ROSE, SAPLING, SKULL, SNOW, STATIONARY_LAVA, STATIONARY_WATER, STONE_BUTTON, SUGAR_CANE_BLOCK, TORCH, TRIPWIRE, TRIPWIRE_HOOK, VINE, WATER, WATER_LILY, WEB, WOOD_BUTTON, YELLOW_FLOWER}) {
            NOT_SOLID.add(m);
        }
        for (Material m : new Material[] {WOOD, LOG, LEAVES, NOTE_BLOCK, BED_BLOCK, LONG_GRASS, DEAD_BUSH, WOOL, TNT, BOOKSHELF, WOOD_STAIRS, CHEST, WORKBENCH, SIGN_POST, WOODEN_DOOR, WALL_SIGN, WOOD_PLATE, JUKEBOX, FENCE, TRAP_DOOR, HUGE_MUSHROOM_1, HUGE_MUSHROOM_2, VINE, FENCE_GATE, WOOD_DOUBLE_STEP, WOOD_STEP, SPRUCE_WOOD_STAIRS, BIRCH_WOOD_STAIRS, JUNGLE_WOOD_STAIRS, TRAPPED_CHEST, DAYLIGHT_DETECTOR, LEAVES_2, LOG_2, ACACIA_STAIRS, DARK_OAK_STAIRS, CARPET, DOUBLE_PLANT, HAY_BLOCK}) {
            FLAMMABLE.add(m);
        }
        for (Material m : new Material[] {SAND, GRAVEL, ANVIL, DRAGON_EGG}) {
            GRAVITY.add(m);
        }
        for (Material m : new Material[] {APPLE, MUSHROOM_SOUP, BREAD, PORK, GRILLED_PORK, GOLDEN_APPLE, RAW_FISH, COOKED_FISH, COOKIE, MELON, RAW_BEEF, COOKED_BEEF, RAW_CHICKEN, COOKED_CHICKEN, ROTTEN_FLESH, SPIDER_EYE, CARROT_ITEM, POTATO_ITEM, BAKED_POTATO, POISONOUS_POTATO, GOLDEN_CARROT, PUMPKIN_PIE}) {
            EDIBLE.add(m);
        }
    }

    private final int id;
    private final int maxStack;
    private final short durability;

    private Material(final int id) {
        this(id, 64);
    }

    private Material(final int id, final int stack) {
        this(id, stack, 0);
    }

    /** The old name of stained glass (id 95 was the locked chest of an April fool's release). */
    @Deprecated
    public static final Material LOCKED_CHEST = STAINED_GLASS;

    /** The kind of data each material's data value is read as; MaterialData for the rest. */
    private static final Map<Material, Class<? extends org.bukkit.material.MaterialData>> DATA =
            new HashMap<Material, Class<? extends org.bukkit.material.MaterialData>>();

    static {
        DATA.put(WOOD, org.bukkit.material.Tree.class);
        DATA.put(SAPLING, org.bukkit.material.Tree.class);
        DATA.put(LOG, org.bukkit.material.Tree.class);
        DATA.put(LEAVES, org.bukkit.material.Tree.class);
        DATA.put(DISPENSER, org.bukkit.material.Dispenser.class);
        DATA.put(SANDSTONE, org.bukkit.material.Sandstone.class);
        DATA.put(BED_BLOCK, org.bukkit.material.Bed.class);
        DATA.put(POWERED_RAIL, org.bukkit.material.PoweredRail.class);
        DATA.put(DETECTOR_RAIL, org.bukkit.material.DetectorRail.class);
        DATA.put(PISTON_STICKY_BASE, org.bukkit.material.PistonBaseMaterial.class);
        DATA.put(LONG_GRASS, org.bukkit.material.LongGrass.class);
        DATA.put(PISTON_BASE, org.bukkit.material.PistonBaseMaterial.class);
        DATA.put(PISTON_EXTENSION, org.bukkit.material.PistonExtensionMaterial.class);
        DATA.put(WOOL, org.bukkit.material.Wool.class);
        DATA.put(DOUBLE_STEP, org.bukkit.material.Step.class);
        DATA.put(STEP, org.bukkit.material.Step.class);
        DATA.put(TORCH, org.bukkit.material.Torch.class);
        DATA.put(WOOD_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(CHEST, org.bukkit.material.Chest.class);
        DATA.put(REDSTONE_WIRE, org.bukkit.material.RedstoneWire.class);
        DATA.put(CROPS, org.bukkit.material.Crops.class);
        DATA.put(FURNACE, org.bukkit.material.Furnace.class);
        DATA.put(BURNING_FURNACE, org.bukkit.material.Furnace.class);
        DATA.put(SIGN_POST, org.bukkit.material.Sign.class);
        DATA.put(WOODEN_DOOR, org.bukkit.material.Door.class);
        DATA.put(LADDER, org.bukkit.material.Ladder.class);
        DATA.put(RAILS, org.bukkit.material.Rails.class);
        DATA.put(COBBLESTONE_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(WALL_SIGN, org.bukkit.material.Sign.class);
        DATA.put(LEVER, org.bukkit.material.Lever.class);
        DATA.put(STONE_PLATE, org.bukkit.material.PressurePlate.class);
        DATA.put(IRON_DOOR_BLOCK, org.bukkit.material.Door.class);
        DATA.put(WOOD_PLATE, org.bukkit.material.PressurePlate.class);
        DATA.put(REDSTONE_TORCH_OFF, org.bukkit.material.RedstoneTorch.class);
        DATA.put(REDSTONE_TORCH_ON, org.bukkit.material.RedstoneTorch.class);
        DATA.put(STONE_BUTTON, org.bukkit.material.Button.class);
        DATA.put(PUMPKIN, org.bukkit.material.Pumpkin.class);
        DATA.put(JACK_O_LANTERN, org.bukkit.material.Pumpkin.class);
        DATA.put(CAKE_BLOCK, org.bukkit.material.Cake.class);
        DATA.put(DIODE_BLOCK_OFF, org.bukkit.material.Diode.class);
        DATA.put(DIODE_BLOCK_ON, org.bukkit.material.Diode.class);
        DATA.put(TRAP_DOOR, org.bukkit.material.TrapDoor.class);
        DATA.put(MONSTER_EGGS, org.bukkit.material.MonsterEggs.class);
        DATA.put(SMOOTH_BRICK, org.bukkit.material.SmoothBrick.class);
        DATA.put(HUGE_MUSHROOM_1, org.bukkit.material.Mushroom.class);
        DATA.put(HUGE_MUSHROOM_2, org.bukkit.material.Mushroom.class);
        DATA.put(VINE, org.bukkit.material.Vine.class);
        DATA.put(FENCE_GATE, org.bukkit.material.Gate.class);
        DATA.put(BRICK_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(SMOOTH_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(NETHER_BRICK_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(NETHER_WARTS, org.bukkit.material.NetherWarts.class);
        DATA.put(CAULDRON, org.bukkit.material.Cauldron.class);
        DATA.put(WOOD_DOUBLE_STEP, org.bukkit.material.WoodenStep.class);
        DATA.put(WOOD_STEP, org.bukkit.material.WoodenStep.class);
        DATA.put(COCOA, org.bukkit.material.CocoaPlant.class);
        DATA.put(SANDSTONE_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(ENDER_CHEST, org.bukkit.material.EnderChest.class);
        DATA.put(TRIPWIRE_HOOK, org.bukkit.material.TripwireHook.class);
        DATA.put(TRIPWIRE, org.bukkit.material.Tripwire.class);
        DATA.put(SPRUCE_WOOD_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(BIRCH_WOOD_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(JUNGLE_WOOD_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(COMMAND, org.bukkit.material.Command.class);
        DATA.put(FLOWER_POT, org.bukkit.material.FlowerPot.class);
        DATA.put(WOOD_BUTTON, org.bukkit.material.Button.class);
        DATA.put(SKULL, org.bukkit.material.Skull.class);
        DATA.put(QUARTZ_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(ACTIVATOR_RAIL, org.bukkit.material.PoweredRail.class);
        DATA.put(DROPPER, org.bukkit.material.Dispenser.class);
        DATA.put(ACACIA_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(DARK_OAK_STAIRS, org.bukkit.material.Stairs.class);
        DATA.put(COAL, org.bukkit.material.Coal.class);
        DATA.put(INK_SACK, org.bukkit.material.Dye.class);
        DATA.put(MONSTER_EGG, org.bukkit.material.SpawnEgg.class);
    }

    /** The class its data value is read as (Wool for wool, Stairs for every stairs, ...). */
    public Class<? extends org.bukkit.material.MaterialData> getData() {
        Class<? extends org.bukkit.material.MaterialData> c = DATA.get(this);
        return c == null ? org.bukkit.material.MaterialData.class : c;
    }

    /** The material with the data value, as its data class. */
    @Deprecated
    public org.bukkit.material.MaterialData getNewData(final byte raw) {
        try {
            return getData().getConstructor(int.class, byte.class).newInstance(id, raw);
        } catch (ReflectiveOperationException ex) {
            throw new IllegalStateException("cannot make the data of " + this, ex);
        }
    }

    private Material(final int id, final int stack, final int durability) {
        this.id = id;
        this.maxStack = stack;
        this.durability = (short) durability;
    }

    /** The game's numeric id. */
    public int getId() {
        return id;
    }

    public int getMaxStackSize() {
        return maxStack;
    }

    /** Uses before the item breaks; 0 for what does not wear. */
    public short getMaxDurability() {
        return durability;
    }

    public boolean isBlock() {
        return id < 256;
    }

    public boolean isEdible() {
        return EDIBLE.contains(this);
    }

    public boolean isRecord() {
        return id >= 2256 && id <= 2267;
    }

    /** A block that fills its cell: entities stand on it and cannot pass. */
    public boolean isSolid() {
        return isBlock() && !NOT_SOLID.contains(this);
    }

    /** A block light and sight pass through. */
    public boolean isTransparent() {
        return isBlock() && TRANSPARENT.contains(this);
    }

    public boolean isFlammable() {
        return FLAMMABLE.contains(this);
    }

    public boolean isBurnable() {
        return FLAMMABLE.contains(this);
    }

    /** A whole solid cube that hides what is behind it. */
    public boolean isOccluding() {
        return isSolid() && !TRANSPARENT.contains(this) && this != GLASS && this != LEAVES && this != LEAVES_2
                && this != STAINED_GLASS && this != ICE && !name().contains("STAIRS") && this != STEP
                && this != WOOD_STEP && !name().contains("FENCE") && !name().contains("DOOR")
                && !name().contains("PLATE") && this != SIGN_POST && this != WALL_SIGN && this != CHEST
                && this != TRAPPED_CHEST && this != ENDER_CHEST && this != CACTUS && this != CAKE_BLOCK
                && this != THIN_GLASS && this != STAINED_GLASS_PANE && this != IRON_FENCE && this != BED_BLOCK;
    }

    /** A block that falls when nothing holds it up. */
    public boolean hasGravity() {
        return GRAVITY.contains(this);
    }

    /** The material of the id, or null. */
    public static Material getMaterial(final int id) {
        return id >= 0 && id < BY_ID.length ? BY_ID[id] : null;
    }

    /** The material of exactly this name, or null. */
    public static Material getMaterial(final String name) {
        return BY_NAME.get(name);
    }

    /** The material of a number, or of a name in any case with spaces for underscores (outer spaces ignored); null when none. */
    public static Material matchMaterial(final String name) {
        if (name == null) {
            throw new IllegalArgumentException("Name cannot be null");
        }
        try {
            return getMaterial(Integer.parseInt(name));
        } catch (NumberFormatException ex) {
            // a name then
        }
        String filtered = name.trim().toUpperCase(java.util.Locale.ENGLISH).replaceAll("\\s+", "_").replaceAll("\\W", "");
        return BY_NAME.get(filtered);
    }
}
