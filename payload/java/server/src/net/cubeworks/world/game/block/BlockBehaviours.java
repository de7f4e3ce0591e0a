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
        register(BlockIds.FIRE, new Fire());
        register(BlockIds.ICE, new Ice());
        register(BlockIds.SAND, new Falling());
        register(BlockIds.GRAVEL, new Falling());
        register(BlockIds.WATER, new Liquid.Flowing(Liquid.WATER));
        register(BlockIds.STILL_WATER, new Liquid.Still(Liquid.WATER));
        register(BlockIds.LAVA, new Liquid.Flowing(Liquid.LAVA));
        register(BlockIds.STILL_LAVA, new Liquid.Still(Liquid.LAVA));
    }

    private void register(int id, BlockBehaviour behaviour) {
        byId[id] = behaviour;
    }

    /** The behaviour of the block id; the common one for ids outside 0..4095. */
    public BlockBehaviour of(int id) {
        return id >= 0 && id < byId.length ? byId[id] : COMMON;
    }
}
