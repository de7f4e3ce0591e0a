package net.cubeworks.world.game.api;

/**
 * Sets off an explosion a plugin asked for (World.createExplosion): what it breaks, burns and
 * hurts is the world's own explosions' work.
 */
public interface PluginBlasts {
    void explode(double x, double y, double z, float power, boolean setFire, boolean breakBlocks);
}
