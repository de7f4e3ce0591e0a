package net.cubeworks.world.game.api;

/** Moves the world's spawn point: the level keeps it and every client is told. */
public interface SpawnPoint {
    void moveTo(int x, int y, int z);
}
