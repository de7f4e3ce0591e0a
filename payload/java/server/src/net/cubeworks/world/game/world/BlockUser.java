package net.cubeworks.world.game.world;

/** What a block's behaviour may ask of the player who acts on it. */
public interface BlockUser {
    boolean isSneaking();

    /** The item id in the player's hand; 0 for an empty hand. */
    int heldItem();

    /** Opens the crafting table at the block for the player (a 3 by 3 grid). */
    void openCraftingTable(int x, int y, int z);

    /** Opens the container at the block (a chest, with the other half of a double one) for the player. */
    default void openContainer(int x, int y, int z) {
    }

    /** Tries to lie down in the bed whose head is at the block. */
    default void useBed(int x, int y, int z) {
    }
}
