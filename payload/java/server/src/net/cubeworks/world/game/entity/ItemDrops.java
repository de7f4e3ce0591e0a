package net.cubeworks.world.game.entity;

/**
 * Where anything of the game puts an item into the world: a broken block's drops, a dead
 * creature's, leaves' saplings, a crop's harvest, a plugin's item. The world's items implement
 * it ({@link GroundItems}). Each asks the plugins first (ItemSpawnEvent) and answers the item,
 * or null when a plugin kept it out of the world or the stack is empty. Called on the game
 * thread under the world lock.
 */
public interface ItemDrops {
    /**
     * Drops the stack as the game drops a broken block's items: somewhere within 0.35 blocks of
     * the place each way (a block's middle for a block's drops), with the small random push and
     * the short pickup delay every new item has.
     */
    ItemEntity dropItemNaturally(double x, double y, double z, int itemId, int count, int data, Object tag);

    /** Drops the stack at exactly the place, with the small random push and short pickup delay. */
    ItemEntity dropItem(double x, double y, double z, int itemId, int count, int data, Object tag);
}
