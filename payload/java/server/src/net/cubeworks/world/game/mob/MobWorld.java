package net.cubeworks.world.game.mob;

import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.entity.Player;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.protocol.PacketOut;

/** What mobs need of the world they live in; the world answers on the game thread, under its lock. */
public interface MobWorld extends Terrain {
    /** Light at a place as {@code sky << 4 | block}, or -1 where the column is not in memory. */
    int light(int x, int y, int z);

    /** Whether the column holding the block is in memory (mobs never make the world load one). */
    boolean loaded(int x, int z);

    /** The height of the highest block that is not air in the block column (0 for an empty one). */
    int height(int x, int z);

    long dayTime();

    /** 0 peaceful, 1 easy, 2 normal, 3 hard. */
    int difficulty();

    boolean raining();

    boolean thundering();

    boolean spawnMonsters();

    boolean spawnAnimals();

    /** The spawn point {x, y, z}: nothing spawns by itself within 24 blocks of it. */
    int[] spawnPoint();

    Entities entities();

    Object lock();

    GameHost host();

    /** The world as plugins see it. */
    World api();

    /** Sends the packet to every player whose client shows the entity. */
    void toViewers(WorldEntity e, PacketOut packet);

    /** Sends the packet to every player within the distance of the place. */
    void toNear(double x, double y, double z, double distance, PacketOut packet);

    /**
     * Hurts a player: the damage before the difficulty and the armour, by the entity (a mob, or
     * the arrow of one), with the death message should the player die of it. False when it did nothing.
     */
    boolean hurtPlayer(Player target, Entity attacker, float damage, boolean projectile, String deathMessage);

    /** Fire's damage to a player (lightning), not scaled by the difficulty, and burning for the seconds. */
    void burnPlayer(Player target, float damage, int fireSeconds, String deathMessage);

    /** Pushes a player (a mob's hit, an arrow), as the plugins allow. */
    void pushPlayer(Player target, double vx, double vy, double vz);

    /** An explosion of a creeper or the like: the blocks it takes (after the explode event), the hurt to players near. */
    void explode(Entity source, double x, double y, double z, float power);

    /** Puts an item into the world at the place: what a mob drops, sheds or lays. */
    void drop(double x, double y, double z, int item, int count, int damage);

    /** Experience falling as orbs at the place (a mob killed by a player, two animals that bred). */
    void dropExperience(double x, double y, double z, int amount);

    /** The game rule {@code mobGriefing}: whether mobs change blocks (endermen carry them). */
    boolean griefing();

    /** The game rule {@code doMobLoot}: whether dead mobs leave items and experience. */
    boolean mobLoot();

    /** Gives a player the item (an arrow picked up); false when it does not fit. */
    boolean give(Player p, int item, int count);

    /** After each move: the mob landed after a fall of fell blocks (0: it did not fall). Farmland under it may be trampled. */
    default void landed(Mob mob, float fell) {
    }
}
