package org.bukkit;

/** Where a tree grower puts its blocks: the world, or a plugin's own recorder of changes. */
public interface BlockChangeDelegate {
    /** Sets a block without the game's updates around it. */
    @Deprecated
    boolean setRawTypeId(int x, int y, int z, int typeId);

    @Deprecated
    boolean setRawTypeIdAndData(int x, int y, int z, int typeId, int data);

    @Deprecated
    boolean setTypeId(int x, int y, int z, int typeId);

    @Deprecated
    boolean setTypeIdAndData(int x, int y, int z, int typeId, int data);

    @Deprecated
    int getTypeId(int x, int y, int z);

    /** The height of the world. */
    int getHeight();

    boolean isEmpty(int x, int y, int z);
}
