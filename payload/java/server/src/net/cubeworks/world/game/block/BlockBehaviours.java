package net.cubeworks.world.game.block;

import net.cubeworks.world.level.BlockIds;

/**
 * The behaviour of each block id: the kinds that do something of their own, and for every other
 * id one that leaves the game's common rules in place. Made once; read on the game thread.
 */
public final class BlockBehaviours {
    private static final BlockBehaviour COMMON = new BlockBehaviour() {
    };

    private final BlockBehaviour[] byId = new BlockBehaviour[4096];

    public BlockBehaviours() {
        java.util.Arrays.fill(byId, COMMON);
        register(BlockIds.CRAFTING_TABLE, new CraftingTable());
        register(BlockIds.CHEST, new Chest());
        register(BlockIds.TRAPPED_CHEST, new Chest());
        register(BlockIds.FURNACE, new ContainerBlock());
        register(BlockIds.LIT_FURNACE, new ContainerBlock());
        register(BlockIds.BREWING_STAND, new ContainerBlock());
        register(BlockIds.DISPENSER, new DispenserBlock(false));
        register(BlockIds.DROPPER, new DispenserBlock(true));
        register(BlockIds.HOPPER, new HopperBlock());
        register(BlockIds.ENDER_CHEST, new Chest());
        register(BlockIds.JUKEBOX, new JukeboxBlock());
        register(BlockIds.FIRE, new Fire());
        register(BlockIds.ICE, new Ice());
        register(BlockIds.WOODEN_DOOR, new Openings(true, true));
        register(BlockIds.IRON_DOOR, new Openings(true, false));
        register(BlockIds.TRAPDOOR, new Openings(false, true));
        register(BlockIds.FENCE_GATE, new Openings(false, true));
        register(BlockIds.LEVER, new Switches(0));
        register(BlockIds.STONE_BUTTON, new Switches(20));
        register(BlockIds.WOODEN_BUTTON, new Switches(30));
        register(BlockIds.REDSTONE_WIRE, new Wire());
        for (int plate : new int[] {BlockIds.STONE_PLATE, BlockIds.WOODEN_PLATE, BlockIds.GOLD_PLATE, BlockIds.IRON_PLATE}) {
            register(plate, new Plates(plate));
        }
        java.util.Map<Long, java.util.ArrayDeque<Long>> torches = Torch.newRecord();
        register(BlockIds.REDSTONE_TORCH, new Torch(true, torches));
        register(BlockIds.UNLIT_REDSTONE_TORCH, new Torch(false, torches));
        register(BlockIds.REPEATER, new Repeater(false));
        register(BlockIds.POWERED_REPEATER, new Repeater(true));
        register(BlockIds.REDSTONE_LAMP, new Powered.Lamp(false));
        register(BlockIds.LIT_REDSTONE_LAMP, new Powered.Lamp(true));
        register(BlockIds.TNT, new Powered.TntBlock());
        register(BlockIds.BED, new Bed());
        register(BlockIds.COMPARATOR, new Comparator());
        register(BlockIds.POWERED_COMPARATOR, new Comparator());
        register(BlockIds.PISTON, new Piston(false));
        register(BlockIds.STICKY_PISTON, new Piston(true));
        register(BlockIds.PISTON_HEAD, new Piston.Head());
        register(BlockIds.WHEAT, new Crops(0));
        register(BlockIds.CARROTS, new Crops(0));
        register(BlockIds.POTATOES, new Crops(0));
        register(BlockIds.PUMPKIN_STEM, new Crops(BlockIds.PUMPKIN));
        register(BlockIds.MELON_STEM, new Crops(BlockIds.MELON));
        register(BlockIds.FARMLAND, new Farmland());
        register(BlockIds.GRASS, new Grass());
        register(BlockIds.SAPLING, new Sapling());
        register(BlockIds.LEAVES, new Leaves());
        register(BlockIds.LEAVES_2, new Leaves());
        register(BlockIds.LOG, new Leaves.Log());
        register(BlockIds.LOG_2, new Leaves.Log());
        register(BlockIds.SUGAR_CANE, new TallPlants(BlockIds.SUGAR_CANE));
        register(BlockIds.CACTUS, new TallPlants(BlockIds.CACTUS));
        register(BlockIds.SAND, new Falling());
        register(BlockIds.GRAVEL, new Falling());
        register(BlockIds.WATER, new Liquid.Flowing(Liquid.WATER));
        register(BlockIds.STILL_WATER, new Liquid.Still(Liquid.WATER));
        register(BlockIds.LAVA, new Liquid.Flowing(Liquid.LAVA));
        register(BlockIds.STILL_LAVA, new Liquid.Still(Liquid.LAVA));
        for (int rail : new int[] {BlockIds.RAIL, BlockIds.GOLDEN_RAIL, BlockIds.DETECTOR_RAIL, BlockIds.ACTIVATOR_RAIL}) {
            register(rail, new Rails());
        }
        register(BlockIds.NOTE_BLOCK, new NoteBlock());
        Attached.wrap(byId);
    }

    private void register(int id, BlockBehaviour behaviour) {
        byId[id] = behaviour;
    }

    /** The behaviour of the block id; the common one for ids outside 0..4095. */
    public BlockBehaviour of(int id) {
        return id >= 0 && id < byId.length ? byId[id] : COMMON;
    }
}
