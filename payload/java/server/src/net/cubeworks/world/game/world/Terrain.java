package net.cubeworks.world.game.world;

/**
 * The world's blocks as the game's rules read and change them: a change is kept, saved, relit and
 * shown to everybody who has its column.
 */
public interface Terrain {
    int blockAt(int x, int y, int z);

    int metaAt(int x, int y, int z);

    void setBlock(int x, int y, int z, int id, int data);
}
